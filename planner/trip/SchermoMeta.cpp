// The trip screen's controls: the heading with code, destination and
// country, the period, the speeds and totals, the daily times and rests.
#include "common/Date.h"
#include "database/Database.h"
#include "model/TestataTabella.h"
#include "shell/ControlliMeta.h"
#include "shell/FinestraComune.h"
#include "trip/ControlloreMeta.h"

namespace {
// The rows of the speed and time panels.
int Riga(int r) {
    return 195 + r * 300;
}
} // namespace

void ControlloreMeta::RegistraEtichetta(Etichetta& e, const char* nome, const QString& caption,
                                        const QString& genitore, int l, int t, int w) {
    f_.Registra(e, QString::fromLatin1(nome), genitore, l, t + 30, w, 255);
    e.Caption = caption;
}

void ControlloreMeta::CreaSchermo() {
    CreaIntestazioneMeta();
    CreaPeriodoMeta();
    CreaVelocitaMeta();
    CreaTempiMeta();
    CreaPannelloVeicolo();
}

void ControlloreMeta::CreaIntestazioneMeta() {
    const QString intesta = QStringLiteral("frmMetaIntesta");
    RegistraEtichetta(ui.lblCodice, "lblCodice", QStringLiteral("Codice:"), intesta, 90, 90, 700);
    f_.Registra(ui.txtCodice, QStringLiteral("txtCodice"), intesta, 800, 75, 800, 285);
    ui.txtCodice.Locked = true;
    RegistraEtichetta(ui.lblLocalita, "lblLocalita", QStringLiteral("Mèta:"), intesta, 1750, 90, 600);
    f_.Registra(ui.txtLocalita, QStringLiteral("txtLocalita"), intesta, 2350, 75, 4500, 285);
    ui.txtLocalita.MaxLength = 30;
    RegistraEtichetta(ui.lblNazione, "lblNazione", QStringLiteral("Nazione:"), intesta, 7000, 90, 800);
    f_.Registra(ui.txtNazione, QStringLiteral("txtNazione"), intesta, 7800, 75, 2800, 285);
    // The stored country holds 19 characters: typing stops there.
    ui.txtNazione.MaxLength = 19;
}

void ControlloreMeta::CreaPeriodoMeta() {
    // Start and end of the trip: day, month, year on one row, weekday and
    // time on the next.
    const QString periodo = QStringLiteral("frmMetePeriodo");
    f_.Registra(ui.frmMeteInizio, QStringLiteral("frmMeteInizio"), periodo, 90, 210, 2220, 1020);
    ui.frmMeteInizio.Caption = QStringLiteral("Inizio:");
    f_.Registra(ui.frmMeteFine, QStringLiteral("frmMeteFine"), periodo, 90, 1290, 2220, 1020);
    ui.frmMeteFine.Caption = QStringLiteral("Fine:");
    const int xData[] = {90, 660, 1230};
    const int lData[] = {555, 555, 900};
    for (int k = 0; k < 3; ++k)
        f_.Aggiungi(ui.cmbInizio, QStringLiteral("cmbInizio"), QStringLiteral("frmMeteInizio"), xData[k], 270,
                    lData[k], 285);
    f_.Aggiungi(ui.cmbInizio, QStringLiteral("cmbInizio"), QStringLiteral("frmMeteInizio"), 660, 630, 555,
                285);
    f_.Aggiungi(ui.cmbInizio, QStringLiteral("cmbInizio"), QStringLiteral("frmMeteInizio"), 1230, 630, 555,
                285);
    f_.Registra(ui.txtInizioGSett, QStringLiteral("txtInizioGSett"), QStringLiteral("frmMeteInizio"), 90, 630,
                555, 285);
    ui.txtInizioGSett.Locked = true;
    for (int k = 0; k < 3; ++k)
        f_.Aggiungi(ui.txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), xData[k], 270,
                    lData[k], 285);
    f_.Aggiungi(ui.txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), 660, 630, 555, 285);
    f_.Aggiungi(ui.txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), 1230, 630, 555, 285);
    f_.Aggiungi(ui.txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), 90, 630, 555, 285);
    for (auto& t : ui.txtFine)
        t.Locked = true;
}

