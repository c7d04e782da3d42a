// The print commands of the trip screen, the options panel and the choice
// of the printer.
#include <QDir>
#include <QFileInfo>

#include "common/FileOrdinario.h"
#include "printing/Stampa.h"
#include "shell/FinestraComune.h"
#include "shell/Itinerario.h"
#include "trip/Veicolo.h"

namespace {
const QString TitoloStampa = QStringLiteral("Stampa");
} // namespace

void ControlloreStampa::cmdStampa_Click() {
    finestra_.OffriComandi(QStringLiteral("zz"));
    if (!finestra_.StatoGriglia().TabellaCalcolata) {
        finestra_.StatoGriglia().AttivitaCorrente = StatoItinerario::Attivita::Stampa;
        finestra_.CalcolaTabellaDiMarcia();
        finestra_.StatoGriglia().AttivitaCorrente = StatoItinerario::Attivita::Nessuna;
        if (!finestra_.StatoGriglia().TabellaCalcolata) {
            // Stopped or failed: the calculation has given the commands back.
            return;
        }
    }
    FileTabella = finestra_.Cartella() + QStringLiteral("Viantabl.txt");
    txtfileTabella.Text = QDir::toNativeSeparators(FileTabella);
    p_.frmStampa.Visible = true;
    TipoStampa = 1;
}

void ControlloreStampa::CmdEsegui_Click(int Index) {
    if (Index == 0) {
        // The summary's values are checked before a printer is chosen.
        Veicolo veicolo;
        if (chkRiepilogo.Value && !finestra_.VeicoloSchermo(veicolo)) return;
        p_.frmSelStampa.Move(5300, 3120, 3375, 3855);
        VisualizzaListaStampanti();
        return;
    }
    p_.frmStampa.Visible = false;
    finestra_.OffriComandi(QStringLiteral("all"));
}

void ControlloreStampa::VisualizzaListaStampanti() {
    ListaVoci& lista = lstStampanti;
    lista.Clear();
    const QStringList stampanti = finestra_.Sistema().ElencoStampanti();
    for (const QString& nome : stampanti)
        lista.AddItem(nome);
    // Always there, so that a machine without printers still prints.
    lista.AddItem(VoceFilePdf);
    // Nothing chosen prints on the system's default printer: it is the one
    // offered.
    const qsizetype predefinita = stampanti.indexOf(finestra_.Sistema().StampantePredefinita());
    lista.ListIndex = predefinita >= 0 ? int(predefinita) : 0;
    p_.frmSelStampa.Visible = true;
    p_.frmSelStampa.Enabled = true;
}

bool ControlloreStampa::ApriDispositivoStampa() {
    ControlloreStampa& s = *this;
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
            const QString meta = PerNomeFile(finestra_.LocalitaMeta());
            if (!meta.isEmpty()) cosa += QStringLiteral(" - ") + meta;
        }
        QString percorso = finestra_.Sistema().SalvaFileProposto(
            QStringLiteral("Stampa su file PDF"), QStringLiteral("File PDF (*.pdf)"),
            finestra_.Cartella() + cosa + QStringLiteral(".pdf"));
        if (percorso.isEmpty()) {
            s.PdfRinunciato = true;
            return false;
        }
        if (QFileInfo(percorso).suffix().isEmpty()) percorso += QStringLiteral(".pdf");
        s.Pagina = finestra_.Sistema().ApriPdf(percorso, titolo, errore);
    } else {
        // The first printer of the system's list with that device name; one
        // that has gone since the list was shown leaves the default printer.
        const QStringList stampanti = finestra_.Sistema().ElencoStampanti();
        if (!stampanti.contains(scelta)) {
            const QString predefinita = finestra_.Sistema().StampantePredefinita();
            if (stampanti.contains(predefinita)) scelta = predefinita;
        }
        if (stampanti.contains(scelta))
            s.Pagina = finestra_.Sistema().ApriStampante(scelta, titolo, errore);
        else
            errore = QStringLiteral("La stampante %1 non è più disponibile.").arg(scelta);
    }
    if (!s.Pagina) {
        finestra_.Sistema().MsgBox(errore, Msg::OkOnly | Msg::Exclamation, TitoloStampa);
        return false;
    }
    return true;
}

void ControlloreStampa::cmdSelStampante_Click(int Index) {
    ControlloreStampa& s = *this;
    // The guide screen gets its own commands back afterwards.
    const QString comandiGuida = finestra_.ComandiOfferti();
    finestra_.OffriComandi(QStringLiteral("vv"));
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
        p_.frmSelStampa.Visible = false;
        p_.frmGuida.Visible = false;
        if (s.TipoStampa == 1) {
            StampaDellItinerario();
        } else if (s.TipoStampa == 2) {
            StampaDelleMete();
            p_.frmGuidaStampa.Visible = false;
            p_.frmGuida.Visible = true;
            p_.frmGuida.Enabled = true;
        }
    } else {
        // Given up, or the guide's printer could not be opened: as "&Rinuncia".
        p_.frmSelStampa.Visible = false;
        p_.frmGuida.Enabled = true;
    }
    if (s.TipoStampa == 2) {
        finestra_.OffriComandi(comandiGuida);
    }
}
