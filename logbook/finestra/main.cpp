// Taccuvo, the logbook printer. Without arguments it opens its window;
// with "DESTINAZIONE,GG/MM/AAAA,GG/MM/AAAA" it prints at once and ends.
#include <QApplication>
#include <QLineEdit>
#include <cstdio>

#include "core/FormTaccuvo.h"
#include "finestra/FinestraTaccuvo.h"
#include "finestra/PiattaformaTaccuvoQt.h"
#include "finestre/Traduzioni.h"

using namespace Taccuvo;

int main(int argc, char* argv[]) {
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti.append(QString::fromLocal8Bit(argv[i]));
    const Argomenti a = LeggiArgomenti(argomenti);
    if (a.Aiuto) {
        std::fputs(UsoTaccuvo().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!a.Errore.isEmpty()) {
        std::fprintf(stderr, "Taccuvo: %s\nPer l'aiuto: Taccuvo --help\n",
                     a.Errore.toLocal8Bit().constData());
        return 2;
    }
    // Started with arguments from a shell without a desktop, it still prints.
    if (!a.ParametriAvvio.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Qt sees only the program's name: a destination word is never one of
    // its own options.
    int argcQt = 1;
    QApplication app(argcQt, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Taccuvo"));
    CaricaTraduzioniQt(app);
    QApplication::setDesktopFileName(QStringLiteral("org.viandora.Taccuvo"));

    PiattaformaQt piattaforma;
    FormTaccuvo form(piattaforma, QStringLiteral("Taccuvo " TACCUVO_VERSIONE));
    FinestraTaccuvo finestra(form);
    piattaforma.ImpostaFinestra(&finestra);
    piattaforma.ImpostaRidisegno([&finestra] { finestra.Aggiorna(); });
    finestra.Centra();
    finestra.show();
    form.form_load(a.ParametriAvvio, a.FilePdf);
    if (piattaforma.Terminato()) return piattaforma.CodiceUscita();
    finestra.Aggiorna();
    finestra.Localita()->setFocus();
    return app.exec();
}
