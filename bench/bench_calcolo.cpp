// Times the whole timetable calculation (the engine as "&Calcola" drives
// it: the prepared table, eleven fitting passes and the return limits) on
// synthetic trips with a city guide of 20,000 entries.
// Usage: bench_calcolo [--finestra] [stages ...] (default 250 1000 4000);
// with --finestra through the calculate command of the window model, the
// timetable grid included. The growth of the processor time from the first
// size to each other is shown next to the growth of the stages: linear time
// keeps the two close.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "ViaggioNelForm.h"
#include "model/ColonneGriglie.h"
#include "shell/FormViandora.h"
#include "shell/PiattaformaSenzaSchermo.h"
#include "shell/SlotRecordSet.h"
#include "timetable/GuidaDatabase.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/Meta.h"

namespace {

using ViaggioNelForm::PreparaViaggio;
using ViaggioNelForm::RiempiGuida;

// The run as "&Calcola" makes it, without the window: the guide's flags are
// written in their transaction, the grid is not.
bool Calcola(FormViandora& f, int& righe, int& passate) {
    IngressoCalcolo ingresso = f.IngressoCalcoloTabella();
    Database::Transazione transazione(f.Db);
    GuidaDatabase guida(f.Db, LocalitaTappe(ingresso.Tappe));
    ServiziCalcolo servizi;
    servizi.Ricontrolla = [&f](ParametriMetaTipo& p) {
        f.Aggiorna(false);
        p = f.Meta.ParametriMeta;
    };
    CalcoloTabellaDiMarcia motore(std::move(ingresso), guida, servizi);
    if (!motore.Prepara()) return false;
    guida.ScriviVisti();
    transazione.Conferma();
    if (!motore.Passate()) return false;
    motore.LimitiRitorno();
    righe = motore.Stato().RigaTabella - 1;
    passate = motore.Stato().NumeroTentativo;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QList<int> misure;
    bool finestra = false;
    for (int i = 1; i < argc; ++i) {
        const QString argomento = QString::fromLocal8Bit(argv[i]);
        if (argomento == QLatin1String("--finestra"))
            finestra = true;
        else
            misure << argomento.toInt();
    }
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

        QElapsedTimer cronometro;
        cronometro.start();
        const std::clock_t inizio = std::clock();
        int righe = 0, passate = 0;
        if (finestra) {
            f.ComandiMeta = QStringLiteral("all");
            f.AbilitaPulsantiComando();
            f.cmdCalcola_Click();
            if (!f.TabellaDiMarcia.TabellaCalcolata) return 1;
            righe = f.TabellaDiMarcia.Calcolo.RigaTabella - 1;
            passate = f.TabellaDiMarcia.Calcolo.NumeroTentativo;
        } else if (!Calcola(f, righe, passate)) {
            return 1;
        }
        const double ms = double(cronometro.nsecsElapsed()) / 1e6;
        const double cpu = double(std::clock() - inizio) * 1000.0 / CLOCKS_PER_SEC;
        if (primeTappe == 0) {
            primoTempo = cpu;
            primeTappe = tappe;
        }
        std::printf("%8d %10d %8d %10.1f %10.1f %10.2f %10.2f\n", tappe, righe, passate, ms, cpu,
                    cpu / primoTempo, double(tappe) / primeTappe);
    }
    return 0;
}
