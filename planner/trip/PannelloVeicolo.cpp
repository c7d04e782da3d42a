// The trip screen's vehicle and costs: eight fields below the commands,
// loaded with the trip, stored with it, checked before anything is stored.
#include "shell/FormViandora.h"
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

void FormViandora::CreaPannelloVeicolo() {
    RegistraPannello(frmVeicolo, "frmVeicolo", QStringLiteral("Veicolo e costi:"), 0, 7935, 11535, 840);
    const QString pannello = QStringLiteral("frmVeicolo");
    for (int k = 0; k < NumeroCampi; ++k) {
        const int x = 90 + (k % 4) * Colonna;
        const int y = Riga(k / 4);
        lblVeicolo.emplace_back();
        Registra(lblVeicolo.back(), QStringLiteral("lblVeicolo"), pannello, x, y + 30, LarghezzaEtichetta,
                 255, k);
        lblVeicolo.back().Caption = QString::fromUtf8(Campi[k].etichetta);
        CasellaTesto& t = Aggiungi(txtVeicolo, QStringLiteral("txtVeicolo"), pannello,
                                   x + LarghezzaEtichetta + 30, y, LarghezzaCampo, 285);
        t.ToolTipText = QString::fromUtf8(Campi[k].suggerimento);
        // Seven digits, a separator and four decimals; "hh:mm".
        t.MaxLength = k == IndiceGuida ? 5 : 12;
    }
    MostraVeicolo(Veicolo{});
}

void FormViandora::CollegaEventiVeicolo() {
    for (int k = 0; k < NumeroCampi; ++k)
        tasti_.insert(txtVeicolo[k].NomeCompleto(), [this, k](int& tasto) { txtVeicolo_KeyPress(k, tasto); });
    click_.insert(cmdHelpVeicolo.NomeCompleto(), [this] { cmdHelpVeicolo_Click(); });
}

void FormViandora::txtVeicolo_KeyPress(int Index, int& KeyAscii) {
    // Digits, and a decimal point or comma; a colon in the driving time.
    if (KeyAscii < 32 || (KeyAscii >= '0' && KeyAscii <= '9')) return;
    const bool ammesso = Index == IndiceGuida ? KeyAscii == ':' : KeyAscii == '.' || KeyAscii == ',';
    if (!ammesso) KeyAscii = 0;
}

void FormViandora::MostraVeicolo(const Veicolo& v) {
    for (int k = 0; k < NumeroCampi; ++k)
        txtVeicolo[k].Text =
            Campi[k].valore ? TestoDecimale(v.*Campi[k].valore) : TestoMinuti(v.GuidaMassima);
}

bool FormViandora::VeicoloSchermo(Veicolo& veicolo) {
    const QString titolo = QStringLiteral("Veicolo e costi");
    auto rifiuta = [&](int k, const QString& messaggio) {
        piattaforma_.MsgBox(messaggio, Msg::OkOnly | Msg::Exclamation, titolo);
        SetFocus(txtVeicolo[k]);
        return false;
    };
    Veicolo v;
    for (int k = 0; k < NumeroCampi; ++k) {
        const QString testo = txtVeicolo[k].Text.trimmed();
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
