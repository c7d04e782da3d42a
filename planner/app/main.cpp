#include <QApplication>
#include <QStandardPaths>

#include "app/FinestraViandora.h"
#include "app/PiattaformaQt.h"
#include "finestre/Traduzioni.h"
#include "shell/CartellaProgramma.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The same look on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Viandora"));
    QApplication::setOrganizationName(QStringLiteral("Viandora"));
    CaricaTraduzioniQt(app);
    // The installed desktop entry, whose icon the desktop shows for the window.
    QApplication::setDesktopFileName(QStringLiteral("org.viandora.Viandora"));

    PiattaformaQt piattaforma;
    QString avviso;
    const QString cartella =
        ScegliCartellaProgramma(QApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), &avviso);
    if (cartella.isEmpty()) {
        piattaforma.MsgBox(
            avviso.isEmpty()
                ? QStringLiteral("Impossibile trovare una cartella scrivibile per i dati del programma.")
                : avviso,
            Msg::OkOnly | Msg::Critical, QStringLiteral("Viandora"));
        return 1;
    }
    if (!avviso.isEmpty())
        piattaforma.MsgBox(avviso, Msg::OkOnly | Msg::Information, QStringLiteral("Viandora"));

    FormViandora form(piattaforma, cartella);
    if (!form.Form_Load()) return 1;
    FinestraViandora finestra(form);
    piattaforma.ImpostaFinestra(&finestra);
    finestra.Aggiorna();
    finestra.Centra();
    finestra.show();
    return app.exec();
}
