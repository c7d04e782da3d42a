// The trip screen's controls: the heading with code, destination and
// country, the period, the speeds and totals, the daily times and rests.
#include "common/Date.h"
#include "model/TestataTabella.h"
#include "shell/FormViandora.h"

namespace {
// The rows of the speed and time panels.
int Riga(int r) {
    return 195 + r * 300;
}
} // namespace

void FormViandora::RegistraEtichetta(Etichetta& e, const char* nome, const QString& caption,
                                     const QString& genitore, int l, int t, int w) {
    Registra(e, QString::fromLatin1(nome), genitore, l, t + 30, w, 255);
    e.Caption = caption;
}

void FormViandora::CreaSchermoMeta() {
    CreaIntestazioneMeta();
    CreaPeriodoMeta();
    CreaVelocitaMeta();
    CreaTempiMeta();
    CreaPannelloVeicolo();
}

void FormViandora::CreaIntestazioneMeta() {
    const QString intesta = QStringLiteral("frmMetaIntesta");
    RegistraEtichetta(lblCodice, "lblCodice", QStringLiteral("Codice:"), intesta, 90, 90, 700);
    Registra(txtCodice, QStringLiteral("txtCodice"), intesta, 800, 75, 800, 285);
    txtCodice.Locked = true;
    RegistraEtichetta(lblLocalita, "lblLocalita", QStringLiteral("Mèta:"), intesta, 1750, 90, 600);
    Registra(txtLocalita, QStringLiteral("txtLocalita"), intesta, 2350, 75, 4500, 285);
    txtLocalita.MaxLength = 30;
    RegistraEtichetta(lblNazione, "lblNazione", QStringLiteral("Nazione:"), intesta, 7000, 90, 800);
    Registra(txtNazione, QStringLiteral("txtNazione"), intesta, 7800, 75, 2800, 285);
    // The stored country holds 19 characters: typing stops there.
    txtNazione.MaxLength = 19;
}

void FormViandora::CreaPeriodoMeta() {
    // Start and end of the trip: day, month, year on one row, weekday and
    // time on the next.
    const QString periodo = QStringLiteral("frmMetePeriodo");
    Registra(frmMeteInizio, QStringLiteral("frmMeteInizio"), periodo, 90, 210, 2220, 1020);
    frmMeteInizio.Caption = QStringLiteral("Inizio:");
    Registra(frmMeteFine, QStringLiteral("frmMeteFine"), periodo, 90, 1290, 2220, 1020);
    frmMeteFine.Caption = QStringLiteral("Fine:");
    const int xData[] = {90, 660, 1230};
    const int lData[] = {555, 555, 900};
    for (int k = 0; k < 3; ++k)
        Aggiungi(cmbInizio, QStringLiteral("cmbInizio"), QStringLiteral("frmMeteInizio"), xData[k], 270,
                 lData[k], 285);
    Aggiungi(cmbInizio, QStringLiteral("cmbInizio"), QStringLiteral("frmMeteInizio"), 660, 630, 555, 285);
    Aggiungi(cmbInizio, QStringLiteral("cmbInizio"), QStringLiteral("frmMeteInizio"), 1230, 630, 555, 285);
    Registra(txtInizioGSett, QStringLiteral("txtInizioGSett"), QStringLiteral("frmMeteInizio"), 90, 630, 555,
             285);
    txtInizioGSett.Locked = true;
    for (int k = 0; k < 3; ++k)
        Aggiungi(txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), xData[k], 270, lData[k],
                 285);
    Aggiungi(txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), 660, 630, 555, 285);
    Aggiungi(txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), 1230, 630, 555, 285);
    Aggiungi(txtFine, QStringLiteral("txtFine"), QStringLiteral("frmMeteFine"), 90, 630, 555, 285);
    for (auto& t : txtFine)
        t.Locked = true;
}

