#pragma once
// The printouts' state: the controls of the print panels and what the
// printing procedures share while a print runs.
#include <array>
#include <deque>
#include <memory>

#include "common/PaginaStampa.h"
#include "shell/Controlli.h"

struct StatoStampa {
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
};

// The entry of the printer list that prints to a PDF file.
inline const QString VoceFilePdf = QStringLiteral("File PDF");
