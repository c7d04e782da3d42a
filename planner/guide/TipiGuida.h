#pragma once
// The guide's types as a new database gets them.
class Database;

// Adds the default guide types when "TipoGuida" is empty; true when it did.
bool ScriviTipiGuidaDefault(Database& db);

#include <QString>
#include <array>

// The guide types by code 1..10 (0 and codes without a type stay empty).
struct TipiGuidaLetti {
    std::array<QString, 11> Descrizione;
    std::array<bool, 11> TempoObbligatorio{};
};
TipiGuidaLetti LeggiTipiGuida(Database& db);