void FormViandora::CreaVelocitaMeta() {
    // Speeds and totals per road type.
    const QString velocita = QStringLiteral("frmMeteVelocita");
    RegistraEtichetta(lblKmh, "lblKmh", QStringLiteral("km/h"), velocita, 1150, Riga(0), 560);
    RegistraEtichetta(lblKm, "lblKm", QStringLiteral("Km."), velocita, 1740, Riga(0), 700);
    RegistraEtichetta(lblTempo, "lblTempo", QStringLiteral("Tempo"), velocita, 2470, Riga(0), 820);
    const char* tipi[] = {"Autostrada", "Superstrada", "Principale", "Locale"};
    for (int k = 0; k < 4; ++k) {
        lblTipoStrada.emplace_back();
        Registra(lblTipoStrada.back(), QStringLiteral("lblTipoStrada"), velocita, 90, Riga(k + 1) + 30, 1050,
                 255, k);
        lblTipoStrada.back().Caption = QString::fromLatin1(tipi[k]);
        Aggiungi(cmbMediaKm, QStringLiteral("cmbMediaKm"), velocita, 1150, Riga(k + 1), 560, 285);
    }
    for (int k = 0; k < 5; ++k) {
        Aggiungi(txtKmTot, QStringLiteral("txtKmTot"), velocita, 1740, Riga(k + 1), 700, 285).Locked = true;
        Aggiungi(txtTempo, QStringLiteral("txtTempo"), velocita, 2470, Riga(k + 1), 820, 285).Locked = true;
    }
    RegistraEtichetta(lblTotale, "lblTotale", QStringLiteral("Totale:"), velocita, 90, Riga(5), 1050);
    RegistraEtichetta(lblTragh, "lblTragh", QStringLiteral("Traghetti:"), velocita, 90, Riga(6), 1050);
    Registra(txtTragh, QStringLiteral("txtTragh"), velocita, 1740, Riga(6), 700, 285);
    txtTragh.Locked = true;
}

void FormViandora::CreaTempiMeta() {
    // Daily times: nine hour/minute pairs, rests, days and stop choice.
    const QString tempi = QStringLiteral("frmMeteTempi");
    for (int k = 0; k < 9; ++k) {
        cmbOra.emplace_back();
        cmbMin.emplace_back();
    }
    struct Posto {
        int coppia, riga, colonna;
    };
    const Posto posti[] = {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {3, 3, 0}, {6, 4, 0},
                           {8, 0, 1}, {4, 1, 1}, {5, 2, 1}, {7, 4, 1}};
    for (const Posto& p : posti) {
        const int x = p.colonna == 0 ? 1200 : 3190;
        Registra(cmbOra[p.coppia], QStringLiteral("cmbOra"), tempi, x, Riga(p.riga), 520, 285, p.coppia);
        Registra(cmbMin[p.coppia], QStringLiteral("cmbMin"), tempi, x + 530, Riga(p.riga), 520, 285,
                 p.coppia);
    }
    RegistraEtichetta(lblMetePauseColaz, "lblMetePauseColaz", QStringLiteral("Colazione:"), tempi, 90,
                      Riga(0), 1100);
    RegistraEtichetta(lblMetePausaPranzo, "lblMetePausaPranzo", QStringLiteral("Pranzo:"), tempi, 90, Riga(1),
                      1100);
    RegistraEtichetta(lblMetePausaCena, "lblMetePausaCena", QStringLiteral("Cena:"), tempi, 90, Riga(2),
                      1100);
    RegistraEtichetta(lblMetePauseNotte, "lblMetePauseNotte", QStringLiteral("Notte:"), tempi, 90, Riga(3),
                      1100);
    RegistraEtichetta(lblVisite, "lblVisite", QStringLiteral("Visite dalle:"), tempi, 90, Riga(4), 1100);
    RegistraEtichetta(lblTraghetto, "lblTraghetto", QStringLiteral("Traghetto:"), tempi, 2300, Riga(0), 880);
    RegistraEtichetta(lblDurataPranzo, "lblDurataPranzo", QStringLiteral("durata:"), tempi, 2300, Riga(1),
                      880);
    RegistraEtichetta(lblDurataCena, "lblDurataCena", QStringLiteral("durata:"), tempi, 2300, Riga(2), 880);
    RegistraEtichetta(lblVisiteAlle, "lblVisiteAlle", QStringLiteral("alle:"), tempi, 2300, Riga(4), 880);

    RegistraEtichetta(lblRipM, "lblRipM", QStringLiteral("Riposo min.:"), tempi, 90, Riga(5), 1100);
    Registra(cmbRipM, QStringLiteral("cmbRipM"), tempi, 1200, Riga(5), 520, 285);
    RegistraEtichetta(lblRipH, "lblRipH", QStringLiteral("ogni ore:"), tempi, 2300, Riga(5), 880);
    Registra(cmbRipH, QStringLiteral("cmbRipH"), tempi, 3190, Riga(5), 520, 285);
    RegistraEtichetta(lblRipG, "lblRipG", QStringLiteral("Gg. riposo:"), tempi, 90, Riga(6), 1100);
    Registra(cmbRipG, QStringLiteral("cmbRipG"), tempi, 1200, Riga(6), 520, 285);
    RegistraEtichetta(lblRipGG, "lblRipGG", QStringLiteral("ogni gg.:"), tempi, 2300, Riga(6), 880);
    Registra(cmbRipGG, QStringLiteral("cmbRipGG"), tempi, 3190, Riga(6), 520, 285);
    Registra(cmbSoste, QStringLiteral("cmbSoste"), tempi, 2300, Riga(3), 1940, 285);
    cmbSoste.ToolTipText = QStringLiteral("Calcolo delle soste");

    RegistraEtichetta(lblGiorni, "lblGiorni", QStringLiteral("Giorni max:"), tempi, 4330, Riga(0), 1300);
    Registra(cmbGiorni, QStringLiteral("cmbGiorni"), tempi, 4330, Riga(1), 800, 285);
    RegistraEtichetta(lblDefault, "lblDefault", QStringLiteral("Default:"), tempi, 4330, Riga(3), 1300);
    // Without mnemonics for loading and restoring: every letter of them
    // already opens a command visible beside them.
    const char* defaultCaption[] = {"Sa&lva", "Carica", "Reset"};
    for (int k = 0; k < 3; ++k)
        Aggiungi(cmdDefault, QStringLiteral("cmdDefault"), tempi, 4330, Riga(4 + k), 1300, 285).Caption =
            QString::fromLatin1(defaultCaption[k]);
}

