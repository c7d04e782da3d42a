// The route-planner import of the stage editor: the refusal with stages
// present, the file choice and the stages read written into the grid.
#include <QFile>

#include "common/FileOrdinario.h"
#include "common/Numeri.h"
#include "itinerary/Itinerario.h"
#include "routeimport/LetturaPercorso.h"
#include "shell/FormViandora.h"

namespace {

const char* const TestoRifiuto = "Impossibile: sono presenti delle tappe!\r\n\r\n"
                                 "E' ammesso solo con itinerario vuoto.\r\n\r\n"
                                 "Se vuoi procedere con l'import da MapPoint,\r\n"
                                 "è necessario cancellare l'itinerario.";
const char* const TestoNonRiconosciuto = "Attenzione!\r\n\r\nFile non riconosciuto!\r\n\r\n"
                                         "Attualmente sono riconosciuti:\r\n. MapPoint\r\n. Autoroute 66\r\n"
                                         ". Route 2000-2001\r\n\r\n"
                                         "Contatta l'autore per l'eventuale abilitazione.";

// A route file is a few hundred kilobytes; anything far larger is no route.
constexpr qint64 DimensioneMassima = 64 * 1024 * 1024;

} // namespace

void FormViandora::cmdMapPoint_Click() {
    if (!mfgTab.TextMatrix(1, 1).trimmed().isEmpty()) {
        piattaforma_.MsgBox(QString::fromUtf8(TestoRifiuto), Msg::OkOnly | Msg::Exclamation, Caption);
        return;
    }
    const QString file =
        piattaforma_.ApriFile(QStringLiteral("Recepisce dati forniti da pacchetti commerciali"),
                              QStringLiteral("File Excel salvato in modalità testo (*.TXT *.txt)"));
    if (file.isEmpty()) return;
    frmInputBox.Enabled = false;
    try {
        CaricaDaPacchetto(file);
    } catch (...) {
        frmInputBox.Enabled = true;
        throw;
    }
    frmInputBox.Enabled = true;
}

bool FormViandora::CaricaDaPacchetto(const QString& file) {
    const QString titolo = QStringLiteral("Import da pacchetti commerciali");
    QString errore;
    if (!ControllaFileDaLeggere(file, &errore)) {
        piattaforma_.MsgBox(errore, Msg::OkOnly | Msg::Critical, titolo);
        return false;
    }
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() > DimensioneMassima) {
        piattaforma_.MsgBox(QStringLiteral("Impossibile leggere il file:\r\n") + file,
                            Msg::OkOnly | Msg::Critical, titolo);
        return false;
    }
    const QByteArray contenuto = f.readAll();
    f.close();

    LetturaPercorso lettura;
    switch (lettura.Leggi(contenuto)) {
    case LetturaPercorso::Esito::NonRiconosciuto:
        piattaforma_.MsgBox(QString::fromUtf8(TestoNonRiconosciuto), Msg::OkOnly | Msg::Exclamation, titolo);
        return false;
    case LetturaPercorso::Esito::DistanzaNonCredibile:
        piattaforma_.MsgBox(
            QStringLiteral("Impossibile: il file indica %1 km per arrivare a %2, una distanza non "
                           "credibile tra due località del percorso.")
                .arg(Formato(double(lettura.KmNonCredibili), QStringLiteral("#,##0")),
                     lettura.LocalitaNonCredibile),
            Msg::OkOnly | Msg::Exclamation, titolo);
        return false;
    case LetturaPercorso::Esito::TroppoLungo:
        piattaforma_.MsgBox(
            QStringLiteral("Impossibile: il percorso supera %1 tappe.").arg(LetturaPercorso::MassimoTappe),
            Msg::OkOnly | Msg::Exclamation, titolo);
        return false;
    case LetturaPercorso::Esito::Letto:
        break;
    }
    if (lettura.Tappe.isEmpty()) {
        piattaforma_.MsgBox(QStringLiteral("Nel file non è indicata alcuna località del percorso."),
                            Msg::OkOnly | Msg::Exclamation, titolo);
        return false;
    }

    // The itinerary is empty: the route fills it from its first row.
    Griglia& g = mfgTab;
    Itinerario.RigaCorrente = 1;
    for (const TappaPercorso& t : lettura.Tappe) {
        const int r = Itinerario.RigaCorrente;
        if (r >= g.Rows()) g.SetRows(r + 5);
        g.SetTextMatrix(r, 0, QString::number(r));
        g.SetTextMatrix(r, 1, t.Localita);
        g.SetTextMatrix(r, 2, t.Strada);
        g.SetTextMatrix(r, 3, QString::number(t.Km));
        g.SetTextMatrix(r, 4, t.TipoStrada);
        g.SetTextMatrix(r, 7, t.Sosta);
        ++Itinerario.RigaCorrente;
        if (Itinerario.RigaCorrente > g.Rows() - 2) g.SetRows(Itinerario.RigaCorrente + 5);
    }
    // The route shows from its start, its first stage chosen.
    Itinerario.RigaCorrente = 1;
    g.TopRow = 1;
    g.Modificata();

    CalcolaKmTempiItinerario();
    AggiornaNumeroRiga();
    ComandiMeta = QStringLiteral("ZZ");
    ComandiItinerario = QStringLiteral("all");
    AbilitaPulsantiComando();
    return true;
}
