#include "trip/CaricaViaggio.h"

#include "trip/OrariFissi.h"

#include "database/Database.h"
#include "model/CampiMeta.h"
#include "model/ControlloMeta.h"

namespace {

// The stage grid shows at least this many rows, the heading included.
constexpr int RigheVisibili = 17;
// Stages beyond this are not shown.
constexpr int TappeMassime = 32000;

const QStringList CampiTappa = {
    QStringLiteral("CodiceMeta"), QStringLiteral("Sequenza"),        QStringLiteral("Localita"),
    QStringLiteral("Chilometri"), QStringLiteral("NomeStrada"),      QStringLiteral("TipoStrada"),
    QStringLiteral("TempoSosta"), QStringLiteral("SostaGuidaCitta"), QStringLiteral("FineGiorno")};

QStringList CampiMeta() {
    QStringList campi = {QStringLiteral("CodiceMeta"), QStringLiteral("Localita"), QStringLiteral("Nazione"),
                         QStringLiteral("DataInizio"), QStringLiteral("OraInizio")};
    for (const char* c : CampiVelocita)
        campi << QString::fromLatin1(c);
    for (const char* c : CampiOrari)
        campi << QString::fromLatin1(c);
    campi << QStringLiteral("RiposoMinuti") << QStringLiteral("RiposoOre") << QStringLiteral("RiposoGiorno")
          << QStringLiteral("RiposoDopoGiorni") << QStringLiteral("GiorniAdeguamento")
          << QStringLiteral("CalcoloSoste");
    return campi;
}

} // namespace

std::optional<RecordMeta> LeggiRecordMeta(Database& db, const QString& codice) {
    std::optional<RecordMeta> trovato;
    db.Leggi(Query(db.Schema().NomeTabella[TabMete]).Dove(QStringLiteral("CodiceMeta"), codice), CampiMeta(),
             [&](qint64, const QStringList& v) {
                 if (trovato) return;
                 RecordMeta r;
                 int i = 0;
                 r.CodiceMeta = v.at(i++);
                 r.Localita = v.at(i++);
                 r.Nazione = v.at(i++);
                 r.DataInizio = v.at(i++);
                 r.OraInizio = v.at(i++);
                 for (QString& m : r.Medie)
                     m = v.at(i++);
                 for (QString& o : r.Orari)
                     o = v.at(i++);
                 r.RiposoMinuti = v.at(i++);
                 r.RiposoOre = v.at(i++);
                 r.RiposoGiorno = v.at(i++);
                 r.RiposoDopoGiorni = v.at(i++);
                 r.GiorniAdeguamento = v.at(i++);
                 r.CalcoloSoste = v.at(i++);
                 trovato = r;
             });
    return trovato;
}

QList<RecordTappa> LeggiTappe(Database& db, const QString& codice) {
    QList<RecordTappa> tappe;
    db.Leggi(
        Query(db.Schema().NomeTabella[TabItinerari])
            .Dove(QStringLiteral("CodiceMeta"), codice)
            .OrdinaPer(QStringLiteral("Sequenza")),
        CampiTappa, [&](qint64, const QStringList& v) {
            if (tappe.size() >= TappeMassime) return;
            tappe.append({v.at(0), v.at(1), v.at(2), v.at(3), v.at(4), v.at(5), v.at(6), v.at(7), v.at(8)});
        });
    return tappe;
}

std::optional<ViaggioCaricato> CaricaViaggio(Database& db, const QString& codice, QString& errore) {
    std::optional<RecordMeta> record = LeggiRecordMeta(db, codice);
    if (!record) {
        errore = QStringLiteral("Mèta inesistente: ") + codice;
        return std::nullopt;
    }
    ViaggioCaricato v;
    v.Record = *record;
    v.Valori = ValoriDaRecord(v.Record);
    ControllaValoriMeta(v.Valori);

    v.RecordTappe = LeggiTappe(db, codice);
    const int righe = qMax(int(v.RecordTappe.size()) + 2, RigheVisibili) - 1;
    v.Tappe.reserve(righe);
    for (int r = 0; r < v.RecordTappe.size(); ++r)
        v.Tappe << TappaDaCelle(CelleDaRecordTappa(v.RecordTappe.at(r), r + 1));
    while (v.Tappe.size() < righe)
        v.Tappe << Tappa{};
    AttaccaOrariFissi(db, codice, v.Tappe);

    v.Totali = CalcolaTotaliItinerario(v.Tappe, VelocitaTotali(v.Valori.MediaKm));
    v.Valori.Giorni = Zero(v.Totali.GiorniRichiesti(v.Valori.Giorni), 3);
    return v;
}

Viaggio ViaggioDaCalcolare(ViaggioCaricato& viaggio) {
    Viaggio v = ViaggioDaValori(viaggio.Record.CodiceMeta, viaggio.Valori);
    v.Localita = viaggio.Record.Localita;
    v.Nazione = viaggio.Record.Nazione;
    return v;
}
