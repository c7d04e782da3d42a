// Adding the chosen trips of an exchange file, their stages and the guide
// entries that the stored itineraries need, without changing anything stored.
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <optional>

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "exchange/Passi.h"
#include "exchange/Scambio.h"
#include "shell/SlotRecordSet.h"
#include "trip/OrariFissi.h"
#include "trip/VeicoloMeta.h"

namespace {

// The slot the import writes through.
constexpr int SlotScambio = SlotScrittura;
constexpr int CodiceMassimo = 999999;

const QString CampoCodice = QStringLiteral("CodiceMeta");
const QString CampoLocalita = QStringLiteral("Localita");
const QString CampoDescrizione = QStringLiteral("Descrizione");
const QString CampoSosta = QStringLiteral("TempoSosta");
// The record set keeps every row it adds: started afresh after so many, it
// holds a long import in little memory.
constexpr int RighePerRinnovo = 1000;

// Two texts are the same locality or description when the database's "="
// finds them equal (letter case ignored); blanks at the ends do not count.
// Taken as plain text: "*" and "?" in a file's value match only themselves.
QString Chiave(const QString& testo) {
    return testo.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
}

bool CodiceSeiCifre(const QString& codice) {
    if (codice.size() != 6) return false;
    for (const QChar c : codice)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// Adds records of one section to its table: every table field that the
// section's header names takes that column's value, an empty one stored as a
// single blank; the other fields keep a new record's defaults.
class Inseritore {
public:
    Inseritore(Database& db, int tabella, const SezioneScambio& sezione, int& tagliati)
        : db_(db), tagliati_(tagliati), nulla_(db.Schema().NomeTabella[tabella]) {
        // A query that selects nothing: the set only adds.
        nulla_.Dove(CampoLocalita, QStringLiteral("\\"));
        db.RecordSetImposta(SlotScambio, nulla_);
        const RecordSet& rs = db.Rs(SlotScambio);
        for (int f = 0; f < rs.NumeroCampi(); ++f) {
            const InfoCampo& campo = rs.Campi().at(f);
            if (campo.nome.compare(CampoCodice, Qt::CaseInsensitive) == 0) posizioneCodice_ = f;
            // The first column of that name, letter case ignored.
            if (const auto colonna = sezione.Colonna(campo.nome))
                mappa_.append({f, *colonna, campo.tipo == TipoCampo::Testo ? campo.dimensione : 0});
        }
    }

    // The value as the field will hold it.
    QString Memorizzato(const QString& valore, int dimensione) const {
        return valore.isEmpty() ? QStringLiteral(" ") : TagliaTesto(valore, dimensione);
    }
    int Dimensione(const QString& campo) const {
        const RecordSet& rs = db_.Rs(SlotScambio);
        const int p = rs.PosizioneCampo(campo);
        return p >= 0 && rs.Campi().at(p).tipo == TipoCampo::Testo ? rs.Campi().at(p).dimensione : 0;
    }

    void Aggiungi(const QStringList& record, const QString& codice) {
        if (++aggiunte_ % RighePerRinnovo == 0) db_.RecordSetImposta(SlotScambio, nulla_);
        RecordSet& rs = db_.Rs(SlotScambio);
        rs.AddNew();
        for (const Voce& v : mappa_) {
            if (v.posizione == posizioneCodice_ && !codice.isNull()) continue;
            const QString& valore = record.at(v.colonna);
            const QString memorizzato = Memorizzato(valore, v.dimensione);
            if (!valore.isEmpty() && memorizzato.size() != valore.size()) ++tagliati_;
            rs.Imposta(v.posizione, memorizzato);
        }
        if (!codice.isNull() && posizioneCodice_ >= 0) rs.Imposta(posizioneCodice_, codice);
        rs.Update();
    }

private:
    struct Voce {
        int posizione; // field of the table
        int colonna;   // column of the file
        int dimensione;
    };
    Database& db_;
    int& tagliati_;
    QVector<Voce> mappa_;
    int posizioneCodice_ = -1;
    Query nulla_;
    int aggiunte_ = 0;
};

} // namespace

QVector<QPair<QString, QString>> AssegnaCodiciImportazione(const QStringList& codiciArchivio,
                                                           const QStringList& scelti) {
    QSet<QString> occupati;
    double piuAlto = 0;
    for (const QString& codice : codiciArchivio) {
        occupati.insert(codice.trimmed());
        piuAlto = qMax(piuAlto, Val(codice));
    }
    // A trip that keeps its code reserves it before any new code is given.
    QSet<QString> tenuti;
    for (const QString& codice : scelti)
        if (CodiceSeiCifre(codice) && !occupati.contains(codice)) tenuti.insert(codice);
    occupati.unite(tenuti);

    QVector<QPair<QString, QString>> assegnati;
    qint64 prossimo = qint64(qMin(piuAlto, double(CodiceMassimo))) + 1;
    bool ricominciato = false;
    for (const QString& codice : scelti) {
        if (tenuti.contains(codice)) {
            tenuti.remove(codice); // a code chosen twice keeps it once
            assegnati.append({codice, codice});
            continue;
        }
        QString nuovo;
        for (;;) {
            if (prossimo > CodiceMassimo) {
                // Past the last six-digit code: the free codes from the start.
                if (ricominciato)
                    throw ErroreDatabase(QStringLiteral("Non ci sono più codici liberi per le mète"));
                ricominciato = true;
                prossimo = 1;
            }
            nuovo = Zero(double(prossimo++), 6);
            if (!occupati.contains(nuovo)) break;
        }
        occupati.insert(nuovo);
        assegnati.append({codice, nuovo});
    }
    return assegnati;
}

namespace {

// The records of the file as they are read, section after section (trips,
// stages, guide: the order the file has), each added at once: nothing of the
// file is held but the codes of the trips added.
class Importatore {
public:
    Importatore(Database& db, QHash<QString, QString> codiceNuovo, QSet<QString> localitaMete,
                const ContenutoScambio& contenuto, Passi& passi, qint64 totale, RiepilogoImportazione& r)
        : db_(db), codiceNuovo_(std::move(codiceNuovo)), localitaMete_(std::move(localitaMete)),
          contenuto_(contenuto), passi_(passi), totale_(totale), r_(r) {}

