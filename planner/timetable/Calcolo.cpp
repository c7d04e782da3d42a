// The calculation as the user starts it: the engine over the trip screen's
// checked values and the stage list, its timetable written into the main
// grid and its totals into the trip screen; and the commands that start it
// and unlock it.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "database/Database.h"
#include "guide/ControlloreGuida.h"
#include "itinerary/ControlloreItinerario.h"
#include "itinerary/MemorizzaTappe.h"
#include "model/ColonneGriglie.h"
#include "model/ControlloMeta.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/Itinerario.h"
#include "timetable/ControlloreCalcolo.h"
#include "timetable/GuidaDatabase.h"
#include "timetable/ServizioCalcolo.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/ControlloreMeta.h"
#include "trip/Meta.h"

namespace {

const QString TitoloCalcolo = QStringLiteral("Calcolo tabella di marcia");

void Scrivi(CasellaTesto& casella, const std::optional<QString>& testo) {
    if (testo) casella.Text = *testo;
}

QString Tempo(float centesimi) {
    return ghmCentesimi2Stringa(centesimi, CentesimiGiorno);
}

} // namespace

ControlloreCalcolo::ControlloreCalcolo(FinestraComune& finestra, Griglia& griglia, ControlloreMeta& meta,
                                       ControlloreItinerario& tappe, ControlloreGuida& guida,
                                       Pulsante& calcola)
    : f_(finestra), mfgTab(griglia), meta_(meta), tappe_(tappe), Meta(meta.Meta),
      Itinerario(tappe.Itinerario), Guida(guida), cmdCalcola(calcola) {}

IngressoCalcolo ControlloreCalcolo::IngressoCalcoloTabella() {
    meta_.AttivaFormMeta(false);
    meta_.ControllaVariabiliConvertite();
    f_.PulisciFinestre();

    const ValoriMeta valori = meta_.ValoriSchermo();
    IngressoCalcolo in;
    in.Meta.CodiceMeta = Meta.CodiceMetaCorrente;
    in.Meta.Localita = meta_.ui.txtLocalita.Text;
    in.Meta.Nazione = meta_.ui.txtNazione.Text;
    in.Meta.DataInizio = DataInizioValori(valori);
    in.Meta.Parametri = Meta.ParametriMeta;
    in.Meta.Velocita = VelocitaValori(valori);
    in.Meta.SceltaSoste = valori.SceltaSoste;
    QString tempoGuida = meta_.ui.txtTempo[4].Text;
    in.TempoGuidaTotale = ghmStringa2Centesimi(tempoGuida, CentesimiGiorno);
    // The rows themselves are kept: the prepared table goes back on the copy
    // grid with every column, where unlocking finds the stages.
    QList<QStringList>& celle = TabellaDiMarcia.CelleTappe;
    celle.clear();
    const int colonne = qMax(mfgTab.Cols(), int(ColonneMatrice));
    for (int r = 1; r < mfgTab.Rows(); ++r) {
        QStringList riga;
        riga.reserve(colonne);
        for (int c = 0; c < colonne; ++c)
            riga << mfgTab.TextMatrix(r, c);
        in.Tappe << TappaDaCelle(riga);
        // The fixed times as the stage list carries them, stored or not.
        OrariFissiDaCelle(riga, in.Tappe.last());
        celle << riga;
    }
    for (size_t k = 0; k < Guida.DescrizioneTipoGuida.size(); ++k)
        in.TipiGuida[k] = Guida.DescrizioneTipoGuida[k];
    TabellaDiMarcia.TipiGuida = in.TipiGuida;
    return in;
}

ServiziCalcolo ControlloreCalcolo::ServiziCalcoloFinestra() {
    ServiziCalcolo s;
    s.Interrotto = [this] { return f_.Interrotto(); };
    s.Etichetta = [this](const QString& testo) { f_.Didascalia(testo); };
    s.Avanzamento = [this](double posizione, double totale) { f_.PosizioneAvanzamento(posizione, totale); };
    s.Ricontrolla = [this](ParametriMetaTipo& p) {
        meta_.Aggiorna(false);
        p = Meta.ParametriMeta;
    };
    s.FinePassata = [this](const StatoCalcolo& stato) { ScriviTabellaDiMarcia(stato); };
    return s;
}