TestataTabella FormViandora::TestataSchermo() const {
    TestataTabella t;
    auto orario = [](const Elenco& ora, const Elenco& minuti) { return ora.Text() + u':' + minuti.Text(); };
    t.Localita = txtLocalita.Text;
    t.Nazione = txtNazione.Text;
    t.Inizio = Data2Data(cmbInizio[0].Text() + cmbInizio[1].Text() + cmbInizio[2].Text());
    t.InizioGiorno = txtInizioGSett.Text;
    t.InizioOra = orario(cmbInizio[3], cmbInizio[4]);
    t.Fine = Data2Data(txtFine[0].Text + txtFine[1].Text + txtFine[2].Text);
    t.FineGiorno = txtFine[5].Text;
    t.FineOra = txtFine[3].Text + u':' + txtFine[4].Text;
    t.Giorni = txtGiorni.Text;
    t.KmTotali = txtKmTot[4].Text;
    for (size_t k = 0; k < 4; ++k) {
        t.Velocita[k] = cmbMediaKm[k].Text();
        t.Km[k] = txtKmTot[k].Text;
        t.Tempo[k] = txtTempo[k].Text;
    }
    t.Traghetti = txtTragh.Text;
    for (size_t k = 0; k < 9; ++k)
        t.Orari[k] = orario(cmbOra[k], cmbMin[k]);
    t.RiposoMinuti = cmbRipM.Text();
    t.RiposoOre = cmbRipH.Text();
    t.RiposoGiorno = cmbRipG.Text();
    t.RiposoDopoGiorni = cmbRipGG.Text();
    return t;
}

QString FormViandora::ArgomentoTaccuvo() const {
    return txtLocalita.Text + u',' + cmbInizio[0].Text() + u'/' + cmbInizio[1].Text() + u'/' +
           cmbInizio[2].Text() + u',' + txtFine[0].Text + u'/' + txtFine[1].Text + u'/' + txtFine[2].Text;
}