    void Record(int sezione, const QStringList& record) {
        if (sezione != sezione_) Inizia(sezione);
        switch (sezione) {
        case SezMete:
            Meta(record);
            break;
        case SezItinerari:
            Tappa(record);
            break;
        default:
            Voce(record);
            break;
        }
    }

private:
    // The sections in between had no record: there is nothing to prepare
    // for them.
    void Inizia(int sezione) {
        sezione_ = sezione;
        const int tabella = sezione == SezMete ? TabMete : sezione == SezItinerari ? TabItinerari : TabGuida;
        passi_.Inizia(QStringLiteral("Importazione ") + db_.Schema().NomeTabella[tabella], totale_);
        const SezioneScambio& intestazione = contenuto_.sezioni[sezione];
        inseritore_.emplace(db_, tabella, intestazione, r_.valoriTagliati);
        colonnaCodice_ = intestazione.Colonna(CampoCodice).value_or(-1);
        colonnaLocalita_ = intestazione.Colonna(CampoLocalita).value_or(-1);
        colonnaDescrizione_ = intestazione.Colonna(CampoDescrizione);
        colonnaSosta_ = intestazione.Colonna(CampoSosta);
        colonnaSequenza_ = intestazione.Colonna(QStringLiteral("Sequenza"));
        const QStringList oltre = sezione == SezMete        ? NomiCampiVeicolo()
                                  : sezione == SezItinerari ? ColonneTappaScambio
                                                            : ColonneVoceScambio;
        colonneOltre_.clear();
        for (const QString& nome : oltre)
            colonneOltre_ << intestazione.Colonna(nome).value_or(-1);
        if (sezione == SezGuida) PreparaGuida();
    }

