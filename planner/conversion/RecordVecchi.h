#pragma once
// The records of the earlier version's files and what each one becomes in
// the database.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <array>
#include <optional>

constexpr int LunghezzaSlotMete = 128;      // "VianMete.dat"
constexpr int LunghezzaSlotItinerario = 64; // "vian" + last four characters of the trip code + ".dat"
constexpr int LunghezzaSlotGuida = 128;     // "VianGuid.dat"

extern const QString FileMeteVecchio;
extern const QString FileGuidaVecchio;

// A field of an old record and the field of the database it goes to.
struct CampoVecchio {
    const char* destinazione;
    int offset;
    int larghezza;
};

// The 21 fields of a trip record, in order; field 15 is the trip number.
extern const std::array<CampoVecchio, 21> CampiMetaVecchia;
constexpr int CampoNumeroMeta = 14; // index of the trip number in CampiMetaVecchia

// A trip record to convert: its six-digit code and the other 20 fields by
// target field name.
struct MetaVecchia {
    QString codice;
    QList<QPair<QString, QString>> campi;
};
// Empty when the record is passed over: trip number not above 0, or a
// destination that is blank or begins with "..".
std::optional<MetaVecchia> MetaDaRecord(const QByteArray& record);

// The file of a trip's itinerary: "vian", the last four characters of the
// code, ".dat".
QString FileItinerarioVecchio(const QString& codiceMeta);

// The stage count of an itinerary's header record: the second count when
// both agree, otherwise 0.
int TappeIntestazione(const QByteArray& record);

struct TappaVecchia {
    QString localita;   // trailing blanks dropped
    QString chilometri; // the field as it stands
    QString strada;     // road name and one blank
    QString tipo;
    QString sosta;              // "gg:hh:mm", or one blank when there is none
    bool sostaNegativa = false; // written with a minus sign: taken as none
};
// Empty when the stage is passed over: a locality that is blank or does not
// begin with a capital letter A to Z.
std::optional<TappaVecchia> TappaDaRecord(const QByteArray& record);
// The sequence of the stage in record r (r >= 2): "0001" for record 2.
QString SequenzaTappa(qint64 r);

struct VoceGuidaVecchia {
    QString localita;    // trailing blanks dropped
    QString codice;      // two characters
    QString descrizione; // trailing blanks dropped
    QString tempo;       // "hh:mm"
    QString visto;
    bool tempoNegativo = false; // written with a minus sign: taken as 00:00
};
VoceGuidaVecchia VoceDaRecord(const QByteArray& record);

// The text without its trailing blanks.
QString SenzaBlanchiFinali(const QString& testo);
