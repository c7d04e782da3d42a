#pragma once
// The logbook printer's window module: its controls as plain state, the
// state its procedures share, and the event handlers.
#include <QString>
#include <memory>

#include "core/ControlliTaccuvo.h"
#include "core/PiattaformaTaccuvo.h"
#include "core/RigaComando.h"

namespace Taccuvo {

class FormTaccuvo {
public:
    // versione: the program's name and version as shown and printed.
    FormTaccuvo(Piattaforma& piattaforma, const QString& versione);

    // ---- the window -------------------------------------------------------
    QString Caption = QStringLiteral("Stampa moduli per  'Diario di Bordo'");
    int Height = 4000; // twips

    Cornice frmLocalita, frmPeriodo, frmBianco, frmSelStampa;
    CasellaTesto txtLocalita;
    Etichetta lblDal, lblAl, lblCopie, lblVersione;
    Elenco cmbg1, cmbm1, cmba1, cmbg2, cmbm2, cmba2, cmbCopie;
    CasellaSpunta chkBianco;
    Pulsante cmdStampa, cmdAnnulla, cmdFine, cmdHelp;
    Lista lstStampanti;
    Pulsante cmdSelStampante[2];
    Barra txtFondo; // the progress bar, with txtSopra as its filled part

    // ---- shared state -----------------------------------------------------
    QString ParametriAvvio;
    bool StampaAnnullata = false;
    bool ModuliCompilati = true;
    bool Stampando = false;
    // Where StampaModuli prints: a printer by name, or a PDF file.
    QString StampanteScelta;
    QString FilePdf;
    // The exit code when the program ends by itself.
    int CodiceUscita = 0;
    // Started with arguments: why they give no period to print (a date
    // missing or impossible); empty when they do.
    QString ErrorePeriodo;

    // ---- procedures and handlers ------------------------------------------
    // Sets the window up; with a command line fills and locks the fields and
    // prints at once. filePdf: where to print instead of the default printer.
    void form_load(const QString& parametriAvvio = {}, const QString& filePdf = {});
    void StampaVisibile();
    void chkBianco_Click();
    void cmbM1_Click();
    void cmbM2_Click();
    void cmbG1_Click() { StampaVisibile(); }
    void cmbG2_Click() { StampaVisibile(); }
    void cmbA1_Click();
    void cmbA2_Click();
    // Key filters: give the character to insert, 0 to discard it.
    int txtLocalita_KeyPress(int KeyAscii);
    int cmbData_KeyPress(int) { return 0; }
    int cmbCopie_KeyPress(int) { return 0; }
    // The destination's text changed otherwise (pasted): kept in upper case.
    void txtLocalita_Change(const QString& testo);
    void StatoStampa(int Corr, int Totale);
    void DimensionafrmBase(bool flag);
    void cmdStampa_Click();
    void cmdSelStampante_Click(int Index);
    void cmdAnnulla_Click();
    void cmdFine_Click();
    void cmdHelp_Click();
    void StampaModuli();

    // The name proposed for a PDF of this logbook.
    QString NomePdf() const;
    static QString TestoAiuto();
    static const QString VocePdf; // "File PDF", after the installed printers

private:
    void GiorniDelMese(Elenco& giorni, const Elenco& mese, const Elenco& anno);
    void ImpostaData(Elenco& g, Elenco& m, Elenco& a, const DataAvvio& data);
    QString DataInizio() const; // ggmmaaaa
    QString DataFine() const;
    Documento ApriDocumento(QString& errore);
    void ScriviSegnale();
    void Messaggio(const QString& testo);

    Piattaforma& piattaforma_;
    QString versione_;
};

} // namespace Taccuvo
