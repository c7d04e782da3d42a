#pragma once
// The timetable engine: the prepared stage table, the day-by-day passes that
// scale the stops until the trip fits the days asked for, and the return
// limits. It works on plain values (the checked trip parameters, the speeds,
// the stage rows, a guide lookup) and gives back plain timetable rows, the
// totals the trip screen shows and the final message; the window, the
// command line and the benchmark all drive it the same way.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "model/RigaMarcia.h"
#include "model/Tappa.h"
#include "model/Viaggio.h"
#include "model/VoceGuida.h"

// What the calculation needs from the city guide.
class GuidaCalcolo {
public:
    virtual ~GuidaCalcolo() = default;
    // Hundredths of an hour of the locality's entries not counted yet in this
    // run; they count from now on.
    virtual double TempoLocalita(const QString& localita) = 0;
    // Every entry of the locality, by type code and description.
    virtual const QList<VoceGuida>& Voci(const QString& localita) = 0;
};

struct IngressoCalcolo {
    Viaggio Meta; // checked; the passes may check it again (ServiziCalcolo::Ricontrolla)
    // The total driving time of the stage list as the trip screen shows it.
    float TempoGuidaTotale = 0;
    // The stage list as the grid holds it: every row, empty ones included
    // (each becomes a numbered row of the timetable).
    QList<Tappa> Tappe;
    std::array<QString, 11> TipiGuida; // type descriptions by code
};

// The locality of each stage row.
QStringList LocalitaTappe(const QList<Tappa>& tappe);

struct StatoCalcolo;

struct ServiziCalcolo {
    std::function<bool()> Interrotto;              // the stop flag
    std::function<void(const QString&)> Etichetta; // progress caption
    std::function<void(double posizione, double totale)> Avanzamento;
    // The parameters checked again before each pass.
    std::function<void(ParametriMetaTipo&)> Ricontrolla;
    std::function<void(const StatoCalcolo&)> FinePassata; // a pass is complete
};

// A stage of the prepared table: the stop that the trip's choice keeps of
// the itinerary's and the city guide's, scaled by every pass.
struct TappaPreparata {
    int Riga = -1; // of the stage list; -1 for the rows after the last stage
    Tappa Dati;
    float Guida = 0; // the locality's guide time, counted at its first stage
    bool FineGiornata = false;
    float SostaItinerario = 0, SostaGuida = 0;
    // Both together, as the next pass applies them: scaled by each pass and
    // kept to whole minutes.
    float SostaApplicata = 0;
};

struct StatoCalcolo {
    ParametriMetaTipo Parametri;
    // The simulated clock and calendar: hundredths of an hour, day numbers.
    float OraCorrente = 0;
    float GiornoCorrente = 0;
    float GiornoPartenza = 0;
    float GiornoUltimoRiposo = 0; // the periodic rest days count from here
    float OraUltimaPausa = 0;     // continuous driving began here
    float OraArrivo = 0;          // end of the segment being planned
    bool PranzoFatto = false;
    bool CenaFatta = false;
    int TappaCorrente = 0;    // row of the prepared stage table
    qint32 RigaTabella = 1;   // next timetable row to write
    qint16 KmResidui = 0;     // of the current stage
    qint32 KmProgressivi = 0; // 32 bits: trips beyond 32,767 km
    qint32 NumeroTraghetti = 0;
    std::array<float, 4> KmPerTipoStrada{};
    qint16 TolleranzaPasti = 10; // window that recognises meal and night times
    float FattoreSoste = 1;      // applied to every stop of the next pass
    float TotaleSoste = 0;       // of the prepared table
    double GiorniStimati = 0;
    int NumeroTentativo = 0;
    // The timetable's row count: a few empty rows ahead of RigaTabella.
    int RigheTabella = 0;
    // What the pass has met, for the totals it leaves at its end: the day
    // and the arrival of its last segment.
    std::array<bool, 4> TipiInPassata{};
    bool TappaInPassata = false;
    bool SegmentoInPassata = false;
    float GiornoTotali = 0;
    std::optional<float> OraFine; // the last arrival that showed a clock
    // The current stage's stop, from the arrival to its end (day, clock):
    // when its guide entries are visited.
    float GiornoArrivoTappa = 0, OraArrivoTappa = 0;
    QList<RigaMarcia> Righe;         // index = row; row 0 is the heading's place
    QList<TappaPreparata> Preparata; // likewise
    TotaliMarcia Totali;
};

class CalcoloTabellaDiMarcia {
public:
    CalcoloTabellaDiMarcia(IngressoCalcolo ingresso, GuidaCalcolo& guida, ServiziCalcolo servizi = {});

    // The prepared table; false, with Errore(), when the trip holds a value
    // that cannot be calculated.
    bool Prepara();
    // The passes until the days fit; false when stopped.
    bool Passate();
    // Column 13 of every driving row.
    void LimitiRitorno();

    const StatoCalcolo& Stato() const { return s_; }
    QString Errore() const { return errore_; }
    // "Elaborazione conclusa …" or "Elaborazione impossibile! …"; empty
    // without days asked for.
    QString MessaggioFinale() const;

    // The cells of a timetable row, empty beyond the rows written.
    std::array<QString, ColonneMarcia> Celle(int riga) const;

private:
    bool ControllaIngresso();
    void StimaGiorni();
    QString EtichettaTentativo() const;
    bool Passaggio();
    void InizioPassaggio();
    bool SegmentiTappa(const Tappa& tappa);
    void Segmento(int K, double T, const Tappa& tappa);
    void EventiArrivo(RigaMarcia& riga);
    void FineTotali();
    void SostaTappa(const Tappa& tappa, bool oreTraghetto);
    // A ferry that sails at its hour: the wait at the port and the crossing.
    void Traversata(const Tappa& tappa);
    // Whether the entry is open at some moment of the stop just spent; why not.
    bool Aperta(const VoceGuida& voce, QString& motivo) const;
    void VociGuidaTappa(const QString& localita);
    VisitaRiga CalcolaLaSosta(bool traghetto, RigaMarcia& riga);
    void TornaIndietro();
    void LimitiProsecuzione();
    void LimitiTornando(float giornoFine, float oraFine);
    void AvanzaRigaTabella();
    // The row being written, made when first needed.
    RigaMarcia& Riga(int riga);
    double TempoRiga(int riga) const;
    bool SenzaTempo(int riga) const;
    void Avanza(double posizione, double totale);
    bool Fermato() const { return servizi_.Interrotto && servizi_.Interrotto(); }

    IngressoCalcolo in_;
    GuidaCalcolo& guida_;
    ServiziCalcolo servizi_;
    StatoCalcolo s_;
    QString errore_;
};
