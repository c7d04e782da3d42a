// The trip screen's vehicle and costs: eight fields below the commands,
// loaded with the trip, stored with it, checked before anything is stored.
#include "database/Database.h"
#include "shell/ControlliMeta.h"
#include "shell/FinestraComune.h"
#include "trip/ControlloreMeta.h"
#include "trip/Veicolo.h"

namespace {

struct CampoVeicolo {
    const char* etichetta;
    const char* suggerimento;
    double Veicolo::*valore; // null: the most driving time, hh:mm
};

const CampoVeicolo Campi[] = {
    {"Consumo l/100 km:", "Litri di carburante consumati ogni 100 km", &Veicolo::Consumo},
    {"Serbatoio litri:", "Capacità del serbatoio in litri", &Veicolo::Serbatoio},
    {"Riserva litri:", "Litri rimasti quando si fa rifornimento", &Veicolo::Riserva},
    {"Carburante €/l:", "Prezzo di un litro di carburante", &Veicolo::Prezzo},
    {"Pedaggio €/km:", "Pedaggio autostradale per km (strade di tipo A)", &Veicolo::Pedaggio},
    {"Costo notte €:", "Costo di una notte (campeggio, area di sosta)", &Veicolo::CostoNotte},
    {"Costo traghetto €:", "Costo di una traversata in traghetto", &Veicolo::CostoTraghetto},
    {"Guida max hh:mm:", "Ore di guida massime in un giorno (hh:mm)", nullptr},
};
constexpr int NumeroCampi = int(std::size(Campi));
constexpr int IndiceGuida = NumeroCampi - 1;

// Two rows of four label and field pairs.
constexpr int Colonna = 2820;
constexpr int LarghezzaEtichetta = 1700;
constexpr int LarghezzaCampo = 900;

int Riga(int r) {
    return 225 + r * 300;
}

} // namespace

void ControlloreMeta::CreaPannelloVeicolo() {
    f_.Registra(ui.frmVeicolo, QStringLiteral("frmVeicolo"), {}, 0, 7935, 11535, 840);
    ui.frmVeicolo.Caption = QStringLiteral("Veicolo e costi:");
    const QString pannello = QStringLiteral("frmVeicolo");
    for (int k = 0; k < NumeroCampi; ++k) {
        const int x = 90 + (k % 4) * Colonna;
        const int y = Riga(k / 4);
        ui.lblVeicolo.emplace_back();
        f_.Registra(ui.lblVeicolo.back(), QStringLiteral("lblVeicolo"), pannello, x, y + 30,
                    LarghezzaEtichetta, 255, k);
        ui.lblVeicolo.back().Caption = QString::fromUtf8(Campi[k].etichetta);
        CasellaTesto& t = f_.Aggiungi(ui.txtVeicolo, QStringLiteral("txtVeicolo"), pannello,
                                      x + LarghezzaEtichetta + 30, y, LarghezzaCampo, 285);
        t.ToolTipText = QString::fromUtf8(Campi[k].suggerimento);
        // Seven digits, a separator and four decimals; "hh:mm".
        t.MaxLength = k == IndiceGuida ? 5 : 12;
    }
    MostraVeicolo(Veicolo{});
}

void ControlloreMeta::txtVeicolo_KeyPress(int Index, int& KeyAscii) {
    // Digits, and a decimal point or comma; a colon in the driving time.
    if (KeyAscii < 32 || (KeyAscii >= '0' && KeyAscii <= '9')) return;
    const bool ammesso = Index == IndiceGuida ? KeyAscii == ':' : KeyAscii == '.' || KeyAscii == ',';
    if (!ammesso) KeyAscii = 0;
}

void ControlloreMeta::MostraVeicolo(const Veicolo& v) {
    for (int k = 0; k < NumeroCampi; ++k)
        ui.txtVeicolo[k].Text =
            Campi[k].valore ? TestoDecimale(v.*Campi[k].valore) : TestoMinuti(v.GuidaMassima);
}

bool ControlloreMeta::VeicoloSchermo(Veicolo& veicolo) {
    const QString titolo = QStringLiteral("Veicolo e costi");
    auto rifiuta = [&](int k, const QString& messaggio) {
        f_.Sistema().MsgBox(messaggio, Msg::OkOnly | Msg::Exclamation, titolo);
        f_.SetFocus(ui.txtVeicolo[k]);
        return false;
    };
    Veicolo v;
    for (int k = 0; k < NumeroCampi; ++k) {
        const QString testo = ui.txtVeicolo[k].Text.trimmed();
        QString nome = QString::fromUtf8(Campi[k].etichetta);
        nome.chop(1);
        if (Campi[k].valore) {
            const std::optional<double> numero = NumeroDecimale(testo);
            if (!numero)
                return rifiuta(k, QStringLiteral("%1: \"%2\" non è un numero valido.\r\n"
                                                 "Scrivere un numero, con il punto o la virgola per i "
                                                 "decimali (per esempio 1,85).")
                                      .arg(nome, testo));
            v.*Campi[k].valore = *numero;
        } else {
            const std::optional<int> minuti = MinutiOra(testo);
            if (!minuti || *minuti == 0)
                return rifiuta(k,
                               QStringLiteral("%1: \"%2\" non è un orario valido.\r\n"
                                              "Scrivere ore e minuti da 00:01 a 24:00 (per esempio 09:00).")
                                   .arg(nome, testo));
            v.GuidaMassima = *minuti;
        }
    }
    if (const QString errore = v.Errore(); !errore.isEmpty()) {
        // The focus goes to the first field that makes the values unusable.
        Veicolo parziale;
        int k = 0;
        for (; k < IndiceGuida; ++k) {
            parziale.*Campi[k].valore = v.*Campi[k].valore;
            if (!parziale.Errore().isEmpty()) break;
        }
        return rifiuta(k, errore);
    }
    veicolo = v;
    return true;
}
