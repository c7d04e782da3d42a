// Draws the planner's main window into a PNG file, without a display:
//   viandora-schermata file.png [data folder]
// With no data folder the window starts on an empty temporary one.
#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "app/FinestraViandora.h"
#include "app/PiattaformaQt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The same look on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList argomenti = QApplication::arguments();
    if (argomenti.size() < 2) {
        std::fprintf(stderr, "uso: viandora-schermata file.png [cartella dati]\n");
        return 2;
    }
    QTemporaryDir temporanea;
    QString cartella = argomenti.size() > 2 && !argomenti[2].isEmpty() ? argomenti[2] : temporanea.path();
    if (!cartella.endsWith(QLatin1Char('/')))
        cartella += QLatin1Char('/');

    PiattaformaQt piattaforma;
    FormViandora form(piattaforma, cartella);
    if (!form.Form_Load())
        return 1;
    FinestraViandora finestra(form);
    piattaforma.ImpostaFinestra(&finestra);
    finestra.Aggiorna();
    finestra.show();
    QApplication::processEvents();
    if (!finestra.grab().save(argomenti[1], "PNG")) {
        std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(argomenti[1]));
        return 1;
    }
    return 0;
}
