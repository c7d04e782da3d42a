#pragma once
// What a ruled printout (the timetable, the city guide) keeps while it runs:
// the line being printed, the column boundaries, and the page's footer.
#include <QDate>
#include <QString>
#include <array>

#include "common/PaginaStampa.h"

struct PaginaTabellare {
    explicit PaginaTabellare(PaginaStampa& pagina) : Pagina(pagina) {}
    PaginaStampa& Pagina;
    // The line being printed: text stands on it, a row's borders run from
    // RigaStampa - AltezzaRiga to RigaStampa. 800 and over: no page started.
    int RigaStampa = 900;
    int AltezzaRiga = 5;
    // Column boundaries; element 0 holds the top of the current page's body.
    std::array<int, 21> PosizioneColonna{};
    int UltimaPosizione = 0;
    // Names-only guide: the next cell of the current row, from 1.
    int ColonnaLista = 1;
    // Where the printed locality of the current row ends.
    double FineLocalita = 0;
    // The footer: the day of printing and the program's name.
    QDate Oggi;
};

// The program's name, as the window's title and the printouts' footers show it.
inline const QString TitoloProgramma = QStringLiteral("Quintora 2.00 - 2005");
inline const QString CarattereTabelle = QStringLiteral("Times new roman");
inline constexpr quint32 VerdeChiaro = 0xC0FFC0;
inline const QString LogoStampa = QStringLiteral(":/stampa/logo.png");

// Prints a text in the cell between column boundaries i and j, kept inside
// the rules drawn 1 mm before each boundary (the page frame 2 mm before the
// first and on the last).
double StampaTestoNellaCella(PaginaTabellare& s, const QString& testo, double riga, double da, double a,
                             bool grassetto, bool corsivo, double dimensione, int allineato, int i, int j);
// The footer, the frame of the page's body, and a new page; nothing before
// the first page.
void StampaFinePagina(PaginaTabellare& s);
