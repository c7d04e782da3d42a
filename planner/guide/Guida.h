#pragma once
// The city guide's state: whether its list is on the stage grid, and the
// guide types read from the database.
#include <QString>
#include <array>

struct StatoGuida {
    // The guide list is on the stage grid.
    bool ModoGuida = false;
    // Guide types by numeric code, 1..10 (0 unused).
    std::array<QString, 11> DescrizioneTipoGuida;
    std::array<bool, 11> TempoObbligatorioTipoGuida{};
};