void ControlloreCalcolo::ScriviTabellaDiMarcia(const StatoCalcolo& s) {
    mfgTab.SetRows(1);
    mfgTab.SetRows(s.RigheTabella);
    const int righe = qMin(int(s.Righe.size()), s.RigheTabella);
    for (int r = 1; r < righe; ++r) {
        const RigaMarcia& riga = s.Righe.at(r);
        const std::array<QString, ColonneMarcia> celle = CelleRiga(riga, r, TabellaDiMarcia.TipiGuida);
        for (int c = 0; c < ColonneMarcia; ++c)
            if (!celle[size_t(c)].isEmpty()) mfgTab.SetTextMatrix(r, c, celle[size_t(c)]);
        if (riga.Tipo == TipoRigaMarcia::Voce) {
            Griglia::StileCella evidenza;
            evidenza.Bold = true;
            mfgTab.SetStile(r, MarciaSosta, evidenza);
        }
    }
    const TestiTotali t = TestiDeiTotali(s.Totali);
    for (size_t k = 0; k < 5; ++k) {
        Scrivi(meta_.ui.txtKmTot[k], t.Km[k]);
        Scrivi(meta_.ui.txtTempo[k], t.Tempo[k]);
    }
    Scrivi(meta_.ui.txtTragh, t.Traghetti);
    for (size_t k = 0; k < 6; ++k)
        Scrivi(meta_.ui.txtFine[k], t.Fine[k]);
    Scrivi(meta_.ui.txtGiorni, t.Giorni);
}

void ControlloreCalcolo::ScriviLimitiRitorno(const StatoCalcolo& s) {
    const int righe = qMin(int(s.Righe.size()), s.RigheTabella);
    for (int r = 1; r < righe; ++r)
        if (const auto& limite = s.Righe.at(r).Limite)
            mfgTab.SetTextMatrix(r, MarciaLimite, TestoLimite(*limite));
}

// The prepared table back on the copy grid, where unlocking finds the stages:
// each stage's row as the list had it, with the guide time and the stops.
void ControlloreCalcolo::ScriviTabellaPreparata(const StatoCalcolo& s) {
    Griglia& t = tappe_.ui.mfgCopia;
    t.SetRows(1);
    t.SetRows(int(s.Preparata.size()));
    t.SetCols(mfgTab.Cols());
    tappe_.ImpostaGriglia(FinestraComune::GrigliaPreparata);
    const QList<QStringList>& celle = TabellaDiMarcia.CelleTappe;
    for (int r = 1; r < s.Preparata.size(); ++r) {
        const TappaPreparata& p = s.Preparata.at(r);
        if (p.Riga < 0 || p.Riga >= celle.size()) continue;
        QStringList riga = celle.at(p.Riga);
        while (riga.size() <= TappaSostaApplicata)
            riga.append(QString());
        riga[TappaGuida] = Tempo(p.Guida);
        riga[TappaFineGiornata] = p.FineGiornata ? QStringLiteral("1") : QString();
        riga[TappaSostaItinerario] = Tempo(p.SostaItinerario);
        riga[TappaSostaGuida] = Tempo(p.SostaGuida);
        riga[TappaSostaApplicata] = Tempo(p.SostaApplicata);
        for (int c = 0; c < riga.size() && c < t.Cols(); ++c)
            if (!riga.at(c).isEmpty()) t.SetTextMatrix(r, c, riga.at(c));
    }
}

void ControlloreCalcolo::CalcolaTabellaDiMarcia() {
    f_.OffriComandi(QStringLiteral("zz"));
    if (Itinerario.TabellaCalcolata) {
        RiprendiElencoTappe();
        f_.FineAvanzamento();
        f_.OffriComandi(QStringLiteral("CaSt"));
        return;
    }

    // A failing database abandons the run; the stage list and the commands
    // must come back, or the window would stay locked.
    try {
        if (!EseguiCalcolo()) return;
    } catch (...) {
        if (Itinerario.TabellaCalcolata)
            RiprendiElencoTappe();
        else
            meta_.AttivaFormMeta(true);
        f_.OffriComandi(QStringLiteral("all"));
        f_.FineAvanzamento();
        throw;
    }

    mfgTab.TopRow = 1;
    mfgTab.Modificata();
    Itinerario.Calcola = StatoItinerario::ComandoCalcola::Sblocca;
    cmdCalcola.Caption = QStringLiteral("&Sblocca");
    Itinerario.TabellaCalcolata = true;
    f_.MostraPrenotazioniMancate(true);

    // The bar is cleared and the exit button reads "&Esce" again before the
    // final message, so the box never stands over a run that looks alive.
    f_.FineAvanzamento();
    f_.OffriComandi(QStringLiteral("CaSt"));
    const QString messaggio = TabellaDiMarcia.MessaggioCalcolo;
    if (Itinerario.AttivitaCorrente != StatoItinerario::Attivita::Stampa && !messaggio.isEmpty())
        f_.Sistema().MsgBox(messaggio, Msg::OkOnly | Msg::Information, TitoloCalcolo);
}

