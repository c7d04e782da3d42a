// Draws the logbook printer's window into a PNG file, without a display:
//   taccuvo-schermata file.png [bianco|stampanti]
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "core/FormTaccuvo.h"
#include "finestra/FinestraTaccuvo.h"
#include "finestra/PiattaformaTaccuvoQt.h"

using namespace Taccuvo;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList argomenti = QApplication::arguments();
    if (argomenti.size() < 2) {
        std::fprintf(stderr, "uso: taccuvo-schermata file.png [bianco|stampanti]\n");
        return 2;
    }
    PiattaformaQt piattaforma;
    FormTaccuvo form(piattaforma, QStringLiteral("Taccuvo " TACCUVO_VERSIONE));
    FinestraTaccuvo finestra(form);
    piattaforma.ImpostaFinestra(&finestra);
    form.form_load();
    form.txtLocalita_Change(QStringLiteral("PORTO SANTO STEFANO"));
    const QString modo = argomenti.value(2);
    if (modo == QLatin1String("bianco")) {
        form.chkBianco.Value = true;
        form.chkBianco_Click();
    } else if (modo == QLatin1String("stampanti")) {
        form.cmdStampa_Click();
    } else if (modo == QLatin1String("stampa")) {
        form.DimensionafrmBase(true);
        form.txtFondo.Text = QStringLiteral("Stampa dei Moduli in corso...");
        form.StatoStampa(2, 5);
        form.cmdAnnulla.Visible = true;
        form.cmdStampa.Visible = false;
    }
    finestra.Aggiorna();
    finestra.show();
    QApplication::processEvents();
    if (!finestra.grab().save(argomenti[1], "PNG")) {
        std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(argomenti[1]));
        return 1;
    }
    return 0;
}
