// The stage editor's fixed times: a ferry's departures, days, crossing,
// check-in and cost, and a night booked at any stage. They travel with the
// stage's row and are stored with the itinerary.
#include <QDate>
#include <cstring>

#include "common/Date.h"

#include "itinerary/MemorizzaTappe.h"
#include "model/ColonneGriglie.h"
#include "shell/FormViandora.h"
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
void FormViandora::CreaPannelloOrari() {
    RegistraPannello(frmTraghetto, "frmTraghetto",
                     QStringLiteral("Orari traghetto e notte prenotata della tappa:"), 0, 7935, 11535, 840);
    frmTraghetto.Visible = false;
    auto campo = [this](Etichetta& e, const char* nomeEtichetta, const char* caption, CasellaTesto& t,
                        const char* nome, int l, int riga, int we, int wt, const char* suggerimento) {
        const int t0 = 225 + riga * 300;
        Registra(e, QString::fromLatin1(nomeEtichetta), PannelloTraghetto, l, t0 + 30, we, 255);
        e.Caption = QString::fromUtf8(caption);
        Registra(t, QString::fromLatin1(nome), PannelloTraghetto, l + we + 30, t0, wt, 285);
        t.ToolTipText = QString::fromUtf8(suggerimento);
    };
    campo(lblPartenze, "lblPartenze", "Partenze:", txtPartenze, "txtPartenze", 90, 0, 1300, 2450,
          "Orari di partenza, separati da virgole (per esempio 08:00,22:00)");
    txtPartenze.MaxLength = 120;
    campo(lblGiorniTraghetto, "lblGiorniTraghetto", "Giorni:", txtGiorniTraghetto, "txtGiorniTraghetto", 4100,
          0, 900, 2900, "Giorni in cui parte (lun,mar,mer,gio,ven,sab,dom); vuoto: tutti i giorni");
    txtGiorniTraghetto.MaxLength = 40;
    campo(lblDurata, "lblDurata", "Durata hh:mm:", txtDurata, "txtDurata", 8100, 0, 1500, 800,
          "Durata della traversata (hh:mm)");
    txtDurata.MaxLength = 5;
    campo(lblAnticipo, "lblAnticipo", "Imbarco min.:", txtAnticipo, "txtAnticipo", 90, 1, 1300, 700,
          "Minuti di anticipo dell'imbarco sulla partenza (60 se vuoto)");
    txtAnticipo.MaxLength = 4;
    campo(lblCostoTraghetto, "lblCostoTraghetto", "Costo €:", txtCostoTraghetto, "txtCostoTraghetto", 4100, 1,
          900, 1100, "Costo di questa traversata; vuoto: il costo traghetto del veicolo");
    txtCostoTraghetto.MaxLength = 12;
    campo(lblNottePrenotata, "lblNottePrenotata", "Notte prenotata:", txtNottePrenotata, "txtNottePrenotata",
          8100, 1, 1500, 1300, "Data della notte prenotata in questa tappa (gg/mm/aaaa); vuoto: nessuna");
    txtNottePrenotata.MaxLength = 10;
}

void FormViandora::CollegaEventiOrari() {
    cambi_.insert(QStringLiteral("txtStrada"), [this] { AbilitaPannelloTraghetto(); });
    auto cifre = [](const char* ammessi) {
        return [ammessi](int& k) {
            if (k >= 32 && (k < '0' || k > '9') && !std::strchr(ammessi, char(k))) k = 0;
        };
    };
    tasti_.insert(QStringLiteral("txtPartenze"), cifre(":, "));
    tasti_.insert(QStringLiteral("txtDurata"), cifre(":"));
    tasti_.insert(QStringLiteral("txtAnticipo"), cifre(""));
    tasti_.insert(QStringLiteral("txtCostoTraghetto"), cifre(".,"));
    tasti_.insert(QStringLiteral("txtNottePrenotata"), cifre("/"));
}

void FormViandora::AbilitaPannelloTraghetto() {
    const bool traghetto = StradaTraghetto(txtStrada.Text);
    // The booked night belongs to any stage; the rest to a ferry only.
    for (Controllo* c : std::initializer_list<Controllo*>{
             &txtPartenze, &txtGiorniTraghetto, &txtDurata, &txtAnticipo, &txtCostoTraghetto, &lblPartenze,
             &lblGiorniTraghetto, &lblDurata, &lblAnticipo, &lblCostoTraghetto})
        c->Enabled = traghetto;
}

void FormViandora::MostraOrariTappa(int riga) {
    const std::optional<OrariTraghetto> orari =
        TraghettoDaTesti(mfgTab.TextMatrix(riga, TappaTraghetto).split(u'|'));
    txtPartenze.Text = orari ? TestoPartenze(orari->Partenze) : QString();
    txtGiorniTraghetto.Text = orari && orari->Giorni != 0x7F ? TestoGiorni(orari->Giorni) : QString();
    txtDurata.Text = orari ? TestoMinuti(orari->Durata) : QString();
    txtAnticipo.Text = QString::number(orari ? orari->Anticipo : AnticipoNormale);
    txtCostoTraghetto.Text = orari && orari->Costo ? TestoDecimale(*orari->Costo) : QString();
    const QString notte = mfgTab.TextMatrix(riga, TappaNottePrenotata);
    txtNottePrenotata.Text = DataPrenotabile(notte) ? Data2Data(notte) : QString();
    AbilitaPannelloTraghetto();
}

bool FormViandora::OrariTappaSchermo(const QString& strada, QString& traghetto, QString& notte) {
    const QString titolo = QStringLiteral("Orari della tappa");
    auto rifiuta = [&](const CasellaTesto& campo, const QString& messaggio) {
        piattaforma_.MsgBox(messaggio, Msg::OkOnly | Msg::Exclamation, titolo);
        SetFocus(campo);
        return false;
    };
    traghetto.clear();
    const QString partenze = txtPartenze.Text.trimmed(), giorni = txtGiorniTraghetto.Text.trimmed(),
                  durata = txtDurata.Text.trimmed(), anticipo = txtAnticipo.Text.trimmed(),
                  costo = txtCostoTraghetto.Text.trimmed();
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
            const CasellaTesto* campo = esito.Campo == CampoTraghetto::Partenze   ? &txtPartenze
                                        : esito.Campo == CampoTraghetto::Giorni   ? &txtGiorniTraghetto
                                        : esito.Campo == CampoTraghetto::Durata   ? &txtDurata
                                        : esito.Campo == CampoTraghetto::Anticipo ? &txtAnticipo
                                                                                  : &txtCostoTraghetto;
            return rifiuta(*campo, esito.Errore);
        }
        traghetto = CellaTraghetto(o);
    }
    notte.clear();
    const QString data = txtNottePrenotata.Text.trimmed();
    if (!data.isEmpty()) {
        const QDate d = QDate::fromString(data, QStringLiteral("d/M/yyyy"));
        notte = d.isValid() ? d.toString(QStringLiteral("ddMMyyyy")) : QString();
        if (!DataPrenotabile(notte))
            return rifiuta(txtNottePrenotata,
                           QStringLiteral("Notte prenotata: data non valida (gg/mm/aaaa): %1").arg(data));
    }
    return true;
}
