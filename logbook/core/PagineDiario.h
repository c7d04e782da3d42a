#pragma once
// The pages of the logbook: a cover, then ruled day pages to be completed
// by hand during the journey, pre-filled with destination, period and day
// or left blank.
#include <QString>

#include "common/PaginaStampa.h"

namespace Taccuvo {

struct DatiDiario {
    bool Compilati = true; // false: blank pages, without destination, period or day
    QString Destinazione;
    QString Periodo;
    float PrimoGiorno = 0; // day number of the first page
    int Pagine = 1;        // number of day pages
    double AltezzaStampabile = 297;
    QString Versione; // name and version of the program
};

// Names of the vehicle checks printed on each page.
extern const QString ControlliMezzo[4];

// The bottom of the usable page.
inline double FondoPagina(const DatiDiario& d) {
    return d.AltezzaStampabile - 5;
}

// "Sa", "Do", "Lu", ... for a day number (a multiple of 7 is a Saturday).
QString LettereGiorno(float numeroGiorno);

// Draws the cover and ends its page.
void StampaCopertina(PaginaStampa& pagina, const DatiDiario& dati);
// Draws day page k (1..Pagine); the caller ends the page.
void StampaPaginaGiorno(PaginaStampa& pagina, const DatiDiario& dati, int k);

} // namespace Taccuvo