void ControlloreMeta::CreaVelocitaMeta() {
    // Speeds and totals per road type.
    const QString velocita = QStringLiteral("frmMeteVelocita");
    RegistraEtichetta(ui.lblKmh, "lblKmh", QStringLiteral("km/h"), velocita, 1150, Riga(0), 560);
    RegistraEtichetta(ui.lblKm, "lblKm", QStringLiteral("Km."), velocita, 1740, Riga(0), 700);
    RegistraEtichetta(ui.lblTempo, "lblTempo", QStringLiteral("Tempo"), velocita, 2470, Riga(0), 820);
    const char* tipi[] = {"Autostrada", "Superstrada", "Principale", "Locale"};
    for (int k = 0; k < 4; ++k) {
        ui.lblTipoStrada.emplace_back();
        f_.Registra(ui.lblTipoStrada.back(), QStringLiteral("lblTipoStrada"), velocita, 90, Riga(k + 1) + 30,
                    1050, 255, k);
        ui.lblTipoStrada.back().Caption = QString::fromLatin1(tipi[k]);
        f_.Aggiungi(ui.cmbMediaKm, QStringLiteral("cmbMediaKm"), velocita, 1150, Riga(k + 1), 560, 285);
    }
    for (int k = 0; k < 5; ++k) {
        f_.Aggiungi(ui.txtKmTot, QStringLiteral("txtKmTot"), velocita, 1740, Riga(k + 1), 700, 285).Locked =
            true;
        f_.Aggiungi(ui.txtTempo, QStringLiteral("txtTempo"), velocita, 2470, Riga(k + 1), 820, 285).Locked =
            true;
    }
    RegistraEtichetta(ui.lblTotale, "lblTotale", QStringLiteral("Totale:"), velocita, 90, Riga(5), 1050);
    RegistraEtichetta(ui.lblTragh, "lblTragh", QStringLiteral("Traghetti:"), velocita, 90, Riga(6), 1050);
    f_.Registra(ui.txtTragh, QStringLiteral("txtTragh"), velocita, 1740, Riga(6), 700, 285);
    ui.txtTragh.Locked = true;
}

void ControlloreMeta::CreaTempiMeta() {
    // Daily times: nine hour/minute pairs, rests, days and stop choice.
    const QString tempi = QStringLiteral("frmMeteTempi");
    for (int k = 0; k < 9; ++k) {
        ui.cmbOra.emplace_back();
        ui.cmbMin.emplace_back();
    }
    struct Posto {
        int coppia, riga, colonna;
    };
    const Posto posti[] = {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {3, 3, 0}, {6, 4, 0},
                           {8, 0, 1}, {4, 1, 1}, {5, 2, 1}, {7, 4, 1}};
    for (const Posto& p : posti) {
        const int x = p.colonna == 0 ? 1200 : 3190;
        f_.Registra(ui.cmbOra[p.coppia], QStringLiteral("cmbOra"), tempi, x, Riga(p.riga), 520, 285,
                    p.coppia);
        f_.Registra(ui.cmbMin[p.coppia], QStringLiteral("cmbMin"), tempi, x + 530, Riga(p.riga), 520, 285,
                    p.coppia);
    }
    RegistraEtichetta(ui.lblMetePauseColaz, "lblMetePauseColaz", QStringLiteral("Colazione:"), tempi, 90,
                      Riga(0), 1100);
    RegistraEtichetta(ui.lblMetePausaPranzo, "lblMetePausaPranzo", QStringLiteral("Pranzo:"), tempi, 90,
                      Riga(1), 1100);
    RegistraEtichetta(ui.lblMetePausaCena, "lblMetePausaCena", QStringLiteral("Cena:"), tempi, 90, Riga(2),
                      1100);
    RegistraEtichetta(ui.lblMetePauseNotte, "lblMetePauseNotte", QStringLiteral("Notte:"), tempi, 90, Riga(3),
                      1100);
    RegistraEtichetta(ui.lblVisite, "lblVisite", QStringLiteral("Visite dalle:"), tempi, 90, Riga(4), 1100);
    RegistraEtichetta(ui.lblTraghetto, "lblTraghetto", QStringLiteral("Traghetto:"), tempi, 2300, Riga(0),
                      880);
    RegistraEtichetta(ui.lblDurataPranzo, "lblDurataPranzo", QStringLiteral("durata:"), tempi, 2300, Riga(1),
                      880);
    RegistraEtichetta(ui.lblDurataCena, "lblDurataCena", QStringLiteral("durata:"), tempi, 2300, Riga(2),
                      880);
    RegistraEtichetta(ui.lblVisiteAlle, "lblVisiteAlle", QStringLiteral("alle:"), tempi, 2300, Riga(4), 880);

    RegistraEtichetta(ui.lblRipM, "lblRipM", QStringLiteral("Riposo min.:"), tempi, 90, Riga(5), 1100);
    f_.Registra(ui.cmbRipM, QStringLiteral("cmbRipM"), tempi, 1200, Riga(5), 520, 285);
    RegistraEtichetta(ui.lblRipH, "lblRipH", QStringLiteral("ogni ore:"), tempi, 2300, Riga(5), 880);
    f_.Registra(ui.cmbRipH, QStringLiteral("cmbRipH"), tempi, 3190, Riga(5), 520, 285);
    RegistraEtichetta(ui.lblRipG, "lblRipG", QStringLiteral("Gg. riposo:"), tempi, 90, Riga(6), 1100);
    f_.Registra(ui.cmbRipG, QStringLiteral("cmbRipG"), tempi, 1200, Riga(6), 520, 285);
    RegistraEtichetta(ui.lblRipGG, "lblRipGG", QStringLiteral("ogni gg.:"), tempi, 2300, Riga(6), 880);
    f_.Registra(ui.cmbRipGG, QStringLiteral("cmbRipGG"), tempi, 3190, Riga(6), 520, 285);
    f_.Registra(ui.cmbSoste, QStringLiteral("cmbSoste"), tempi, 2300, Riga(3), 1940, 285);
    ui.cmbSoste.ToolTipText = QStringLiteral("Calcolo delle soste");

    RegistraEtichetta(ui.lblGiorni, "lblGiorni", QStringLiteral("Giorni max:"), tempi, 4330, Riga(0), 1300);
    f_.Registra(ui.cmbGiorni, QStringLiteral("cmbGiorni"), tempi, 4330, Riga(1), 800, 285);
    RegistraEtichetta(ui.lblDefault, "lblDefault", QStringLiteral("Default:"), tempi, 4330, Riga(3), 1300);
    // Without mnemonics for loading and restoring: every letter of them
    // already opens a command visible beside them.
    const char* defaultCaption[] = {"Sa&lva", "Carica", "Reset"};
    for (int k = 0; k < 3; ++k)
        f_.Aggiungi(ui.cmdDefault, QStringLiteral("cmdDefault"), tempi, 4330, Riga(4 + k), 1300, 285)
            .Caption = QString::fromLatin1(defaultCaption[k]);
}

