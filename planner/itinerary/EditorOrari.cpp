// The stage editor's fixed times: a ferry's departures, days, crossing,
// check-in and cost, and a night booked at any stage. They travel with the
// stage's row and are stored with the itinerary.
#include <QDate>
#include <cstring>

#include "common/Date.h"

#include "database/Database.h"
#include "itinerary/ControlloreItinerario.h"
#include "itinerary/MemorizzaTappe.h"
#include "model/ColonneGriglie.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/Itinerario.h"
#include "trip/OrariFissi.h"
#include "trip/Veicolo.h"

namespace {
const QString PannelloTraghetto = QStringLiteral("frmTraghetto");
constexpr int AnticipoNormale = 60;

bool StradaTraghetto(const QString& strada) {
    return strada.contains(QLatin1String("TRAGH"));
}
} // namespace

// Shown in the place of the vehicle panel while the stage editor is open:
// the entry panel has no room below its commands.
void ControlloreItinerario::CreaPannelloOrari() {
    f_.Registra(ui.frmTraghetto, PannelloTraghetto, {}, 0, 7935, 11535, 840);
    ui.frmTraghetto.Caption = QStringLiteral("Orari traghetto e notte prenotata della tappa:");
    ui.frmTraghetto.Visible = false;
    auto campo = [this](Etichetta& e, const char* nomeEtichetta, const char* caption, CasellaTesto& t,
                        const char* nome, int l, int riga, int we, int wt, const char* suggerimento) {
        const int t0 = 225 + riga * 300;
        f_.Registra(e, QString::fromLatin1(nomeEtichetta), PannelloTraghetto, l, t0 + 30, we, 255);
        e.Caption = QString::fromUtf8(caption);
        f_.Registra(t, QString::fromLatin1(nome), PannelloTraghetto, l + we + 30, t0, wt, 285);
        t.ToolTipText = QString::fromUtf8(suggerimento);
    };
    campo(ui.lblPartenze, "lblPartenze", "Partenze:", ui.txtPartenze, "txtPartenze", 90, 0, 1300, 2450,
          "Orari di partenza, separati da virgole (per esempio 08:00,22:00)");
    ui.txtPartenze.MaxLength = 120;
    campo(ui.lblGiorniTraghetto, "lblGiorniTraghetto", "Giorni:", ui.txtGiorniTraghetto, "txtGiorniTraghetto",
          4100, 0, 900, 2900, "Giorni in cui parte (lun,mar,mer,gio,ven,sab,dom); vuoto: tutti i giorni");
    ui.txtGiorniTraghetto.MaxLength = 40;
    campo(ui.lblDurata, "lblDurata", "Durata hh:mm:", ui.txtDurata, "txtDurata", 8100, 0, 1500, 800,
          "Durata della traversata (hh:mm)");
    ui.txtDurata.MaxLength = 5;
    campo(ui.lblAnticipo, "lblAnticipo", "Imbarco min.:", ui.txtAnticipo, "txtAnticipo", 90, 1, 1300, 700,
          "Minuti di anticipo dell'imbarco sulla partenza (60 se vuoto)");
    ui.txtAnticipo.MaxLength = 4;
    campo(ui.lblCostoTraghetto, "lblCostoTraghetto", "Costo €:", ui.txtCostoTraghetto, "txtCostoTraghetto",
          4100, 1, 900, 1100, "Costo di questa traversata; vuoto: il costo traghetto del veicolo");
    ui.txtCostoTraghetto.MaxLength = 12;
    campo(ui.lblNottePrenotata, "lblNottePrenotata", "Notte prenotata:", ui.txtNottePrenotata,
          "txtNottePrenotata", 8100, 1, 1500, 1300,
          "Data della notte prenotata in questa tappa (gg/mm/aaaa); vuoto: nessuna");
    ui.txtNottePrenotata.MaxLength = 10;
}

void ControlloreItinerario::CollegaEventiOrari() {
    f_.SuCambio(QStringLiteral("txtStrada"), [this] { AbilitaPannelloTraghetto(); });
    auto cifre = [](const char* ammessi) {
        return [ammessi](int& k) {
            if (k >= 32 && (k < '0' || k > '9') && !std::strchr(ammessi, char(k))) k = 0;
        };
    };
    f_.SuTasto(QStringLiteral("txtPartenze"), cifre(":, "));
    f_.SuTasto(QStringLiteral("txtDurata"), cifre(":"));
    f_.SuTasto(QStringLiteral("txtAnticipo"), cifre(""));
    f_.SuTasto(QStringLiteral("txtCostoTraghetto"), cifre(".,"));
    f_.SuTasto(QStringLiteral("txtNottePrenotata"), cifre("/"));
}

