#pragma once
// The stored trips in short: what a list of them shows without opening one.
#include <QString>
#include <QVector>

class Database;

struct VoceElencoMete {
    QString codice;
    QString localita;
    QString nazione;
    QString dataInizio; // gg/mm/aaaa
    int tappe = 0;      // rows of its itinerary
};

// Every trip of the database, ordered by code. Only reads.
QVector<VoceElencoMete> ElencoMete(Database& db);
