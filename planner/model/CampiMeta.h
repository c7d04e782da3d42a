#pragma once
// Where the trip screen's parameters are stored: the fields of "MeteViandora"
// and "Parametri" behind the hour/minute pairs, the speeds and the rests.
#include <array>

// cmbOra/cmbMin(k), k = 0..8.
inline constexpr std::array<const char*, 9> CampiOrari = {"OraColazione", "OraPranzo",    "OraCena",
                                                          "OraNotte",     "DurataPranzo", "DurataCena",
                                                          "InizioVisita", "FineVisita",   "OreTraghetti"};

// cmbMediaKm(k), k = 0..3.
inline constexpr std::array<const char*, 4> CampiVelocita = {"MediaAutostrada", "MediaSuperStrada",
                                                             "MediaPrincipale", "MediaLocale"};

// Built-in defaults, in the same orders.
inline constexpr std::array<const char*, 4> VelocitaDefault = {"75", "65", "50", "30"};
inline constexpr std::array<const char*, 9> OrariDefault = {"0900", "1230", "2000", "2230", "0230",
                                                            "0145", "0900", "1800", "0600"};
