#pragma once
// The tables of the planner's database file, described as data.
#include <QList>
#include <QString>
#include <array>

enum TabellaNumero {
    TabMete = 1,         // "MeteViandora"
    TabItinerari = 2,    // "Itinerari"
    TabGuida = 3,        // "GuidaCitta"
    TabTipoGuida = 4,    // "TipoGuida"
    TabMetaCorrente = 5, // "MetaCorrente"
    TabParametri = 6,    // "Parametri"
    // Tables of data beyond the original six, which files of earlier builds
    // lack and get at their next start.
    TabVeicoli = 7,     // "VeicoliMete": the vehicle and costs of each trip; no code: the defaults
    TabTraghetti = 8,   // "TraghettiTappe": the departures of a trip's ferries
    TabNotti = 9,       // "NottiPrenotate": nights booked at a trip's stages
    TabOrariGuida = 10, // "OrariGuida": the days and hours a guide entry is open
};
// The last table of the schema.
constexpr int TabUltima = TabOrariGuida;

enum class TipoCampo { Testo, SiNo, Binario, Data, Intero, Singola, Doppia };

struct SpecificaCampo {
    QString nome;
    TipoCampo tipo = TipoCampo::Testo;
    int dimensione = 0; // characters, text fields only
};

// Table names, field lists ("Name[T=6],Other[Y]") and index lists
// ("CodiceMeta,Sequenza,Localita"), indexed 1..TabUltima; 0 and the rest stay empty.
struct SchemaDatabase {
    std::array<QString, 11> NomeTabella;
    std::array<QString, 11> StrutturaTabella;
    std::array<QString, 11> IndiciTabella;
    // Fields indexed only on the rows where they are not "0": marks that few
    // rows carry at a time, found without reading the whole table.
    std::array<QString, 11> IndiciSegnati;
};

SchemaDatabase SchemaViandora();

// Parses a field list: each entry has the name before "[", the type letter after
// it, for "T" the size between "=" and "]".
QList<SpecificaCampo> AnalizzaStruttura(const QString& struttura);

constexpr const char* NomeFileDatabase = "ViandoraQuintora.mdb";
