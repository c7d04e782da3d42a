#include "conversion/Conversione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "common/FileOrdinario.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "conversion/FileARecord.h"
#include "conversion/RecordVecchi.h"
#include "database/Confronto.h"
#include "database/Database.h"

namespace {

// Record-set slots of the conversion.
constexpr int SlotMete = 1;
constexpr int SlotTappe = 2;
constexpr int SlotVoci = 3;
constexpr int SlotTipi = 4;

const char* const DescrizioniTipiGuida[] = {"Ottimo",  "Da vedere", "Interessante", "Vedibile", "Punto Sosta",
                                            "PS e CS", "Campeggio", "Ristorante",   "Gpl"};

// The filling of an empty time by field name; other fields of four
// characters (OraInizio, OreTraghetti, GiorniAdeguamento) stay as they are.
const struct {
    const char* campo;
    const char* valore;
} OrariAdeguamento[] = {
    {"OraColazione", "0900"}, {"OraPranzo", "1230"}, {"DurataPranzo", "0230"}, {"OraCena", "2000"},
    {"DurataCena", "0130"},   {"OraNotte", "2230"},  {"InizioVisita", "0000"}, {"FineVisita", "2400"},
};

QString Nome(const QString& percorso) {
    return QDir::toNativeSeparators(percorso);
}

// Opens an old file; throws with the reason, in Italian, when it cannot.
// Only a regular file is opened: a FIFO of that name would wait for ever.
void Apri(QFile& file) {
    QString errore;
    if (!ControllaFileDaLeggere(file.fileName(), &errore)) throw ErroreConversione(errore);
    QString motivo;
    if (!file.open(QIODevice::ReadOnly))
        motivo = file.error() == QFileDevice::PermissionsError ? QStringLiteral("accesso negato")
                                                               : QStringLiteral("il file non si può aprire");
    else if (file.isSequential())
        motivo = QStringLiteral("non è un file su disco");
    if (!motivo.isEmpty())
        throw ErroreConversione(
            QStringLiteral("Impossibile leggere il file %1: %2").arg(Nome(file.fileName()), motivo));
}

// A failing write of the database while converting something, reported
// with what was being converted.
template <typename F> void Passo(const QString& cosa, F&& azione) {
    try {
        azione();
    } catch (const ErroreDatabase& e) {
        throw ErroreConversione(QStringLiteral("Errore durante %1: %2").arg(cosa, e.Messaggio()));
    }
}

} // namespace

ConversioneVecchiFile::ConversioneVecchiFile(Database& db, const QString& cartella)
    : db_(db), cartella_(cartella) {}

void ConversioneVecchiFile::Mostra(const std::function<void(const QString&)>& dove, const QString& testo) {
    if (dove) dove(testo);
}

RiepilogoConversione ConversioneVecchiFile::Esegui() {
    riepilogo_ = RiepilogoConversione();
    // Converting overwrites trips with the same code: the file as it was is
    // kept first. The copy cannot be taken inside a transaction.
    if (copiaDiSicurezza && !db_.CopiaInMemoria()) {
        try {
            db_.FaiCopiaDiSicurezza();
        } catch (const ErroreDatabase& e) {
            throw ErroreConversione(e.Messaggio());
        }
        riepilogo_.copiaDiSicurezza = db_.CopiaDiSicurezza();
    }
    Passo(QStringLiteral("la conversione"), [&] {
        Database::Transazione transazione(db_);
        ConverteMete();
        ConverteItinerari();
        ConverteGuida();
        RicostruisceTipiGuida();
        AdeguaMete();
        transazione.Conferma();
    });
    if (avanzamento) avanzamento->FineAvanzamento();
    if (cancellaFile) CancellaFileLetti();
    return riepilogo_;
}

void ConversioneVecchiFile::ConverteMete() {
    Mostra(mostraNazione, QString());
    const QString percorso = ElencoFile(cartella_).Cerca(FileMeteVecchio);
    if (percorso.isEmpty()) return;
    QFile file(percorso);
    Apri(file);
    riepilogo_.fileLetti.append(percorso);
    FileARecord vecchio(file, LunghezzaSlotMete, Nome(percorso));
    const QString tabella = db_.Schema().NomeTabella[TabMete];
    if (avanzamento)
        avanzamento->InizioAvanzamento(QStringLiteral("Conversione file mète"),
                                       double(vecchio.NumeroRecord()));
    Passo(QStringLiteral("la conversione del file ") + Nome(percorso), [&] {
        for (qint64 n = 1; n <= vecchio.NumeroRecord(); ++n) {
            if (avanzamento) avanzamento->Avanza();
            const std::optional<MetaVecchia> meta = MetaDaRecord(vecchio.Record(n));
            if (!meta) {
                ++riepilogo_.meteScartate;
                continue;
            }
            db_.RecordSetImposta(SlotMete, Query(tabella).Dove(QStringLiteral("CodiceMeta"), meta->codice));
            RecordSet& rs = db_.Rs(SlotMete);
            if (rs.Eof())
                rs.AddNew();
            else
                rs.Edit();
            rs.Imposta(QStringLiteral("CodiceMeta"), meta->codice);
            for (const auto& [campo, valore] : meta->campi)
                rs.Imposta(campo, valore);
            Mostra(mostraLocalita, meta->campi.at(0).second);
            rs.Update();
            ++riepilogo_.meteConvertite;
        }
    });
}