    // Trips: one whose locality is stored already stays out, with its stages.
    void Meta(const QStringList& record) {
        const QString& codice = record.at(colonnaCodice_);
        const auto nuovo = codiceNuovo_.constFind(codice);
        if (nuovo == codiceNuovo_.constEnd()) return;
        const QString localita = Chiave(
            inseritore_->Memorizzato(record.at(colonnaLocalita_), inseritore_->Dimensione(CampoLocalita)));
        if (localitaMete_.contains(localita)) {
            ++r_.meteScartate;
            return;
        }
        inseritore_->Aggiungi(record, *nuovo);
        if (const QStringList v = Oltre(record); !v.isEmpty())
            if (const std::optional<Veicolo> veicolo = VeicoloDaTesti(v))
                ScriviVeicolo(db_, *nuovo, *veicolo);
        localitaMete_.insert(localita);
        inserite_.insert(codice, *nuovo);
        r_.codici.append({codice, *nuovo});
        ++r_.mete;
    }

    void Tappa(const QStringList& record) {
        const auto trovata = inserite_.constFind(record.at(colonnaCodice_));
        if (trovata == inserite_.constEnd()) return;
        inseritore_->Aggiungi(SenzaSostaNegativa(record, QStringLiteral(" ")), *trovata);
        ++r_.tappe;
        const QStringList v = Oltre(record);
        if (v.isEmpty() || !colonnaSequenza_) return;
        const int sequenza = record.at(*colonnaSequenza_).trimmed().toInt();
        const QString localita =
            inseritore_->Memorizzato(record.at(colonnaLocalita_), inseritore_->Dimensione(CampoLocalita));
        if (const std::optional<OrariTraghetto> o = TraghettoDaTesti(v.mid(0, 5)))
            ScriviTraghetto(db_, *trovata, sequenza, localita, o);
        if (DataPrenotabile(v.at(5).trimmed()))
            ScriviNottePrenotata(db_, *trovata, sequenza, localita, v.at(5).trimmed());
    }

    // Guide: only for localities that a stored itinerary reaches (the stages
    // just added included), and only entries not stored already.
    void PreparaGuida() {
        const SchemaDatabase& schema = db_.Schema();
        db_.Leggi(Query(schema.NomeTabella[TabItinerari]).SenzaOrdine(), {CampoLocalita},
                  [&](qint64, const QStringList& v) { raggiunte_.insert(Chiave(v.at(0))); });
        db_.Leggi(Query(schema.NomeTabella[TabGuida]).SenzaOrdine(), {CampoLocalita, CampoDescrizione},
                  [&](qint64, const QStringList& v) { presenti_.insert(ChiaveVoce(v.at(0), v.at(1))); });
    }

    void Voce(const QStringList& record) {
        const QString localita =
            inseritore_->Memorizzato(record.at(colonnaLocalita_), inseritore_->Dimensione(CampoLocalita));
        if (!raggiunte_.contains(Chiave(localita))) {
            ++r_.vociNonRaggiunte;
            return;
        }
        const QString descrizione =
            inseritore_->Memorizzato(colonnaDescrizione_ ? record.at(*colonnaDescrizione_) : QString(),
                                     inseritore_->Dimensione(CampoDescrizione));
        const QString chiave = ChiaveVoce(localita, descrizione);
        if (presenti_.contains(chiave)) {
            ++r_.vociScartate;
            return;
        }
        inseritore_->Aggiungi(SenzaSostaNegativa(record, QStringLiteral("00:00")), QString());
        if (const QStringList v = Oltre(record); !v.isEmpty())
            if (const std::optional<OrariVoce> o = OrariVoceDaTesti(v); o && !o->Vuoti())
                ScriviOrariVoce(db_, localita, descrizione, *o);
        presenti_.insert(chiave);
        ++r_.voci;
    }

    // The values of the columns beyond the table's own fields; empty when
    // the file has none of them or they are all empty.
    QStringList Oltre(const QStringList& record) const {
        QStringList v;
        bool qualcuno = false;
        for (int c : colonneOltre_) {
            v << (c >= 0 ? record.at(c).trimmed() : QString());
            qualcuno = qualcuno || !v.last().isEmpty();
        }
        return qualcuno ? v : QStringList();
    }

    // A stop or visit time with a minus sign counts as none, and is told.
    QStringList SenzaSostaNegativa(const QStringList& record, const QString& nessuna) {
        if (!colonnaSosta_ || !SostaNegativa(record.at(*colonnaSosta_))) return record;
        ++r_.sosteNegative;
        QStringList corretto = record;
        corretto[*colonnaSosta_] = nessuna;
        return corretto;
    }

