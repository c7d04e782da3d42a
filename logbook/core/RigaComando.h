#pragma once
// The command line of the logbook printer: options, then the argument text
// destination "," start date "," end date, dates as dd/mm/yyyy.
#include <QString>
#include <QStringList>

namespace Taccuvo {

struct Argomenti {
    bool Aiuto = false;
    QString FilePdf;        // --pdf FILE: print into that file
    QString ParametriAvvio; // the remaining arguments joined by single blanks
    QString Errore;         // an option not understood; empty when all is well
};

// The arguments after the program's name. A shell splits a destination
// with blanks into several arguments: they are joined again with one
// blank. An argument holding a comma is never an option.
Argomenti LeggiArgomenti(const QStringList& argomenti);

// What to print, read from ParametriAvvio. A date that is missing or not a
// real day between 1901 and 2099 is left out (its Valida is false).
struct DataAvvio {
    bool Valida = false;
    int Giorno = 0, Mese = 0, Anno = 0;
};
struct ParametriStampa {
    QString Destinazione;
    DataAvvio Inizio, Fine;
    // Why the text gives no period to print (no comma, a date missing or
    // impossible); empty when both dates are real days.
    QString Errore;
};
ParametriStampa SeparaParametriAvvio(const QString& ParametriAvvio);
// The destination as printed: no control characters, no blanks at its ends,
// at most LunghezzaMassimaDestinazione characters.
QString PulisciDestinazione(const QString& testo);
DataAvvio LeggiData(const QString& testo);

// The longest destination printed; a longer one is cut there.
constexpr int LunghezzaMassimaDestinazione = 100;

QString UsoTaccuvo();

} // namespace Taccuvo
