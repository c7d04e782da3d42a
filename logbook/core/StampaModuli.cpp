// Printing the logbook: the question, the document, the pages with their
// progress and the cancel button, the end-of-printing marker.
#include <QDir>
#include <QSaveFile>

#include "common/Date.h"
#include "common/FileOrdinario.h"
#include "core/FormTaccuvo.h"
#include "core/PagineDiario.h"

namespace Taccuvo {

namespace {
// Started with arguments nobody confirms the number of pages.
constexpr int GiorniMassimiSenzaDomanda = 366;
const QString TitoloStampa = QStringLiteral("Stampa dei moduli");
} // namespace

void FormTaccuvo::Messaggio(const QString& testo) {
    if (ParametriAvvio.isEmpty())
        piattaforma_.MsgBox(testo, Msg::OkOnly | Msg::Exclamation, TitoloStampa);
    else
        piattaforma_.Avviso(testo, TitoloStampa);
}

Documento FormTaccuvo::ApriDocumento(QString& errore) {
    if (!FilePdf.isEmpty()) return piattaforma_.ApriPdf(FilePdf, errore);
    if (!StampanteScelta.isEmpty()) return piattaforma_.ApriStampante(StampanteScelta, errore);
    const QString predefinita = piattaforma_.StampantePredefinita();
    if (!predefinita.isEmpty()) return piattaforma_.ApriStampante(predefinita, errore);
    // No printer on this system: the pages go to a PDF beside the marker.
    FilePdf = QDir::current().absoluteFilePath(NomePdf());
    Documento documento = piattaforma_.ApriPdf(FilePdf, errore);
    if (documento.Pagina) piattaforma_.Scrivi(FilePdf);
    return documento;
}

void FormTaccuvo::StampaModuli() {
    const bool conArgomenti = !ParametriAvvio.isEmpty();
    StampaAnnullata = false;
    CodiceUscita = 0;

    DatiDiario dati;
    const QString inizio = DataInizio();
    const QString fine = DataFine();
    dati.PrimoGiorno = Data2Giul(inizio);
    const int giorni = static_cast<int>(Data2Giul(fine) - dati.PrimoGiorno) + 1;
    dati.Periodo = Data2Data(inizio).left(5) + QStringLiteral(" - ") + Data2Data(fine);
    dati.Destinazione = txtLocalita.Text;
    dati.Versione = versione_;
    ModuliCompilati = !chkBianco.Value;
    dati.Compilati = ModuliCompilati;
    dati.Pagine = giorni;
    if (!ModuliCompilati) {
        dati.Pagine = qBound(1, cmbCopie.Text.toInt(), 99);
        dati.Destinazione = dati.Periodo = QStringLiteral("in bianco");
    }

    bool stampa = true;
    if (conArgomenti && !ErrorePeriodo.isEmpty()) {
        // Today's date in place of one that cannot be read would print a
        // period nobody asked for.
        Messaggio(ErrorePeriodo + QStringLiteral(": nessuna pagina stampata."));
        CodiceUscita = 1;
        stampa = false;
    } else if (ModuliCompilati && giorni < 1) {
        // An inverted period prints nothing, as the disabled button says.
        if (conArgomenti)
            piattaforma_.ScriviErrore(
                QStringLiteral("La data iniziale segue quella finale: nessuna pagina stampata."));
        CodiceUscita = 1;
        stampa = false;
    } else if (conArgomenti && giorni > GiorniMassimiSenzaDomanda) {
        Messaggio(
            QStringLiteral("Il periodo dal %1 al %2 conta %3 giorni: senza conferma si stampano al massimo "
                           "%4 pagine. Nessuna pagina stampata.")
                .arg(Data2Data(inizio), Data2Data(fine))
                .arg(giorni)
                .arg(GiorniMassimiSenzaDomanda));
        CodiceUscita = 1;
        stampa = false;
    } else if (conArgomenti) {
        cmdFine.Enabled = false;
    } else {
        const QString domanda =
            QStringList{QStringLiteral("Predisposizione per la stampa:"),
                        QString(),
                        QStringLiteral("Destinazione: . . ") + dati.Destinazione,
                        QStringLiteral("Periodo: . . . . . . . ") + dati.Periodo,
                        QStringLiteral("Pagine: . . . . . . . . ") + QString::number(dati.Pagine),
                        QString(),
                        QStringLiteral("Vuoi stampare i moduli per il diario di bordo?")}
                .join(QStringLiteral("\r\n"));
        stampa = piattaforma_.MsgBox(domanda, Msg::YesNo | Msg::Question, TitoloStampa) == Msg::Yes;
    }

    if (stampa) {
        QString errore;
        Documento documento = ApriDocumento(errore);
        if (!documento.Pagina) {
            Messaggio(errore);
            CodiceUscita = 1;
        } else {
            PaginaStampa& pagina = *documento.Pagina;
            dati.AltezzaStampabile = documento.AltezzaStampabile;
            pagina.FontName = QStringLiteral("Times new roman");
            Stampando = true;
            DimensionafrmBase(true);
            cmdAnnulla.Visible = true;
            cmdStampa.Visible = false;
            piattaforma_.ElaboraEventi();
            txtFondo.Text = QStringLiteral("Stampa dei Moduli in corso...");

            StampaCopertina(pagina, dati);
            for (int k = 1; k <= dati.Pagine; ++k) {
                StatoStampa(k, dati.Pagine);
                piattaforma_.ElaboraEventi();
                StampaPaginaGiorno(pagina, dati, k);
                if (StampaAnnullata) {
                    pagina.KillDoc();
                    break;
                }
                pagina.NewPage();
            }
            if (!StampaAnnullata && !pagina.EndDoc()) {
                Messaggio(pagina.Errore());
                CodiceUscita = 1;
            }
            Stampando = false;
        }
    }

    txtFondo.Text.clear();
    DimensionafrmBase(false);
    cmdAnnulla.Visible = false;
    cmdStampa.Visible = true;
    cmdFine.Enabled = true;
    ScriviSegnale();
    if (conArgomenti) piattaforma_.Termina(CodiceUscita);
}

void FormTaccuvo::ScriviSegnale() {
    // Whoever waits for the logbook looks for this file in the working folder.
    const QString percorso = QDir::current().absoluteFilePath(QStringLiteral("FineStampaQuintora.tmp"));
    QString errore;
    if (!ControllaFileDaScrivere(percorso, &errore)) {
        piattaforma_.ScriviErrore(errore);
        CodiceUscita = 1;
        return;
    }
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write("Fatto\r\n") != 7 || !file.commit()) {
        piattaforma_.ScriviErrore(QStringLiteral("Impossibile scrivere il file FineStampaQuintora.tmp: %1")
                                      .arg(file.errorString()));
        CodiceUscita = 1;
    }
}

} // namespace Taccuvo
