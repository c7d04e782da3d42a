// The print commands of the trip screen, the options panel and the choice
// of the printer.
#include <QDir>
#include <QFileInfo>

#include "common/FileOrdinario.h"
#include "printing/Stampa.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/Veicolo.h"

namespace {
const QString TitoloStampa = QStringLiteral("Stampa");
} // namespace

void FormViandora::cmdStampa_Click() {
    ComandiMeta = QStringLiteral("zz");
    AbilitaPulsantiComando();
    if (!Itinerario.TabellaCalcolata) {
        Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Stampa;
        CalcolaTabellaDiMarcia();
        Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Nessuna;
        if (!Itinerario.TabellaCalcolata) {
            // Stopped or failed: the calculation has given the commands back.
            return;
        }
    }
    Stampa.FileTabella = CartellaProgramma + QStringLiteral("Viantabl.txt");
    Stampa.txtfileTabella.Text = QDir::toNativeSeparators(Stampa.FileTabella);
    frmStampa.Visible = true;
    Stampa.TipoStampa = 1;
}

void FormViandora::CmdEsegui_Click(int Index) {
    if (Index == 0) {
        // The summary's values are checked before a printer is chosen.
        Veicolo veicolo;
        if (Stampa.chkRiepilogo.Value && !VeicoloSchermo(veicolo)) return;
        frmSelStampa.Move(5300, 3120, 3375, 3855);
        VisualizzaListaStampanti();
        return;
    }
    frmStampa.Visible = false;
    ComandiMeta = QStringLiteral("all");
    AbilitaPulsantiComando();
}

void FormViandora::VisualizzaListaStampanti() {
    ListaVoci& lista = Stampa.lstStampanti;
    lista.Clear();
    const QStringList stampanti = piattaforma_.ElencoStampanti();
    for (const QString& nome : stampanti)
        lista.AddItem(nome);
    // Always there, so that a machine without printers still prints.
    lista.AddItem(VoceFilePdf);
    // Nothing chosen prints on the system's default printer: it is the one
    // offered.
    const qsizetype predefinita = stampanti.indexOf(piattaforma_.StampantePredefinita());
    lista.ListIndex = predefinita >= 0 ? int(predefinita) : 0;
    frmSelStampa.Visible = true;
    frmSelStampa.Enabled = true;
}

bool FormViandora::ApriDispositivoStampa() {
    StatoStampa& s = Stampa;
    s.Pagina.reset();
    s.PdfRinunciato = false;
    const bool guida = s.TipoStampa == 2;
    const QString titolo = guida ? QStringLiteral("Guida città") : QStringLiteral("Tabella di marcia");
    QString scelta = s.lstStampanti.Text();
    if (scelta.isEmpty()) scelta = s.lstStampanti.List(0);
    QString errore;
    if (scelta == VoceFilePdf) {
        QString cosa = titolo;
        if (!guida || s.optGuidaListaStampa[0].Value) {
            const QString meta = PerNomeFile(txtLocalita.Text);
            if (!meta.isEmpty()) cosa += QStringLiteral(" - ") + meta;
        }
        QString percorso = piattaforma_.SalvaFileProposto(QStringLiteral("Stampa su file PDF"),
                                                          QStringLiteral("File PDF (*.pdf)"),
                                                          CartellaProgramma + cosa + QStringLiteral(".pdf"));
        if (percorso.isEmpty()) {
            s.PdfRinunciato = true;
            return false;
        }
        if (QFileInfo(percorso).suffix().isEmpty()) percorso += QStringLiteral(".pdf");
        s.Pagina = piattaforma_.ApriPdf(percorso, titolo, errore);
    } else {
        // The first printer of the system's list with that device name; one
        // that has gone since the list was shown leaves the default printer.
        const QStringList stampanti = piattaforma_.ElencoStampanti();
        if (!stampanti.contains(scelta)) {
            const QString predefinita = piattaforma_.StampantePredefinita();
            if (stampanti.contains(predefinita)) scelta = predefinita;
        }
        if (stampanti.contains(scelta))
            s.Pagina = piattaforma_.ApriStampante(scelta, titolo, errore);
        else
            errore = QStringLiteral("La stampante %1 non è più disponibile.").arg(scelta);
    }
    if (!s.Pagina) {
        piattaforma_.MsgBox(errore, Msg::OkOnly | Msg::Exclamation, TitoloStampa);
        return false;
    }
    return true;
}

void FormViandora::cmdSelStampante_Click(int Index) {
    StatoStampa& s = Stampa;
    // The guide screen gets its own commands back afterwards.
    const QString comandiGuida = ComandiMeta;
    ComandiMeta = QStringLiteral("vv");
    AbilitaPulsantiComando();
    // Only what goes on pages needs a printer: the text file and the
    // logbook printer do without.
    const bool pagine =
        s.TipoStampa == 2 || (s.TipoStampa == 1 && (s.chkTabella.Value || s.chkRiepilogo.Value));
    // The document goes with the command, also when a failing database
    // abandons it: an unfinished one leaves nothing behind.
    struct Rilascia {
        std::unique_ptr<PaginaStampa>& pagina;
        ~Rilascia() { pagina.reset(); }
    } rilascia{s.Pagina};
    // The timetable's text file is written whenever the print goes ahead,
    // also when its pages cannot be printed (said by the message); giving
    // up the PDF's dialog gives up the print.
    bool procede = Index == 0;
    if (procede && pagine && !ApriDispositivoStampa()) procede = s.TipoStampa == 1 && !s.PdfRinunciato;
    if (procede) {
        frmSelStampa.Visible = false;
        frmGuida.Visible = false;
        if (s.TipoStampa == 1) {
            StampaDellItinerario();
        } else if (s.TipoStampa == 2) {
            StampaDelleMete();
            frmGuidaStampa.Visible = false;
            frmGuida.Visible = true;
            frmGuida.Enabled = true;
        }
    } else {
        // Given up, or the guide's printer could not be opened: as "&Rinuncia".
        frmSelStampa.Visible = false;
        frmGuida.Enabled = true;
    }
    if (s.TipoStampa == 2) {
        ComandiMeta = comandiGuida;
        AbilitaPulsantiComando();
    }
}