void ConversioneVecchiFile::ConverteItinerari() {
    const QString mete = db_.Schema().NomeTabella[TabMete];
    const QString itinerari = db_.Schema().NomeTabella[TabItinerari];
    const ElencoFile elenco(cartella_);
    // Codes that end alike share one file: the first trip in code order
    // reads it, as if it had been consumed.
    QSet<QString> letti;
    Passo(QStringLiteral("la conversione degli itinerari"), [&] {
        db_.RecordSetImposta(SlotMete, Query(mete).OrdinaPer(QStringLiteral("CodiceMeta")));
        RecordSet& trip = db_.Rs(SlotMete);
        if (avanzamento)
            avanzamento->InizioAvanzamento(QStringLiteral("Conversione file itinerari"),
                                           double(trip.RecordCount()));
        for (trip.MoveFirst(); !trip.Eof(); trip.MoveNext()) {
            const QString codice = trip.Testo(QStringLiteral("CodiceMeta"));
            Mostra(mostraNazione, trip.Testo(QStringLiteral("Localita")));
            if (avanzamento) avanzamento->Avanza();
            const QString percorso = elenco.Cerca(FileItinerarioVecchio(codice));
            if (percorso.isEmpty() || letti.contains(percorso)) continue;
            letti.insert(percorso);
            QFile file(percorso);
            Apri(file);
            riepilogo_.fileLetti.append(percorso);
            FileARecord vecchio(file, LunghezzaSlotItinerario, Nome(percorso));
            Passo(QStringLiteral("la conversione del file ") + Nome(percorso), [&] {
                // The trip's stored stages, found once through the index of
                // the trip code, in sequence order: the old stages, in the
                // same order, are matched to them walking forward. Looking
                // each stage up by code and sequence would read, through the
                // sequence's index, that stage of every trip.
                db_.RecordSetImposta(SlotTappe, Query(itinerari)
                                                    .Dove(QStringLiteral("CodiceMeta"), codice)
                                                    .OrdinaPer(QStringLiteral("Sequenza")));
                RecordSet& rs = db_.Rs(SlotTappe);
                rs.MoveFirst();
                const int tappe = TappeIntestazione(vecchio.Record(1));
                for (qint64 r = 2; r <= qint64(tappe) + 1; ++r) {
                    const std::optional<TappaVecchia> tappa = TappaDaRecord(vecchio.Record(r));
                    if (!tappa) {
                        ++riepilogo_.tappeScartate;
                        continue;
                    }
                    if (tappa->sostaNegativa) ++riepilogo_.sosteNegative;
                    const QString sequenza = SequenzaTappa(r);
                    Mostra(mostraLocalita, tappa->localita);
                    // Rows added here lie past the stored ones, below every
                    // sequence still to come.
                    while (!rs.Eof() && ConfrontaTesti(rs.Testo(QStringLiteral("Sequenza")), sequenza) < 0)
                        rs.MoveNext();
                    if (!rs.Eof() && ConfrontaTesti(rs.Testo(QStringLiteral("Sequenza")), sequenza) == 0)
                        rs.Edit();
                    else
                        rs.AddNew();
                    rs.Imposta(QStringLiteral("CodiceMeta"), codice);
                    rs.Imposta(QStringLiteral("Sequenza"), sequenza);
                    rs.Imposta(QStringLiteral("Localita"), tappa->localita);
                    rs.Imposta(QStringLiteral("Chilometri"), tappa->chilometri);
                    rs.Imposta(QStringLiteral("NomeStrada"), tappa->strada);
                    rs.Imposta(QStringLiteral("TipoStrada"), tappa->tipo);
                    rs.Imposta(QStringLiteral("TempoSosta"), tappa->sosta);
                    rs.Imposta(QStringLiteral("FineGiorno"), QStringLiteral("0"));
                    rs.Update();
                    ++riepilogo_.tappeConvertite;
                }
            });
        }
    });
}

