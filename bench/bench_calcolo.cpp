// Times the whole timetable calculation of a stored trip through the
// calculation service (the trip and its stages read from the database, the
// prepared table, eleven fitting passes, the return limits) on synthetic
// trips with a city guide of 20,000 entries; then the day-by-day summary and
// both exports of the calculated trip.
// Usage: bench_calcolo [stages ...] (default 250 1000 4000). The growth of the
// processor time from the first size to each other is shown next to the
// growth of the stages: linear time keeps the two close.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "ViaggioSintetico.h"
#include "database/Database.h"
#include "guide/TipiGuida.h"
#include "itinerary/MemorizzaTappe.h"
#include "journey/Esportazioni.h"
#include "journey/Riepilogo.h"
#include "model/CampiMeta.h"
#include "timetable/ServizioCalcolo.h"
#include "trip/VeicoloMeta.h"

namespace {

double Cpu(std::clock_t inizio) {
    return double(std::clock() - inizio) * 1000.0 / CLOCKS_PER_SEC;
}

// A database with the synthetic guide and one trip of the given stages that
// cannot fit one day: the run makes all eleven passes.
bool Prepara(Database& db, const QString& file, int tappe) {
    db.FileDatabase = file;
    db.DatabaseCrea();
    if (!db.DatabaseApre()) return false;
    db.DataBaseTabelleAggiorna();
    ScriviTipiGuidaDefault(db);
    QList<QHash<QString, QVariant>> voci;
    for (int i = 0; i < ViaggioSintetico::VociGuida; ++i) {
        const QStringList v = ViaggioSintetico::VoceGuida(i);
        voci.append({{"Localita", v.at(0)},
                     {"CodiceGuida", v.at(1)},
                     {"Descrizione", v.at(2)},
                     {"TempoSosta", v.at(3)},
                     {"FlagVisto", "0"}});
    }
    db.AggiungiRighe(db.Schema().NomeTabella[TabGuida], voci);
    QHash<QString, QVariant> meta{
        {"CodiceMeta", "000001"},     {"Localita", "PROVA"},  {"Nazione", "ITALIA"},
        {"DataInizio", "01062007"},   {"OraInizio", "0800"},  {"RiposoMinuti", "15"},
        {"RiposoOre", "03"},          {"RiposoGiorno", "01"}, {"RiposoDopoGiorni", "05"},
        {"GiorniAdeguamento", "001"}, {"CalcoloSoste", "3"}};
    for (size_t k = 0; k < 4; ++k)
        meta.insert(QString::fromLatin1(CampiVelocita[k]), QString::fromLatin1(VelocitaDefault[k]));
    for (size_t k = 0; k < 9; ++k)
        meta.insert(QString::fromLatin1(CampiOrari[k]), QString::fromLatin1(OrariDefault[k]));
    db.AggiungiRighe(db.Schema().NomeTabella[TabMete], {meta});
    QList<Tappa> righe;
    for (const QString& t : ViaggioSintetico::Tappe(tappe)) {
        const QStringList c = t.split(u'|');
        righe << TappaDaCelle({QString(), c.at(0), c.at(1), c.at(2), c.at(3), QString(), QString(), c.at(4)});
    }
    return MemorizzaTappe(db, QStringLiteral("000001"), righe).isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QList<int> misure;
    for (int i = 1; i < argc; ++i)
        misure << QString::fromLocal8Bit(argv[i]).toInt();
    if (misure.isEmpty()) misure = {250, 1000, 4000};

    std::printf("%8s %10s %8s %10s %10s %10s %10s %14s\n", "tappe", "righe", "passate", "ms", "ms cpu",
                "x cpu", "x tappe", "riepilogo ms");
    double primoTempo = 0;
    int primeTappe = 0;
    for (int tappe : misure) {
        QTemporaryDir dir;
        Database db;
        if (!Prepara(db, dir.filePath(QString::fromLatin1(NomeFileDatabase)), tappe)) return 1;

        QElapsedTimer cronometro;
        cronometro.start();
        const std::clock_t inizio = std::clock();
        const EsitoCalcolo esito = CalcolaMeta(db, QStringLiteral("000001"));
        if (!esito.Riuscito) return 1;
        const double ms = double(cronometro.nsecsElapsed()) / 1e6;
        const double cpu = Cpu(inizio);

        // The journey outside the timetable, beyond the calculation itself.
        cronometro.restart();
        const Veicolo veicolo = LeggiVeicolo(db, QStringLiteral("000001"));
        const Riepilogo riepilogo = CalcolaRiepilogo(
            esito.Tabella, veicolo, [&db](const QString& localita) { return HaSostaCamper(db, localita); });
        const QByteArray ics = CalendarioIcs(esito.Tabella, riepilogo, QStringLiteral("Europe/Rome"));
        const QByteArray csv = FoglioCsv(esito.Tabella, riepilogo);
        const double riepilogoMs = double(cronometro.nsecsElapsed()) / 1e6;
        if (ics.isEmpty() || csv.isEmpty()) return 1;

        if (primeTappe == 0) {
            primoTempo = cpu;
            primeTappe = tappe;
        }
        std::printf("%8d %10d %8d %10.1f %10.1f %10.2f %10.2f %14.1f\n", tappe,
                    esito.Tabella.RigheTabella - 1, esito.Tabella.Passate, ms, cpu, cpu / primoTempo,
                    double(tappe) / primeTappe, riepilogoMs);
    }
    return 0;
}
