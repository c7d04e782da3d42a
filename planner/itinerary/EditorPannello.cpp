// The stage entry panel: its fields above the itinerary commands, the key
// filters of the fields and the wiring of the editor's events.
#include "shell/FormViandora.h"

namespace {
const QString PannelloInserimento = QStringLiteral("frmInputBox");
// Localita is stored with its first 29 characters, NomeStrada with 63 and a
// blank: what is typed is what is kept.
constexpr int LunghezzaLocalita = 29;
constexpr int LunghezzaStrada = 63;
} // namespace

void FormViandora::CreaPannelloInserimento() {
    // The upper part of the panel; the commands start at 2880.
    auto etichetta = [this](Etichetta& e, const char* nome, const QString& caption, int l, int t, int w) {
        Registra(e, QString::fromLatin1(nome), PannelloInserimento, l, t, w, 240);
        e.Caption = caption;
    };
    etichetta(lblInsTappa, "lblInsTappa", QStringLiteral("Tappa"), 90, 240, 3450);
    Registra(txtTappa, QStringLiteral("txtTappa"), PannelloInserimento, 90, 480, 3450, 285);
    txtTappa.MaxLength = LunghezzaLocalita;

    etichetta(lblInsStrada, "lblInsStrada", QStringLiteral("Numero strada (TRAGH=Traghetto)"), 90, 820, 3450);
    Registra(txtStrada, QStringLiteral("txtStrada"), PannelloInserimento, 90, 1060, 3450, 285);
    txtStrada.MaxLength = LunghezzaStrada;

    etichetta(lblInsKm, "lblInsKm", QStringLiteral("Distanza in Km."), 90, 1400, 1500);
    Registra(txtKm, QStringLiteral("txtKm"), PannelloInserimento, 90, 1640, 750, 285);
    Registra(chkProgressivo, QStringLiteral("chkProgressivo"), PannelloInserimento, 900, 1640, 1300, 285);
    chkProgressivo.Caption = QStringLiteral("Km. Progress");
    chkProgressivo.ToolTipText =
        QStringLiteral("Se spuntata, si può indicare il progressivo: la distanza è calcolata in automatico");
    chkProgressivo.Visible = false;
    etichetta(lblInsTipoStrada, "lblInsTipoStrada", QStringLiteral("Tipo di strada"), 2250, 1400, 1300);
    Registra(cmbTipoStrada, QStringLiteral("cmbTipoStrada"), PannelloInserimento, 2250, 1640, 1310, 285);
    cmbTipoStrada.Clear();
    for (const char* tipo : {"Autostrada", "SuperStrada", "Principale", "Locale"})
        cmbTipoStrada.AddItem(QString::fromLatin1(tipo));

    etichetta(lblInsSosta, "lblInsSosta", QStringLiteral("Eventuale sosta (in gg:hh:mm):"), 90, 1980, 3450);
    for (int k = 0; k < 3; ++k)
        Registra(cmbSosta[k], QStringLiteral("cmbSosta"), PannelloInserimento, 90 + k * 600, 2220, 570, 285,
                 k);
    Registra(chkFineGiornata, QStringLiteral("chkFineGiornata"), PannelloInserimento, 1950, 2220, 1600, 285);
    chkFineGiornata.Caption = QStringLiteral("Fine giornata");
    chkFineGiornata.ToolTipText = QStringLiteral("Forza la sosta fino alla fine della giornata");

    etichetta(lblInsRiga, "lblInsRiga", QStringLiteral("Riga:"), 90, 2580, 500);
    Registra(txtRiga, QStringLiteral("txtRiga"), PannelloInserimento, 600, 2550, 600, 285);
    txtRiga.Locked = true;
    txtRiga.Centrato = true;
}

void FormViandora::txtTappa_KeyPress(int& KeyAscii) {
    FiltroMaiuscolo(KeyAscii);
}

void FormViandora::txtStrada_KeyPress(int& KeyAscii) {
    FiltroMaiuscolo(KeyAscii);
}

void FormViandora::txtKm_KeyPress(int& KeyAscii) {
    // Digits, and the control keys that correct them (backspace).
    if (KeyAscii >= 32 && (KeyAscii < '0' || KeyAscii > '9')) KeyAscii = 0;
}

void FormViandora::cmbTipoStrada_KeyPress(int& KeyAscii) {
    FiltroSoloLista(KeyAscii);
}

void FormViandora::cmbSosta_KeyPress(int /*Index*/, int& KeyAscii) {
    FiltroSoloLista(KeyAscii);
}

void FormViandora::CollegaEventiEditor() {
    tasti_.insert(QStringLiteral("txtTappa"), [this](int& k) { txtTappa_KeyPress(k); });
    tasti_.insert(QStringLiteral("txtStrada"), [this](int& k) { txtStrada_KeyPress(k); });
    tasti_.insert(QStringLiteral("txtKm"), [this](int& k) { txtKm_KeyPress(k); });
    tasti_.insert(QStringLiteral("cmbTipoStrada"), [this](int& k) { cmbTipoStrada_KeyPress(k); });
    for (int i = 0; i < 3; ++i)
        tasti_.insert(cmbSosta[i].NomeCompleto(), [this, i](int& k) { cmbSosta_KeyPress(i, k); });

    click_.insert(QStringLiteral("cmdItinerario"), [this] { cmdItinerario_Click(); });
    click_.insert(QStringLiteral("cmdInserisce"), [this] { cmdInserisce_Click(); });
    click_.insert(QStringLiteral("cmdAggiunge"), [this] { cmdAggiunge_Click(); });
    click_.insert(QStringLiteral("cmdCancella"), [this] { cmdCancella_Click(); });
    click_.insert(QStringLiteral("cmdCerca"), [this] { cmdCerca_Click(); });
    click_.insert(QStringLiteral("cmdRitorno"), [this] { cmdRitorno_Click(); });
    click_.insert(QStringLiteral("cmdAzzeraSoste"), [this] { cmdAzzeraSoste_Click(); });
    click_.insert(QStringLiteral("cmdTrasferisce"), [this] { cmdTrasferisce_Click(); });
    click_.insert(QStringLiteral("cmdMemorizza"), [this] { cmdMemorizza_Click(); });
    click_.insert(QStringLiteral("cmdFine"), [this] { cmdFine_Click(); });
}
