#pragma once
// The columns of the timetable on the main grid.
enum ColonnaMarcia : int {
    MarciaNumero = 0,
    MarciaLocalita = 1,
    MarciaStrada = 2,
    MarciaKm = 3,
    MarciaTipoStrada = 4,
    MarciaKmProgressivi = 5,
    MarciaTempo = 6, // driving time of the row, "hh:mm"
    MarciaSosta = 7,
    MarciaGuida = 8,
    MarciaGiornoSettimana = 9,
    MarciaData = 10,
    MarciaOra = 11,
    MarciaNote = 12,
    MarciaLimite = 13, // the return limit, ">" or "<"
    ColonneMarcia = 14,
};