void ConversioneVecchiFile::ConverteGuida() {
    const QString percorso = ElencoFile(cartella_).Cerca(FileGuidaVecchio);
    if (percorso.isEmpty()) return;
    QFile file(percorso);
    Apri(file);
    riepilogo_.fileLetti.append(percorso);
    FileARecord vecchio(file, LunghezzaSlotGuida, Nome(percorso));
    const QString tabella = db_.Schema().NomeTabella[TabGuida];
    if (avanzamento)
        avanzamento->InizioAvanzamento(QStringLiteral("Conversione file guida città"),
                                       double(vecchio.NumeroRecord()));
    // A "*" of the old text stands for itself: as a pattern it would match
    // any run and overwrite an unrelated entry.
    auto modello = [](const QString& testo) { return LikeTesto(testo).replace(u'*', u'?'); };
    Passo(QStringLiteral("la conversione del file ") + Nome(percorso), [&] {
        for (qint64 n = 1; n <= vecchio.NumeroRecord(); ++n) {
            if (avanzamento) avanzamento->Avanza();
            const VoceGuidaVecchia voce = VoceDaRecord(vecchio.Record(n));
            if (voce.tempoNegativo) ++riepilogo_.sosteNegative;
            db_.RecordSetImposta(SlotVoci,
                                 Query(tabella)
                                     .DoveCome(QStringLiteral("Localita"), modello(voce.localita))
                                     .DoveCome(QStringLiteral("Descrizione"), modello(voce.descrizione)));
            RecordSet& rs = db_.Rs(SlotVoci);
            if (rs.Eof())
                rs.AddNew();
            else
                rs.Edit();
            Mostra(mostraLocalita, voce.localita);
            rs.Imposta(QStringLiteral("Localita"), voce.localita);
            rs.Imposta(QStringLiteral("CodiceGuida"), voce.codice);
            rs.Imposta(QStringLiteral("Descrizione"), voce.descrizione);
            rs.Imposta(QStringLiteral("TempoSosta"), voce.tempo);
            rs.Imposta(QStringLiteral("FlagVisto"), voce.visto);
            rs.Update();
            ++riepilogo_.vociGuida;
        }
    });
}

void ConversioneVecchiFile::RicostruisceTipiGuida() {
    Passo(QStringLiteral("la ricostruzione dei tipi della guida"), [&] {
        db_.CancellaTabella(TabTipoGuida, QString(), QString(), avanzamento);
        db_.RecordSetImposta(SlotTipi, Query(db_.Schema().NomeTabella[TabTipoGuida]));
        RecordSet& rs = db_.Rs(SlotTipi);
        int i = 0;
        for (const char* descrizione : DescrizioniTipiGuida) {
            rs.AddNew();
            rs.Imposta(QStringLiteral("CodiceGuida"), Zero(double(++i), 2));
            rs.Imposta(QStringLiteral("Descrizione"), QString::fromUtf8(descrizione));
            rs.Update();
        }
    });
}

void ConversioneVecchiFile::AdeguaMete() {
    Passo(QStringLiteral("l'adeguamento dell'archivio mète"), [&] {
        db_.RecordSetImposta(SlotMete,
                             Query(db_.Schema().NomeTabella[TabMete]).OrdinaPer(QStringLiteral("Localita")));
        RecordSet& rs = db_.Rs(SlotMete);
        if (avanzamento)
            avanzamento->InizioAvanzamento(QStringLiteral("Adeguamento archivio mète"),
                                           double(rs.RecordCount()));
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            if (avanzamento) avanzamento->Avanza();
            rs.Edit();
            bool cambiata = false;
            for (int p = 0; p < rs.NumeroCampi(); ++p) {
                const InfoCampo& campo = rs.Campi().at(p);
                if (campo.tipo != TipoCampo::Testo || (campo.dimensione != 2 && campo.dimensione != 4))
                    continue;
                // No value at all counts as 0 too.
                if (Val(rs.Testo(p)) != 0) continue;
                QString valore;
                if (campo.dimensione == 2) {
                    valore = QStringLiteral("00");
                } else {
                    for (const auto& o : OrariAdeguamento)
                        if (campo.nome.compare(QLatin1String(o.campo), Qt::CaseInsensitive) == 0)
                            valore = QString::fromLatin1(o.valore);
                }
                if (valore.isEmpty() || rs.Testo(p) == valore) continue;
                rs.Imposta(p, valore);
                cambiata = true;
            }
            rs.Update();
            if (cambiata) ++riepilogo_.meteAdeguate;
        }
    });
}

void ConversioneVecchiFile::CancellaFileLetti() {
    for (const QString& percorso : std::as_const(riepilogo_.fileLetti))
        if (!QFile::remove(percorso) && QFileInfo::exists(percorso))
            riepilogo_.fileNonCancellati.append(percorso);
}
