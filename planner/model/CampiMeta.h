#pragma once
// Where the trip screen's parameters are stored: the fields of "MeteViandora"
// and "Parametri" behind the hour/minute pairs, the speeds and the rests.
#include <array>

// cmbOra/cmbMin(k), k = 0..8.
inline constexpr std::array<const char*, 9> CampiOrari = {"OraColazione", "OraPranzo",    "OraCena",
                                                          "OraNotte",     "DurataPranzo", "DurataCena",
                                                          "InizioVisita", "FineVisita",   "OreTraghetti"};

// cmbRipM, cmbRipH, cmbRipG, cmbRipGG: the short rests and the rest days.
inline constexpr std::array<const char*, 4> CampiRiposi = {"RiposoMinuti", "RiposoOre", "RiposoGiorno",
                                                           "RiposoDopoGiorni"};

// cmbMediaKm(k), k = 0..3.
inline constexpr std::array<const char*, 4> CampiVelocita = {"MediaAutostrada", "MediaSuperStrada",
                                                             "MediaPrincipale", "MediaLocale"};

// Built-in defaults, in the same orders.
inline constexpr std::array<const char*, 4> VelocitaDefault = {"75", "65", "50", "30"};
inline constexpr std::array<const char*, 9> OrariDefault = {"0900", "1230", "2000", "2230", "0230",
                                                            "0145", "0900", "1800", "0600"};
inline constexpr std::array<const char*, 4> RiposiDefault = {"15", "03", "01", "05"};
inline constexpr const char* CalcoloSosteDefault = "3";
