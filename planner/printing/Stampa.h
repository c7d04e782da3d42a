#pragma once
// The printouts from the window: the print commands, the options panels of
// the timetable and of the city guide, the choice of the printer, the
// timetable's text file and pages, the logbook printer, and what they share
// while a print runs.
#include <array>
#include <deque>
#include <memory>

#include "common/PaginaStampa.h"
#include "shell/Controlli.h"

class FinestraComune;

// The window's panels the printouts show and the status lines they write.
struct PannelliStampa {
    Pannello& frmStampa;        // the timetable's options
    Pannello& frmSelStampa;     // the printer list
    Pannello& frmGuidaStampa;   // the city guide's options
    Pannello& frmStampaInCorso; // the wait while the logbook printer starts
    Pannello& frmGuida;         // the city guide's entry panel
    Pannello& frmBottoni;       // the command panel
    Etichetta& lblElaborazione;
    Etichetta& lblStampaInCorso;
};

class ControlloreStampa {
public:
    ControlloreStampa(FinestraComune& finestra, const PannelliStampa& pannelli)
        : finestra_(finestra), p_(pannelli) {}
    // The panels' controls, registered on them, and their handlers.
    void CreaPannelli();
    void CollegaEventi();

    // What the printer panel prints: 1 the timetable, 2 the city guide.
    int TipoStampa = 0;
    // The document being printed, from the choice of the printer to its end.
    std::unique_ptr<PaginaStampa> Pagina;
    // The timetable's text file; empty: none is written.
    QString FileTabella;
    // The user gave up the PDF file's dialog: nothing is printed.
    bool PdfRinunciato = false;

    // ---- options panel of the timetable (frmStampa) -------------------------
    // chkRiepilogo: the day-by-day summary with its costs after the timetable.
    CasellaSpunta chkTabella, chkRiepilogo, chkModuli;
    CasellaTesto txtStampasuFile, txtfileTabella;
    std::deque<Pulsante> CmdEsegui; // 0 print, 1 give up

    // ---- printer panel (frmSelStampa) -----------------------------------------
    ListaVoci lstStampanti;
    std::deque<Pulsante> cmdSelStampante; // 0 print, 1 give up

    // ---- city guide: command and options panel (frmGuidaStampa) --------------
    Pulsante cmdStampaGuidaCitta;
    Pannello fraGuidaLista, fraGuidaDettaglio;
    std::deque<Opzione> optGuidaListaStampa;     // 0 the trip's localities, 1 all
    std::deque<Opzione> optGuidaDettaglioStampa; // 0 every entry, 1 names only
    std::deque<Pulsante> cmdStampaGuida;         // 0 print, 1 give up

    // ---- wait panel while the logbook printer starts ---------------------------
    Etichetta lblStampaInCorsoAttesa;

    void cmdStampa_Click();
    void CmdEsegui_Click(int Index);
    void cmdSelStampante_Click(int Index);
    void cmdStampaGuidaCitta_Click();
    void cmdStampaGuida_Click(int Index);
    void optGuidaStampa_Click(std::deque<Opzione>& gruppo, int Index);
    // The timetable: text file, printout, logbook printer, report. False
    // when something asked for failed (the messages say what).
    bool StampaDellItinerario();

private:
    // Fills the printer list (the installed printers, then "File PDF") and
    // shows the printer panel.
    void VisualizzaListaStampanti();
    // Opens the document on the printer chosen in the list, asking for the
    // file when it is "File PDF"; false when nothing is to be printed.
    bool ApriDispositivoStampa();
    // Starts the logbook printer for the trip's period; false, with a
    // message, when it cannot be started.
    bool AvviaTaccuvo();
    // The city guide; false when the document could not be completed.
    bool StampaDelleMete();

    FinestraComune& finestra_;
    PannelliStampa p_;
};

// The entry of the printer list that prints to a PDF file.
inline const QString VoceFilePdf = QStringLiteral("File PDF");
