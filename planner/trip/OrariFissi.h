#pragma once
// The fixed times of a trip, kept in tables of their own beside the stages
// and the guide: a ferry's departures, a night booked at a stage, the days
// and hours a guide entry can be visited. A stage's data are found by its
// number and locality, or by its locality alone once the stages have moved.
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "model/Tappa.h"
#include "model/VoceGuida.h"

class Database;

struct TraghettoTappa {
    int Sequenza = 0; // the stage's number, from 1
    QString Localita;
    OrariTraghetto Orari;
};

struct NottePrenotata {
    int Sequenza = 0;
    QString Localita;
    QString Data; // ggmmaaaa
};

struct OrariVoce {
    quint8 Chiuso = 0;
    std::optional<int> Dalle, Alle;
    bool Vuoti() const { return Chiuso == 0 && !Dalle && !Alle; }
};

// A stored date ggmmaaaa that the day numbers can hold.
bool DataPrenotabile(const QString& data);
// "hh:mm" of a crossing, up to 99 hours; nullopt when it is none.
std::optional<int> MinutiDurata(const QString& testo);
// "08:00,22:00" as minutes from midnight in order, each once; nullopt when
// a time is no time of a day or there is none.
std::optional<QList<int>> PartenzeDaTesto(const QString& testo);
QString TestoPartenze(const QList<int>& partenze);
// Why the values cannot be used, empty when they can.
QString ErroreOrariTraghetto(const OrariTraghetto& orari);
QString ErroreOrariVoce(const OrariVoce& orari);

// The stored texts of the values (partenze, giorni, durata, anticipo, costo;
// chiuso, dalle, alle), and back: nullopt when they cannot be used.
QStringList TestiTraghetto(const OrariTraghetto& orari);
std::optional<OrariTraghetto> TraghettoDaTesti(const QStringList& testi);
QStringList TestiOrariVoce(const OrariVoce& orari);
std::optional<OrariVoce> OrariVoceDaTesti(const QStringList& testi);

// A ferry's values as typed: departures "hh:mm,...", days "lun,...",
// duration "hh:mm", check-in in minutes, cost in €; nullopt: not given.
struct TestiOrariTraghetto {
    std::optional<QString> Partenze, Giorni, Durata, Anticipo, Costo;
};
enum class CampoTraghetto { Nessuno, Partenze, Giorni, Durata, Anticipo, Costo };
struct EsitoOrariTraghetto {
    QString Errore;                                 // empty when the values were set
    CampoTraghetto Campo = CampoTraghetto::Nessuno; // the value it is about
    bool Malformato = false;                        // a text that is no value of its kind
};
// Sets the values given on orari (an empty cost clears it; any other value
// not given stays as it is) and checks the whole; on a failure orari is
// left unchanged.
EsitoOrariTraghetto ImpostaOrariTraghetto(OrariTraghetto& orari, const TestiOrariTraghetto& testi);

QList<TraghettoTappa> LeggiTraghetti(Database& db, const QString& codiceMeta);
// Stores, or with nullopt forgets, a stage's departures.
void ScriviTraghetto(Database& db, const QString& codiceMeta, int sequenza, const QString& localita,
                     const std::optional<OrariTraghetto>& orari);
QList<NottePrenotata> LeggiNottiPrenotate(Database& db, const QString& codiceMeta);
// An empty date forgets the booking.
void ScriviNottePrenotata(Database& db, const QString& codiceMeta, int sequenza, const QString& localita,
                          const QString& data);

// The hours of the guide's entries at the localities that match the pattern
// (LikeTesto), set on the entries they belong to.
void AggiungiOrariGuida(Database& db, const QString& modelloLocalita, QList<VoceGuida>& voci);
// Every entry's hours that can be used: locality, description, hours.
void LeggiTuttiOrariGuida(Database& db,
                          const std::function<void(const QString&, const QString&, const OrariVoce&)>& voce);
OrariVoce LeggiOrariVoce(Database& db, const QString& localita, const QString& descrizione);
// Empty hours forget them.
void ScriviOrariVoce(Database& db, const QString& localita, const QString& descrizione,
                     const OrariVoce& orari);

// The columns that carry these data in an exchange file, after a section's
// own fields: a stage's ferry and booked night, a guide entry's hours.
extern const QStringList ColonneTappaScambio; // Partenze, Giorni, Durata, Anticipo, Costo, NottePrenotata
extern const QStringList ColonneVoceScambio;  // Chiuso, Dalle, Alle
// A stage's values for those columns; all empty when it has none.
QStringList TestiTappaScambio(const Tappa& tappa);

// Sets the stored departures and bookings of the trip on its stages, in the
// order a calculation reads them (stage k has number k + 1).
void AttaccaOrariFissi(Database& db, const QString& codiceMeta, QList<Tappa>& tappe);
// Forgets the trip's departures and bookings, as when the trip is deleted.
void CancellaOrariFissi(Database& db, const QString& codiceMeta);
