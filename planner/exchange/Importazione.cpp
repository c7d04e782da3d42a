// Adding the chosen trips of an exchange file, their stages and the guide
// entries that the stored itineraries need, without changing anything stored.
#include <QHash>
#include <QSet>

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "exchange/Passi.h"
#include "exchange/Scambio.h"
#include "shell/SlotRecordSet.h"

namespace {

// The slot the import writes through.
constexpr int SlotScambio = SlotScrittura;
constexpr int CodiceMassimo = 999999;

const QString CampoCodice = QStringLiteral("CodiceMeta");
const QString CampoLocalita = QStringLiteral("Localita");
const QString CampoDescrizione = QStringLiteral("Descrizione");

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
        : db_(db), tagliati_(tagliati) {
        const QString nome = db.Schema().NomeTabella[tabella];
        // A query that selects nothing: the set only adds.
        db.RecordSetImposta(SlotScambio, Query(nome).Dove(CampoLocalita, QStringLiteral("\\")));
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

// Trips: one whose locality is stored already stays out, with its stages.
// Returns the file's codes of the trips added, with their new codes.
QHash<QString, QString> AggiungiMete(Database& db, const SezioneScambio& mete,
                                     const QHash<QString, QString>& codiceNuovo, QSet<QString> localitaMete,
                                     Passi& passi, RiepilogoImportazione& r) {
    QHash<QString, QString> inserite;
    passi.Inizia(QStringLiteral("Importazione ") + db.Schema().NomeTabella[TabMete], mete.record.size());
    Inseritore inseritore(db, TabMete, mete, r.valoriTagliati);
    const int colonnaCodice = *mete.Colonna(CampoCodice);
    const int colonnaLocalita = *mete.Colonna(CampoLocalita);
    const int dimensioneLocalita = inseritore.Dimensione(CampoLocalita);
    for (const QStringList& record : mete.record) {
        passi.Avanza();
        const QString& codice = record.at(colonnaCodice);
        if (!codiceNuovo.contains(codice)) continue;
        const QString localita =
            Chiave(inseritore.Memorizzato(record.at(colonnaLocalita), dimensioneLocalita));
        if (localitaMete.contains(localita)) {
            ++r.meteScartate;
            continue;
        }
        inseritore.Aggiungi(record, codiceNuovo.value(codice));
        localitaMete.insert(localita);
        inserite.insert(codice, codiceNuovo.value(codice));
        r.codici.append({codice, codiceNuovo.value(codice)});
        ++r.mete;
    }
    return inserite;
}

void AggiungiTappe(Database& db, const SezioneScambio& itinerari, const QHash<QString, QString>& inserite,
                   Passi& passi, RiepilogoImportazione& r) {
    passi.Inizia(QStringLiteral("Importazione ") + db.Schema().NomeTabella[TabItinerari],
                 itinerari.record.size());
    Inseritore inseritore(db, TabItinerari, itinerari, r.valoriTagliati);
    const int colonnaCodice = *itinerari.Colonna(CampoCodice);
    for (const QStringList& record : itinerari.record) {
        passi.Avanza();
        const auto trovata = inserite.constFind(record.at(colonnaCodice));
        if (trovata == inserite.constEnd()) continue;
        inseritore.Aggiungi(record, *trovata);
        ++r.tappe;
    }
}

// Guide: only for localities that a stored itinerary reaches (the stages
// just added included), and only entries not stored already.
void AggiungiGuida(Database& db, const SezioneScambio& guida, Passi& passi, RiepilogoImportazione& r) {
    const SchemaDatabase& schema = db.Schema();
    passi.Inizia(QStringLiteral("Importazione ") + schema.NomeTabella[TabGuida], guida.record.size());
    QSet<QString> raggiunte;
    db.Leggi(Query(schema.NomeTabella[TabItinerari]).SenzaOrdine(), {CampoLocalita},
             [&](qint64, const QStringList& v) { raggiunte.insert(Chiave(v.at(0))); });
    QSet<QString> presenti;
    auto chiaveVoce = [](const QString& localita, const QString& descrizione) {
        return Chiave(localita) + QChar(0x1F) + Chiave(descrizione);
    };
    db.Leggi(Query(schema.NomeTabella[TabGuida]).SenzaOrdine(), {CampoLocalita, CampoDescrizione},
             [&](qint64, const QStringList& v) { presenti.insert(chiaveVoce(v.at(0), v.at(1))); });

    Inseritore inseritore(db, TabGuida, guida, r.valoriTagliati);
    const int colonnaLocalita = *guida.Colonna(CampoLocalita);
    const auto colonnaDescrizione = guida.Colonna(CampoDescrizione);
    const int dimensioneLocalita = inseritore.Dimensione(CampoLocalita);
    const int dimensioneDescrizione = inseritore.Dimensione(CampoDescrizione);
    for (const QStringList& record : guida.record) {
        passi.Avanza();
        const QString localita = inseritore.Memorizzato(record.at(colonnaLocalita), dimensioneLocalita);
        if (!raggiunte.contains(Chiave(localita))) continue;
        const QString descrizione = inseritore.Memorizzato(
            colonnaDescrizione ? record.at(*colonnaDescrizione) : QString(), dimensioneDescrizione);
        const QString chiave = chiaveVoce(localita, descrizione);
        if (presenti.contains(chiave)) {
            ++r.vociScartate;
            continue;
        }
        inseritore.Aggiungi(record, QString());
        presenti.insert(chiave);
        ++r.voci;
    }
}

} // namespace

RiepilogoImportazione ImportaMete(Database& db, const ContenutoScambio& contenuto, const QStringList& scelti,
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

    const QHash<QString, QString> inserite =
        AggiungiMete(db, contenuto.sezioni[SezMete], codiceNuovo, localitaMete, passi, r);
    AggiungiTappe(db, contenuto.sezioni[SezItinerari], inserite, passi, r);
    AggiungiGuida(db, contenuto.sezioni[SezGuida], passi, r);

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
    if (r.valoriTagliati > 0) {
        righe << QString()
              << n(r.valoriTagliati) +
                     (r.valoriTagliati == 1
                          ? QStringLiteral(" valore più lungo del suo campo è stato accorciato.")
                          : QStringLiteral(" valori più lunghi del loro campo sono stati accorciati."));
    }
    return righe.join(QStringLiteral("\r\n"));
}
