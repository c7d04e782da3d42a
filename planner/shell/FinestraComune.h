#pragma once
// What a subsystem's controller sees of the planner's window: the platform,
// the database, the main grid and the command lists, progress and
// confirmation, the registration of its controls and handlers, and the few
// steps of the trip screen and of the timetable that its own screen starts
// or ends with. FormViandora implements it; a controller reaches nothing
// else of the window but its own controls and the panels handed to it.
#include <QString>
#include <QStringList>
#include <array>
#include <deque>
#include <functional>

#include "common/Avanzamento.h"
#include "shell/Controlli.h"
#include "shell/Piattaforma.h"

class Database;
struct StatoItinerario;
struct TabellaCalcolata;
struct TestataTabella;
struct Veicolo;

class FinestraComune : public Avanzamento {
public:
    // Message boxes, file dialogs, pending events.
    virtual Piattaforma& Sistema() = 0;
    virtual Database& Archivio() = 0;
    // The folder of the database and of every file the planner writes, with
    // a trailing "/".
    virtual const QString& Cartella() const = 0;
    // The window's title, the title of its messages.
    virtual const QString& Titolo() const = 0;

    // The main grid: the stage list, the guide list or the timetable, and
    // what it shows.
    virtual Griglia& GrigliaPrincipale() = 0;
    virtual StatoItinerario& StatoGriglia() = 0;
    static constexpr qint16 RigheVisibili = 17;
    // The set-ups of ImpostaGriglia; their columns are in
    // model/ColonneGriglie.h and model/ColonneTabella.h.
    enum ImpostazioneGriglia : int {
        GrigliaTappe = 1,     // the stage list (and the timetable) on the main grid
        GrigliaGuida = 2,     // the guide list on the main grid
        GrigliaTappeMeta = 3, // another trip's stages on the copy grid
        GrigliaMete = 4,      // the trip list on the copy grid
        GrigliaPreparata = 5, // the prepared stage table on the copy grid
    };
    virtual void ImpostaGriglia(int Modo) = 0;
    // The row counter beside the grid, after the current row moved.
    virtual void AggiornaNumeroRiga() = 0;
    // After the stage list changed on the grid: its totals and its row count
    // shown again.
    virtual void TappeCambiate() = 0;
    // The search list over the grid's localities (a choice selects the row
    // its last four characters name), the command panel and the grid locked
    // while it is open; and closed again.
    virtual void ApriRicercaLocalita(const QStringList& voci) = 0;
    virtual void ChiudiRicercaLocalita() = 0;

    // The command lists, by their codes ("all", "zz" for none, "NuImEs", ...):
    // the trip commands offered and, when given, the itinerary commands.
    virtual void OffriComandi(const QString& meta, const QString& itinerario = QString()) = 0;
    // The trip commands offered now, to be offered again after a while.
    virtual QString ComandiOfferti() const = 0;
    // The stage editor's panel takes no command while a file is read into it.
    virtual void BloccaEditor(bool bloccato) = 0;
    // "Confermi ...?" answered Yes; operazione is a confirmation's code or its
    // title.
    virtual bool Conferma(const QString& operazione) = 0;
    virtual void SetFocus(const Controllo& controllo) = 0;
    // The one button that answers Enter.
    virtual void ImpostaDefault(Pulsante& pulsante) = 0;
    // Every secondary panel hidden and the main grid back in its place.
    virtual void PulisciFinestre() = 0;
    // A controller's control, registered under its name on its panel, with
    // its place in twips; indice for an element of a control array.
    virtual Controllo& Registra(Controllo& c, const QString& nome, const QString& genitore, int left, int top,
                                int width, int height, int indice = -1) = 0;
    // The next element of a control array, registered with its index.
    template <typename T>
    T& Aggiungi(std::deque<T>& array, const QString& nome, const QString& genitore, int left, int top,
                int width, int height) {
        array.emplace_back();
        T& c = array.back();
        Registra(c, nome, genitore, left, top, width, height, int(array.size()) - 1);
        return c;
    }
    // A handler of the controller's own control, by its full name: a click,
    // a key (set to 0, the key is discarded).
    virtual void SuClick(const QString& controllo, std::function<void()> gestore) = 0;
    virtual void SuTasto(const QString& controllo, std::function<void(int&)> gestore) = 0;
    // A key without a character (arrows, pages), by its key code; a change
    // of the control's text; the focus leaving it.
    virtual void SuTastoGiu(const QString& controllo, std::function<void(int&)> gestore) = 0;
    virtual void SuCambio(const QString& controllo, std::function<void()> gestore) = 0;
    virtual void SuUscita(const QString& controllo, std::function<void()> gestore) = 0;

    // The trip screen after the database changed under it: the current trip
    // found again and, when there is one, shown with its stages; the command
    // lists as at start.
    virtual void RiprendiMetaCorrente() = 0;
    virtual QString CodiceMetaCorrente() const = 0;
    // The current trip shown again with its stages.
    virtual void RicaricaMeta() = 0;
    // Unlocks or locks the trip screen's panels; unlocking brings a
    // calculated timetable's stage list back.
    virtual void AttivaFormMeta(bool attiva) = 0;
    // The focus back on the trip's destination, where its work starts.
    virtual void FuocoSullaMeta() = 0;
    // The trip screen's locality and country fields, which a long import
    // uses to show where it is.
    virtual void MostraLocalita(const QString& localita) = 0;
    virtual void MostraNazione(const QString& nazione) = 0;
    // The guide types, read again after the database was rebuilt.
    virtual void RicaricaTipiGuida() = 0;
    // The trip screen's destination as typed.
    virtual QString LocalitaMeta() const = 0;
    // The vehicle panel's values; false, with the message shown and the
    // focus on the field, when one of them cannot be used.
    virtual bool VeicoloSchermo(Veicolo& veicolo) = 0;
    // The timetable on screen as the services take it (summary, exports).
    virtual TabellaCalcolata TabellaSchermo() const = 0;
    // The timetable's heading as the trip screen shows it.
    virtual TestataTabella TestataSchermo() const = 0;
    // The trip as the logbook printer takes it on its command line:
    // "<destination>,<gg/mm/aaaa>,<gg/mm/aaaa>", start and end.
    virtual QString ArgomentoTaccuvo() const = 0;
    // The timetable calculated as "&Calcola" does it; the grid's state says
    // whether it is on screen afterwards.
    virtual void CalcolaTabellaDiMarcia() = 0;
    // The guide types by code, 1..10, as their descriptions.
    virtual const std::array<QString, 11>& DescrizioniTipiGuida() const = 0;
    // Beside the progress bar: how many booked nights the timetable on
    // screen does not reach, or nothing without a calculated one.
    virtual void MostraPrenotazioniMancate(bool calcolata) = 0;

    // A long run's side of the window: the line above the bar, the bar at a
    // position of a total, and the user's "&Stop" (cleared before a run).
    virtual void Didascalia(const QString& testo) = 0;
    virtual void PosizioneAvanzamento(double posizione, double totale) = 0;
    virtual bool Interrotto() const = 0;
    virtual void AzzeraInterruzione() = 0;

protected:
    ~FinestraComune() override = default;
};