bool ControlloreCalcolo::EseguiCalcolo() {
    IngressoCalcolo ingresso = IngressoCalcoloTabella();

    // The guide's visited flags all start from "0" and the entries counted end
    // at "1": the preparation leaves exactly that, writing only the flags that
    // change, in one transaction, so a failure leaves the guide as it was.
    Database::Transazione transazione(Db());
    GuidaDatabase guida(Db(), LocalitaTappe(ingresso.Tappe));
    CalcoloTabellaDiMarcia motore(std::move(ingresso), guida, ServiziCalcoloFinestra());
    if (!motore.Prepara()) {
        f_.Sistema().MsgBox(motore.Errore(), Msg::OkOnly | Msg::Exclamation, TitoloCalcolo);
        if (Itinerario.AttivitaCorrente == StatoItinerario::Attivita::Ricalcola)
            tappe_.AttivitaInserimentoItinerario();
        meta_.AttivaFormMeta(true);
        f_.OffriComandi(QStringLiteral("all"));
        f_.FineAvanzamento();
        return false;
    }
    guida.ScriviVisti();
    transazione.Conferma();
    ScriviTabellaPreparata(motore.Stato());

    // Cleared before "&Stop" shows: a stop pressed at once must count.
    f_.AzzeraInterruzione();
    f_.OffriComandi(QStringLiteral("Es"));
    Itinerario.TabellaCalcolata = true;
    mfgTab.SetTextMatrix(0, MarciaSosta, QStringLiteral("Sosta"));
    mfgTab.SetColWidth(MarciaSosta, mfgTab.ColWidth(MarciaSosta) + mfgTab.ColWidth(MarciaGuida));
    mfgTab.SetColWidth(MarciaGuida, 0);

    const bool finita = motore.Passate();
    if (finita) {
        motore.LimitiRitorno();
        // The last pass is on the grid already; the limits are all that is new.
        ScriviLimitiRitorno(motore.Stato());
    }
    ScriviTabellaPreparata(motore.Stato());
    TabellaDiMarcia.Calcolo = motore.Stato();
    TabellaDiMarcia.MessaggioCalcolo = motore.MessaggioFinale();
    if (finita) return true;

    if (Itinerario.AttivitaCorrente == StatoItinerario::Attivita::Ricalcola) {
        tappe_.AttivitaInserimentoItinerario();
        meta_.AttivaFormMeta(true);
    } else {
        RiprendiElencoTappe();
    }
    f_.OffriComandi(QStringLiteral("all"));
    f_.FineAvanzamento();
    return false;
}

void ControlloreCalcolo::RiprendiElencoTappe() {
    meta_.AttivaFormMeta(true);
    tappe_.RicomponiTabellaMfgTab();
    tappe_.CalcolaKmTempiItinerario();
}

void ControlloreCalcolo::cmdCalcola_Click() {
    if (Itinerario.Calcola == StatoItinerario::ComandoCalcola::Calcola) {
        CalcolaTabellaDiMarcia();
        return;
    }
    // Unlocking: back to the stage editor with the stage list.
    tappe_.AttivitaInserimentoItinerario();
    f_.OffriComandi(QStringLiteral("all"));
    meta_.AttivaFormMeta(true);
}

void ControlloreCalcolo::cmdRicalcola_Click() {
    mfgTab.Width = 11535;
    tappe_.ui.frmInputBox.Visible = false;
    Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Ricalcola;
    CalcolaTabellaDiMarcia();
    f_.OffriComandi(QStringLiteral("Ca"));
    mfgTab.Modificata();
}

void ControlloreCalcolo::CollegaEventi() {
    // The trip's length in days, at the free end of the "Fine:" row, as far
    // as the frame's edge: a field that holds fewer digits than the count
    // shows only its last ones, and 265 days would read as 65.
    f_.Registra(meta_.ui.txtGiorni, QStringLiteral("txtGiorni"), QStringLiteral("frmMeteFine"), 1800, 630,
                390, 285);
    meta_.ui.txtGiorni.Locked = true;
    meta_.ui.txtGiorni.ToolTipText = QStringLiteral("Durata del viaggio in giorni");

    f_.SuClick(QStringLiteral("cmdCalcola"), [this] { cmdCalcola_Click(); });
    f_.SuClick(QStringLiteral("cmdRicalcola"), [this] { cmdRicalcola_Click(); });
}

TabellaCalcolata ControlloreCalcolo::TabellaSchermo() const {
    const StatoCalcolo& s = TabellaDiMarcia.Calcolo;
    TabellaCalcolata t;
    t.Meta.CodiceMeta = Meta.CodiceMetaCorrente;
    t.Meta.Localita = meta_.ui.txtLocalita.Text;
    t.Meta.Nazione = meta_.ui.txtNazione.Text;
    t.Valori = meta_.ValoriSchermo();
    t.RiprendiStato(s);
    t.Messaggio = TabellaDiMarcia.MessaggioCalcolo;
    t.TipiGuida = TabellaDiMarcia.TipiGuida;
    return t;
}
