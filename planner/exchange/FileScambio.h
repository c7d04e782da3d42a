#pragma once
// The trip exchange file (".iei"): Windows-1252 text, CR LF line ends, three
// sections in a fixed order (trips, stages, city guide), each a header line of
// field names followed by one line per record. Every field, the last one
// included, is followed by its section's separator; nothing is quoted.
#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <optional>

enum SezioneScambioNumero { SezMete = 0, SezItinerari = 1, SezGuida = 2 };
constexpr int NumeroSezioniScambio = 3;

// The separators of the three sections: the characters 255, 254 and 253.
constexpr std::array<char16_t, NumeroSezioniScambio> SeparatoriScambio = {0x00FF, 0x00FE, 0x00FD};

// The table each section carries.
extern const std::array<const char*, NumeroSezioniScambio> TabelleScambio;

// Longest line accepted: far more than any record of the tables, small enough
// that a damaged file cannot make the reader hold one huge value.
constexpr qsizetype LunghezzaMassimaRigaScambio = 65536;

struct SezioneScambio {
    bool presente = false;
    QStringList campi; // the header's field names, as written
    // Kept only when the whole file is read into memory (AnalizzaFileScambio):
    QVector<QStringList> record; // each with as many values as campi
    QVector<int> righe;          // the file line of each record, from 1

    // Column of a field, by name with letter case ignored.
    std::optional<int> Colonna(const QString& campo) const;
};

struct ContenutoScambio {
    std::array<SezioneScambio, NumeroSezioniScambio> sezioni;

    // The trips of the file, in file order: column values of the trips
    // section.
    struct Meta {
        QString codice, localita, nazione;
    };
    const QVector<Meta>& Mete() const { return mete; }
    QVector<Meta> mete;
};

struct EsitoScambio {
    enum Stato { Valido, SenzaMete, Malformato };
    Stato stato = Valido;
    QString motivo; // for Malformato: what is wrong, and on which line
};

// Each record of a section, handed on as it is read (the section's header is
// in the content by then).
using RecordScambio = std::function<void(int sezione, const QStringList& valori)>;

// Reads the bytes of an exchange file, all of them, keeping every record: the
// content is usable only when the whole file is well formed. A file without
// a trips section or without a trip is SenzaMete. avanzamento, when given, is
// called after each line with the characters read so far.
EsitoScambio AnalizzaFileScambio(const QByteArray& byte, ContenutoScambio& contenuto,
                                 const std::function<void(qint64)>& avanzamento = {});

// The same for a file on disk, read a line at a time: the content keeps the
// headers and the trips' codes, localities and nations, not the records,
// which go to record (when given) as they are read, so that a file of any
// size takes little memory. An empty text when the file can be used,
// otherwise the message for the user, naming the file; records handed on
// before a fault further on are then not to be used.
QString LeggiFileScambio(const QString& percorso, ContenutoScambio& contenuto,
                         const std::function<void(qint64 letti, qint64 totale)>& avanzamento = {},
                         const RecordScambio& record = {});

// The message for a file that holds no trips section or no trip.
QString MessaggioSenzaMete(const QString& percorso);

// A value as the file may carry it: the three separators and line-breaking
// control characters cannot be written, so ý and ÿ become y, þ becomes th
// (and, so that a name keeps one spelling whatever its letter case, Ý and Ÿ
// become Y and Þ TH, or Th before a small letter) and a control character
// other than tab a blank; a character that Windows-1252
// does not hold becomes "?"; then trimmed. cambiato tells whether anything
// but the trimming changed the value.
QString ValorePerFileScambio(const QString& valore, bool& cambiato);

// One line: each value followed by the separator.
QString RigaScambio(const QStringList& valori, int sezione);
