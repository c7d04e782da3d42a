#pragma once
// The conversion of the earlier version's data files into the database:
// trips, their itineraries, the city guide, the rebuilt guide types and the
// adjustment of every trip, all in one transaction. The old files are
// deleted only once everything is committed.
#include <QString>
#include <QStringList>
#include <functional>

class Avanzamento;
class Database;

struct RiepilogoConversione {
    int meteConvertite = 0;
    int meteScartate = 0; // trip records passed over
    int tappeConvertite = 0;
    int tappeScartate = 0; // stage records passed over
    int vociGuida = 0;
    int meteAdeguate = 0;  // trips whose empty times or rests were filled
    int sosteNegative = 0; // stops and visit times with a minus sign, taken as none
    QString copiaDiSicurezza;
    QStringList fileLetti;         // paths of the old files read, in order
    QStringList fileNonCancellati; // read but still there afterwards
};

class ConversioneVecchiFile {
public:
    // cartella: where the old files lie.
    ConversioneVecchiFile(Database& db, const QString& cartella);

    // Progress of each step (caption, total, one unit per record).
    Avanzamento* avanzamento = nullptr;
    // What is being converted, for the trip screen: the locality of the
    // record, and the trip whose itinerary is being read (empty otherwise).
    std::function<void(const QString&)> mostraLocalita;
    std::function<void(const QString&)> mostraNazione;
    // A copy of the database file is kept beside it before anything is
    // written (a new, empty file needs none).
    bool copiaDiSicurezza = true;
    // False keeps the old files after a successful conversion.
    bool cancellaFile = true;

    // Throws ErroreConversione, naming the file and the reason, when an old
    // file cannot be read or the database cannot be written; the database
    // is then as it was and every old file is in place.
    RiepilogoConversione Esegui();

private:
    void ConverteMete();
    void ConverteItinerari();
    void ConverteGuida();
    void RicostruisceTipiGuida();
    void AdeguaMete();
    void CancellaFileLetti();
    void Mostra(const std::function<void(const QString&)>& dove, const QString& testo);

    Database& db_;
    QString cartella_;
    RiepilogoConversione riepilogo_;
};
