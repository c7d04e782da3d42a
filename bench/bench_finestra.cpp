// Times "&Calcola" in the real window (offscreen) against the same command
// of the window module without a window, on the synthetic trips of
// bench_calcolo (whose plain run times the engine alone).
// Usage: bench_finestra [stages ...] (default 250 1000 4000). Each size runs
// once with the eleven fitting passes and once with a single pass. The
// window should cost at most half the calculation again plus 0.3 s: the
// "target" column.
#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "ViaggioNelForm.h"
#include "app/FinestraViandora.h"
#include "app/PiattaformaQt.h"
#include "model/ColonneGriglie.h"
#include "shell/Itinerario.h"
#include "shell/PiattaformaSenzaSchermo.h"
#include "shell/SlotRecordSet.h"
#include "timetable/TabellaDiMarcia.h"

namespace {

using ViaggioNelForm::PreparaViaggio;
using ViaggioNelForm::RiempiGuida;

// The window's own desktop, without the boxes that would wait for a user.
class PiattaformaBench : public PiattaformaQt {
public:
    int MsgBox(const QString&, int pulsanti, const QString&) override {
        return (pulsanti & 7) == Msg::OkOnly ? Msg::Ok : Msg::No;
    }
};

double Cpu(std::clock_t inizio) {
    return double(std::clock() - inizio) * 1000.0 / CLOCKS_PER_SEC;
}

void Prepara(FormViandora& f, int tappe, bool adatta) {
    RiempiGuida(f);
    PreparaViaggio(f, tappe);
    if (!adatta) f.cmbGiorni.SetText(QStringLiteral("000"));
    f.ComandiMeta = QStringLiteral("all");
    f.AbilitaPulsantiComando();
}

// Processor ms of the calculation alone; -1 when it did not end calculated.
double SenzaFinestra(int tappe, bool adatta, int& passate) {
    QTemporaryDir dir;
    PiattaformaSenzaSchermo p;
    FormViandora f(p, dir.path() + u'/');
    if (!f.Form_Load()) return -1;
    Prepara(f, tappe, adatta);
    const std::clock_t inizio = std::clock();
    f.Click(QStringLiteral("cmdCalcola"));
    const double ms = Cpu(inizio);
    passate = f.TabellaDiMarcia.Calcolo.NumeroTentativo;
    return f.Itinerario.TabellaCalcolata ? ms : -1;
}

// The same through the window: the click, the repaints while it runs and the
// repaint that shows the timetable.
double ConFinestra(int tappe, bool adatta) {
    QTemporaryDir dir;
    PiattaformaBench p;
    FormViandora f(p, dir.path() + u'/');
    if (!f.Form_Load()) return -1;
    Prepara(f, tappe, adatta);
    FinestraViandora finestra(f);
    p.ImpostaFinestra(&finestra);
    finestra.show();
    QApplication::processEvents();
    auto* calcola = qobject_cast<QAbstractButton*>(finestra.Widget(QStringLiteral("cmdCalcola")));
    const std::clock_t inizio = std::clock();
    calcola->click();
    QApplication::processEvents();
    const double ms = Cpu(inizio);
    return f.Itinerario.TabellaCalcolata ? ms : -1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QList<int> misure;
    for (int i = 1; i < argc; ++i)
        misure << QString::fromLocal8Bit(argv[i]).toInt();
    if (misure.isEmpty()) misure = {250, 1000, 4000};

    std::printf("%8s %8s %14s %14s %8s %12s\n", "tappe", "passate", "ms cpu motore", "ms cpu finestra", "x",
                "obiettivo");
    for (int tappe : misure) {
        for (bool adatta : {false, true}) {
            int passate = 0;
            const double motore = SenzaFinestra(tappe, adatta, passate);
            const double finestra = ConFinestra(tappe, adatta);
            if (motore < 0 || finestra < 0) return 1;
            const double obiettivo = 1.5 * motore + 300;
            std::printf("%8d %8d %14.1f %14.1f %8.2f %9.1f %s\n", tappe, passate, motore, finestra,
                        finestra / motore, obiettivo, finestra <= obiettivo ? "si" : "NO");
        }
    }
    return 0;
}