    static QString ChiaveVoce(const QString& localita, const QString& descrizione) {
        return Chiave(localita) + QChar(0x1F) + Chiave(descrizione);
    }

    Database& db_;
    QHash<QString, QString> codiceNuovo_;
    QSet<QString> localitaMete_;
    const ContenutoScambio& contenuto_;
    Passi& passi_;
    qint64 totale_;
    RiepilogoImportazione& r_;
    int sezione_ = -1;
    std::optional<Inseritore> inseritore_;
    int colonnaCodice_ = -1, colonnaLocalita_ = -1;
    std::optional<int> colonnaDescrizione_, colonnaSosta_, colonnaSequenza_;
    QList<int> colonneOltre_;
    // File code -> stored code of the trips added.
    QHash<QString, QString> inserite_;
    QSet<QString> raggiunte_, presenti_;
};

} // namespace

RiepilogoImportazione ImportaMete(Database& db, const QString& percorso, const QStringList& scelti,
                                  Avanzamento* avanzamento) {
    RiepilogoImportazione r;
    const SchemaDatabase& schema = db.Schema();
    Passi passi(avanzamento, QStringLiteral("Importazione mète"), 1);
    Database::Transazione transazione(db);

    QStringList codiciArchivio;
    QSet<QString> localitaMete;
    db.Leggi(Query(schema.NomeTabella[TabMete]), {CampoCodice, CampoLocalita},
             [&](qint64, const QStringList& v) {
                 codiciArchivio.append(v.at(0));
                 localitaMete.insert(Chiave(v.at(1)));
             });
    QHash<QString, QString> codiceNuovo;
    for (const auto& [file, nuovo] : AssegnaCodiciImportazione(codiciArchivio, scelti))
        codiceNuovo.insert(file, nuovo);
    codiciArchivio.clear();

    // The file is read again, a line at a time, inside the transaction: one
    // that has turned unreadable since it was listed takes back whatever was
    // added.
    ContenutoScambio contenuto;
    Importatore importatore(db, std::move(codiceNuovo), std::move(localitaMete), contenuto, passi,
                            QFileInfo(percorso).size(), r);
    const QString errore = LeggiFileScambio(
        percorso, contenuto, [&](qint64 letti, qint64) { passi.Porta(letti); },
        [&](int sezione, const QStringList& record) { importatore.Record(sezione, record); });
    if (!errore.isEmpty()) throw ErroreDatabase(errore);

    transazione.Conferma();
    // The work slot holds no rows of the import once it is over.
    db.RecordSetImposta(SlotScambio,
                        Query(schema.NomeTabella[TabMete]).Dove(CampoLocalita, QStringLiteral("\\")));
    return r;
}

QString TestoRiepilogoImportazione(const RiepilogoImportazione& r) {
    auto n = [](int x) { return Formato(double(x), QStringLiteral("#,##0")); };
    QStringList righe = {
        QStringLiteral("Sono stati inseriti:"),
        n(r.mete) + QStringLiteral(" mète/itinerari;"),
        n(r.tappe) + QStringLiteral(" tratti stradali;"),
        n(r.voci) + QStringLiteral(" guide/informazioni località."),
        QString(),
        QStringLiteral("Sono stati scartati:"),
        n(r.meteScartate) + QStringLiteral(" mète/itinerari;"),
        n(r.vociScartate) + QStringLiteral(" guide/informazioni località,"),
        QStringLiteral("perchè già presenti nel database con lo stesso nome."),
    };
    if (r.vociNonRaggiunte > 0)
        righe << QString()
              << n(r.vociNonRaggiunte) +
                     QStringLiteral(" guide/informazioni località non inserite: nessun itinerario "
                                    "dell'archivio passa per la loro località.");
    if (r.sosteNegative > 0) righe << QString() << TestoSosteNegative(r.sosteNegative);
    if (r.valoriTagliati > 0) {
        righe << QString()
              << n(r.valoriTagliati) +
                     (r.valoriTagliati == 1
                          ? QStringLiteral(" valore più lungo del suo campo è stato accorciato.")
                          : QStringLiteral(" valori più lunghi del loro campo sono stati accorciati."));
    }
    return righe.join(QStringLiteral("\r\n"));
}
