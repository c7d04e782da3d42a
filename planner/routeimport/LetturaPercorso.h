#pragma once
// Reading a route planner's route table saved as tab-separated text: the
// layout is recognised from its header line, and the instruction lines are
// turned into stages, one per locality reached, with the distance from the
// previous stage taken from the route's running distances.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

struct TappaPercorso {
    QString Localita; // upper case, trimmed
    QString Strada;   // road designations, "TRAGH " first for a ferry
    qint64 Km = 0;
    QString TipoStrada; // "A" or "P"
    QString Sosta;      // "00:02:00" for a ferry crossing, otherwise empty
};

class LetturaPercorso {
public:
    // A shorter file cannot hold a header and a route.
    static constexpr qsizetype LunghezzaMinima = 151;
    // The header must be among the first lines.
    static constexpr int RigheRicerca = 15;
    // No stage grid can hold more: the reading stops there.
    static constexpr int MassimoTappe = 9999;
    // A stage longer than this no longer fits a stage row; it is given as
    // consecutive rows of the same locality, as storing would give it back.
    static constexpr qint64 KmMassimiRiga = 32767;
    static constexpr qint64 KmPerFetta = 999;
    // The Equator: no road between two places of a route is longer, so a
    // stage beyond it comes from a damaged or altered file.
    static constexpr qint64 KmMassimiCredibili = 40075;

    enum class Esito { Letto, NonRiconosciuto, TroppoLungo, DistanzaNonCredibile };

    // The whole reading of a file's bytes: recognition, then conversion.
    Esito Leggi(const QByteArray& contenuto);
    int Layout = 0; // 1 or 2 once recognised
    QList<TappaPercorso> Tappe;

    // The text of a file: UTF-8 (with or without its mark) when the bytes
    // are valid UTF-8 with some character beyond ASCII, UTF-16 with its
    // mark, otherwise Windows-1252. A file with NUL bytes and no UTF-16
    // mark is not text: no line.
    static QStringList RigheTesto(const QByteArray& contenuto);
    // The layout whose header is among the first lines (0 when none), and
    // the index of the header line.
    static int Riconosce(const QStringList& righe, int& rigaIntestazione);

    // Columns 1 to 20 of a line, each trimmed; [0] is unused and missing
    // columns are empty.
    std::array<QString, 21> ColonneTappa;
    void EstraeColonneTappa(const QString& riga);
    // Road designations found in an instruction, added to StradeTappa.
    QStringList StradeTappa;
    void EstraeTappaStrada(const QString& istruzione);

    // DistanzaNonCredibile: the stage's kilometres and the locality it reaches.
    qint64 KmNonCredibili = 0;
    QString LocalitaNonCredibile;

    // Running distance of the route and at the last stage written, in km.
    qint64 DistanzaProgressiva = 0;
    qint64 DistanzaUltimaTappa = 0;

    // Whole kilometres of a distance text: "1.234,5 km" -> 1234,
    // "12,8" -> 12, "1,234.5 mi" -> 1234; 0 when there is no number.
    static qint64 ValoreKm(const QString& testo);

private:
    void Azzera();
    void ColonneLayout1(const QStringList& righe, int intestazione);
    void RigaLayout1(const QString& riga);
    void RigaLayout2(const QString& riga);
    void SalvaRigaItinerarioImportato(const QString& localita);
    bool ChiudeTappa(const QString& localita);

    QString localitaPrecedente_;
    bool inizioScritto_ = false;
    bool troppoLungo_ = false;
    int colonnaKm_ = 2;
    int colonnaIstruzione_ = 3;
    // Layout 2: the last distance read and the sum of the earlier runs of a
    // distance column that starts again from zero.
    qint64 ultimaDistanzaLetta_ = 0;
    qint64 sommaTratti_ = 0;
};