TestataTabella ControlloreMeta::TestataSchermo() const {
    TestataTabella t;
    auto orario = [](const Elenco& ora, const Elenco& minuti) { return ora.Text() + u':' + minuti.Text(); };
    t.Localita = ui.txtLocalita.Text;
    t.Nazione = ui.txtNazione.Text;
    t.Inizio = Data2Data(ui.cmbInizio[0].Text() + ui.cmbInizio[1].Text() + ui.cmbInizio[2].Text());
    t.InizioGiorno = ui.txtInizioGSett.Text;
    t.InizioOra = orario(ui.cmbInizio[3], ui.cmbInizio[4]);
    t.Fine = Data2Data(ui.txtFine[0].Text + ui.txtFine[1].Text + ui.txtFine[2].Text);
    t.FineGiorno = ui.txtFine[5].Text;
    t.FineOra = ui.txtFine[3].Text + u':' + ui.txtFine[4].Text;
    t.Giorni = ui.txtGiorni.Text;
    t.KmTotali = ui.txtKmTot[4].Text;
    for (size_t k = 0; k < 4; ++k) {
        t.Velocita[k] = ui.cmbMediaKm[k].Text();
        t.Km[k] = ui.txtKmTot[k].Text;
        t.Tempo[k] = ui.txtTempo[k].Text;
    }
    t.Traghetti = ui.txtTragh.Text;
    for (size_t k = 0; k < 9; ++k)
        t.Orari[k] = orario(ui.cmbOra[k], ui.cmbMin[k]);
    t.RiposoMinuti = ui.cmbRipM.Text();
    t.RiposoOre = ui.cmbRipH.Text();
    t.RiposoGiorno = ui.cmbRipG.Text();
    t.RiposoDopoGiorni = ui.cmbRipGG.Text();
    return t;
}

QString ControlloreMeta::ArgomentoTaccuvo() const {
    return ui.txtLocalita.Text + u',' + ui.cmbInizio[0].Text() + u'/' + ui.cmbInizio[1].Text() + u'/' +
           ui.cmbInizio[2].Text() + u',' + ui.txtFine[0].Text + u'/' + ui.txtFine[1].Text + u'/' +
           ui.txtFine[2].Text;
}
