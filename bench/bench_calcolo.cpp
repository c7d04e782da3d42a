// Times the whole timetable calculation ("&Calcola": the prepared table,
// eleven fitting passes and the return limits) on synthetic trips with a city
// guide of 20,000 entries. Usage: bench_calcolo [stages ...] (default 250 1000
// 4000). The growth of the processor time from the first size to each other
// is shown next to the growth of the stages: linear time keeps the two close.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <random>

#include "ViaggioSintetico.h"
#include "cli/PiattaformaSenzaSchermo.h"

using namespace ViaggioSintetico;

int main(int argc, char** argv) {
    QList<int> misure;
    for (int i = 1; i < argc; ++i)
        misure << QString::fromLocal8Bit(argv[i]).toInt();
    if (misure.isEmpty()) misure = {250, 1000, 4000};

    std::printf("%8s %10s %8s %10s %10s %10s %10s\n", "tappe", "righe", "passate", "ms", "ms cpu", "x cpu",
                "x tappe");
    double primoTempo = 0;
    int primeTappe = 0;
    for (int tappe : misure) {
        QTemporaryDir dir;
        PiattaformaSenzaSchermo p;
        FormViandora f(p, dir.path() + u'/');
        if (!f.Form_Load()) return 1;
        RiempiGuida(f);
        PreparaViaggio(f, tappe);
        f.ComandiMeta = QStringLiteral("all");
        f.AbilitaPulsantiComando();

        QElapsedTimer cronometro;
        cronometro.start();
        const std::clock_t inizio = std::clock();
        f.cmdCalcola_Click();
        const double ms = double(cronometro.nsecsElapsed()) / 1e6;
        const double cpu = double(std::clock() - inizio) * 1000.0 / CLOCKS_PER_SEC;
        if (!f.TabellaCalcolata) return 1;
        if (primeTappe == 0) {
            primoTempo = cpu;
            primeTappe = tappe;
        }
        std::printf("%8d %10d %8d %10.1f %10.1f %10.2f %10.2f\n", tappe, f.RigaTabella - 1, f.NumeroTentativo,
                    ms, cpu, cpu / primoTempo, double(tappe) / primeTappe);
    }
    return 0;
}
