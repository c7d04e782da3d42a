#pragma once
// The timetable as values: its rows, the trip's totals, and the one place
// that turns them into the cells the grid, the timetable file, the printout
// and the command line show.
#include <QChar>
#include <QString>
#include <array>
#include <optional>

#include "model/ColonneTabella.h"

enum class TipoRigaMarcia : quint8 {
    Vuota,   // nothing: a row the grid keeps ahead of the table
    Tappa,   // a stage that neither drives nor stops: its number and locality
    Tratto,  // a stretch driven, to the locality or to a meal, a rest or the night
    Sosta,   // the stop at the stage's locality
    Voce,    // an entry of the locality's city guide
    Imbarco, // the wait at the port for a ferry that sails at its hour
};

enum class VisitaRiga : quint8 {
    Nessuna,
    Visita,       // "Visita"
    FineGiornata, // "Visita/f.g.": the day ends after it
    Traghetto,    // "Traghetto/Visita": a ferry stage's crossing and stop
};

// The latest time to go on (">") or to turn back ("<").
struct LimiteRiga {
    QChar Segno;
    float Giorno = 0; // day number
    float Ora = 0;    // hundredths of an hour
};

struct RigaMarcia {
    TipoRigaMarcia Tipo = TipoRigaMarcia::Vuota;
    int Tappa = 0;      // the stage it belongs to, 1 for the first
    QString Localita;   // the stage's locality; for a guide row, the entry's description
    bool Verso = false; // a stretch that stops short of the locality
    QString Strada;     // trimmed
    QString TipoStrada;
    int Km = 0;
    qint32 KmProgressivi = 0;
    float Tempo = 0; // driving time, hundredths of an hour
    // A stop row: the stop the pass began from, and the end-of-day mark.
    float Sosta = 0;
    bool FineGiornata = false;
    // A guide row: its visit "hh:mm" and its type's code (-1 for none).
    QString TempoVoce;
    int TipoVoce = -1;
    bool Chiuso = false;  // the entry cannot be visited while the stop lasts
    QString MotivoChiuso; // "chiuso il lunedì", "aperto dalle 09:00 alle 13:00"
    // The wait at the port: the ferry's departure, minutes from midnight; the
    // row's clock is the check-in.
    int Partenza = 0;
    bool NotteABordo = false; // a ferry's crossing spans the night
    // Day number and clock of the arrival (a stretch) or of the stop's end.
    float Giorno = 0;
    float Ora = 0;
    quint8 GiorniDiRiposo = 0; // rest days follow this row: "* " before its clock
    // What happened on arriving, in the order the note shows it.
    bool Riposo = false;
    qint16 MinutiRiposo = 0;
    bool Pranzo = false, Cena = false, Notte = false;
    VisitaRiga Visita = VisitaRiga::Nessuna;
    std::optional<LimiteRiga> Limite;
};

// The trip screen's totals after a calculation; a total the calculation did
// not reach stays unset (the screen keeps what it showed).
struct TotaliMarcia {
    std::array<std::optional<double>, 5> Km;   // "A", "S", "P", "L", overall
    std::array<std::optional<float>, 5> Tempo; // hundredths of an hour
    std::optional<int> Traghetti;
    std::optional<float> GiornoFine; // day number
    std::optional<float> OraFine;    // the last arrival that showed a clock
    std::optional<double> Giorni;
};

// The 14 cells of a row; numero is its place in the table (row 1 the first).
// tipiGuida names the guide types by code.
std::array<QString, ColonneMarcia> CelleRiga(const RigaMarcia& riga, int numero,
                                             const std::array<QString, 11>& tipiGuida);
QString TestoLimite(const LimiteRiga& limite);

// The totals as the trip screen's boxes show them; unset ones empty.
struct TestiTotali {
    std::array<std::optional<QString>, 5> Km, Tempo;
    std::optional<QString> Traghetti;
    std::array<std::optional<QString>, 6> Fine; // day, month, year, hour, minutes, weekday
    std::optional<QString> Giorni;
};
TestiTotali TestiDeiTotali(const TotaliMarcia& totali);
