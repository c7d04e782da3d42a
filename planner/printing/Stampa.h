#pragma once
// The printouts' state: the controls of the print panels and what the
// printing procedures share while a print runs.
#include <array>
#include <deque>
#include <memory>

#include "common/PaginaStampa.h"
#include "shell/Controlli.h"

struct StatoStampa {
    // ---- print state (millimetres) -----------------------------------------
    // The line being printed: text stands on it, a row's borders run from
    // RigaStampa - AltezzaRiga to RigaStampa. 800 and over: no page started.
    int RigaStampa = 900;
    int AltezzaRiga = 5;
    // Column boundaries; element 0 holds the top of the current page's body.
    std::array<int, 21> PosizioneColonna{};
    int UltimaPosizione = 0;
    // What the printer panel prints: 1 the timetable, 2 the city guide.
    int TipoStampa = 0;
    // Names-only guide: the next cell of the current row, from 1.
    int ColonnaLista = 1;
    // Where the printed locality of the current row ends.
    double FineLocalita = 0;
    // The document being printed, from the choice of the printer to its end.
    std::unique_ptr<PaginaStampa> Pagina;
    // The timetable's text file; empty: none is written.
    QString FileTabella;
    // The user gave up the PDF file's dialog: nothing is printed.
    bool PdfRinunciato = false;

    // ---- options panel of the timetable (frmStampa) -------------------------
    CasellaSpunta chkTabella, chkModuli;
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

// Prints a text in the cell between column boundaries i and j, kept inside
// the rules drawn 1 mm before each boundary (the page frame 2 mm before the
// first and on the last).
inline double StampaTestoNellaCella(StatoStampa& s, const QString& testo, double riga, double da, double a,
                                    bool grassetto, bool corsivo, double dimensione, int allineato, int i,
                                    int j) {
    const auto& pc = s.PosizioneColonna;
    const double sinistra = pc[i] - (i == 1 ? 2 : 1);
    const double destra = j >= s.UltimaPosizione ? pc[s.UltimaPosizione] : pc[j] - 1;
    return StampaTestoNelRiquadro(*s.Pagina, AdattamentoTesto::Taglia, testo, riga, da, a, grassetto, corsivo,
                                  dimensione, allineato, sinistra, destra);
}

// The entry of the printer list that prints to a PDF file.
inline const QString VoceFilePdf = QStringLiteral("File PDF");
