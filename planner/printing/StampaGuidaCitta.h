#pragma once
// The city-guide printout: the localities with guide entries, either their
// names five to a row or every entry with its type and time; all localities,
// or those of one trip's itinerary.
#include <QString>
#include <array>
#include <functional>

#include "printing/PaginaTabellare.h"

class Avanzamento;
class Database;

struct OpzioniGuida {
    // The trip whose localities are printed; empty: every locality.
    QString CodiceMeta;
    QString LocalitaMeta;  // its destination, for the title
    bool Dettaglio = true; // every entry, or the names only
    std::array<QString, 11> TipiGuida;
};

// Draws the pages; false when no locality has an entry (nothing was drawn).
// The document stays open for the caller to end or discard.
bool DisegnaGuidaCitta(PaginaTabellare& s, Database& db, const OpzioniGuida& opzioni,
                       Avanzamento* avanzamento = nullptr,
                       const std::function<void(int pagina)>& pagina = {});