void ControlloreItinerario::AbilitaPannelloTraghetto() {
    const bool traghetto = StradaTraghetto(ui.txtStrada.Text);
    // The booked night belongs to any stage; the rest to a ferry only.
    for (Controllo* c : std::initializer_list<Controllo*>{
             &ui.txtPartenze, &ui.txtGiorniTraghetto, &ui.txtDurata, &ui.txtAnticipo, &ui.txtCostoTraghetto,
             &ui.lblPartenze, &ui.lblGiorniTraghetto, &ui.lblDurata, &ui.lblAnticipo, &ui.lblCostoTraghetto})
        c->Enabled = traghetto;
}

void ControlloreItinerario::MostraOrariTappa(int riga) {
    const std::optional<OrariTraghetto> orari =
        TraghettoDaTesti(mfgTab.TextMatrix(riga, TappaTraghetto).split(u'|'));
    ui.txtPartenze.Text = orari ? TestoPartenze(orari->Partenze) : QString();
    ui.txtGiorniTraghetto.Text = orari && orari->Giorni != 0x7F ? TestoGiorni(orari->Giorni) : QString();
    ui.txtDurata.Text = orari ? TestoMinuti(orari->Durata) : QString();
    ui.txtAnticipo.Text = QString::number(orari ? orari->Anticipo : AnticipoNormale);
    ui.txtCostoTraghetto.Text = orari && orari->Costo ? TestoDecimale(*orari->Costo) : QString();
    const QString notte = mfgTab.TextMatrix(riga, TappaNottePrenotata);
    ui.txtNottePrenotata.Text = DataPrenotabile(notte) ? Data2Data(notte) : QString();
    AbilitaPannelloTraghetto();
}

bool ControlloreItinerario::OrariTappaSchermo(const QString& strada, QString& traghetto, QString& notte) {
    const QString titolo = QStringLiteral("Orari della tappa");
    auto rifiuta = [&](const CasellaTesto& campo, const QString& messaggio) {
        f_.Sistema().MsgBox(messaggio, Msg::OkOnly | Msg::Exclamation, titolo);
        f_.SetFocus(campo);
        return false;
    };
    traghetto.clear();
    const QString partenze = ui.txtPartenze.Text.trimmed(), giorni = ui.txtGiorniTraghetto.Text.trimmed(),
                  durata = ui.txtDurata.Text.trimmed(), anticipo = ui.txtAnticipo.Text.trimmed(),
                  costo = ui.txtCostoTraghetto.Text.trimmed();
    // A ferry without departures sails as before: its hours are added to the
    // stop; the check-in lead alone sets nothing.
    if (StradaTraghetto(strada) &&
        !(partenze.isEmpty() && giorni.isEmpty() && durata.isEmpty() && costo.isEmpty())) {
        // An empty field keeps the value a new ferry has.
        auto dato = [](const QString& testo) {
            return testo.isEmpty() ? std::nullopt : std::optional<QString>(testo);
        };
        OrariTraghetto o;
        const EsitoOrariTraghetto esito = ImpostaOrariTraghetto(
            o, {dato(partenze), dato(giorni), dato(durata), dato(anticipo), dato(costo)});
        if (!esito.Errore.isEmpty()) {
            const CasellaTesto* campo = esito.Campo == CampoTraghetto::Partenze   ? &ui.txtPartenze
                                        : esito.Campo == CampoTraghetto::Giorni   ? &ui.txtGiorniTraghetto
                                        : esito.Campo == CampoTraghetto::Durata   ? &ui.txtDurata
                                        : esito.Campo == CampoTraghetto::Anticipo ? &ui.txtAnticipo
                                                                                  : &ui.txtCostoTraghetto;
            return rifiuta(*campo, esito.Errore);
        }
        traghetto = CellaTraghetto(o);
    }
    notte.clear();
    const QString data = ui.txtNottePrenotata.Text.trimmed();
    if (!data.isEmpty()) {
        const QDate d = QDate::fromString(data, QStringLiteral("d/M/yyyy"));
        notte = d.isValid() ? d.toString(QStringLiteral("ddMMyyyy")) : QString();
        if (!DataPrenotabile(notte))
            return rifiuta(ui.txtNottePrenotata,
                           QStringLiteral("Notte prenotata: data non valida (gg/mm/aaaa): %1").arg(data));
    }
    return true;
}
