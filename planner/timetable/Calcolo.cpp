// The calculation as the user starts it: the prepared stage table, one pass
// or up to eleven passes that scale the stops until the trip fits the days
// asked for, the return limits and the locked timetable view; and the
// commands that start it and unlock it.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "shell/FormViandora.h"

namespace {
const QString TitoloCalcolo = QStringLiteral("Calcolo tabella di marcia");
} // namespace

void FormViandora::CalcolaTabellaDiMarcia() {
    ComandiMeta = QStringLiteral("zz");
    AbilitaPulsantiComando();
    if (TabellaCalcolata) {
        RiprendiElencoTappe();
        AzzeraPercentuale();
        ComandiMeta = QStringLiteral("CaSt");
        AbilitaPulsantiComando();
        return;
    }

    // The guide's entries are read once per run, and not kept after it.
    struct SvuotaVoci {
        QHash<QString, QList<QStringList>>& voci;
        ~SvuotaVoci() { voci.clear(); }
    } svuota{VociGuidaCalcolo};
    VociGuidaCalcolo.clear();

    // A failing database abandons the run; the stage list and the commands
    // must come back, or the window would stay locked.
    try {
        if (!PassateTabellaDiMarcia()) return;
        const float giornoFine = GiornoCorrente;
        const float oraFine = OraCorrente;
        CalcolaLimitiProsecuzione();
        CalcolaLimitiRitorno(giornoFine, oraFine);
    } catch (...) {
        if (TabellaCalcolata)
            RiprendiElencoTappe();
        else
            AttivaFormMeta(true);
        ComandiMeta = QStringLiteral("all");
        AbilitaPulsantiComando();
        AzzeraPercentuale();
        throw;
    }

    mfgTab.TopRow = 1;
    mfgTab.Modificata();
    cmdCalcola.Caption = QStringLiteral("&Sblocca");
    TabellaCalcolata = true;

    AzzeraPercentuale();
    const qint16 giorniRichiesti = ParametriMeta.GiorniAdeguamento;
    if (AttivitaCorrente != QLatin1String("Stampa") && giorniRichiesti > 0) {
        const QString messaggio =
            GiorniStimati == giorniRichiesti
                ? QStringLiteral("Elaborazione conclusa in %1 tentativi!").arg(NumeroTentativo)
                : QStringLiteral("Elaborazione impossibile! (tentativi effettuati n. %1)")
                      .arg(NumeroTentativo);
        piattaforma_.MsgBox(messaggio, Msg::OkOnly | Msg::Information, TitoloCalcolo);
    }
    ComandiMeta = QStringLiteral("CaSt");
    AbilitaPulsantiComando();
}

bool FormViandora::PassateTabellaDiMarcia() {
    float Ts = 0;
    PreparaTabellaPerCalcoloTabellaDiMarcia(Ts);
    // Cleared before "&Stop" shows: a stop pressed at once must count.
    Interrompi = false;
    ComandiMeta = QStringLiteral("Es");
    AbilitaPulsantiComando();

    // The whole days of driving and stops, with a quarter more for meals and
    // nights. With neither there is no days part: the trip takes one day.
    QString tempoGuida = txtTempo[4].Text;
    const QString totale =
        ghmCentesimi2Stringa(Ts + ghmStringa2Centesimi(tempoGuida, CentesimiGiorno), CentesimiGiorno);
    const qsizetype duePunti = totale.indexOf(u':');
    const double D = duePunti < 0 ? 0 : Val(totale.left(duePunti));
    GiorniStimati = Int((D + 1) * 1.25 + 0.5);

    TabellaCalcolata = true;
    mfgTab.SetTextMatrix(0, 7, QStringLiteral("Sosta"));
    mfgTab.SetColWidth(7, mfgTab.ColWidth(7) + mfgTab.ColWidth(8));
    mfgTab.SetColWidth(8, 0);

    TolleranzaPasti = Maggiore<qint16>(qint16(ParametriMeta.RiposoMinuti + 1), 10);
    FattoreSoste = 1;
    NumeroTentativo = 0;
    do {
        Aggiorna(false);
        const qint16 giorniRichiesti = ParametriMeta.GiorniAdeguamento;
        FattoreSoste = giorniRichiesti == 0
                           ? 1.0f
                           : float(Int(giorniRichiesti / (GiorniStimati + 0.00000000001) * 1000) / 1000);
        ++NumeroTentativo;
        QString etichetta = QStringLiteral("Calcolo della tabella di marcia, text n. ") +
                            QString::number(NumeroTentativo) + QStringLiteral("/11");
        if (GiorniStimati > 0)
            etichetta += QStringLiteral(" [") + TestoNumero(GiorniStimati) + u'/' +
                         QString::number(giorniRichiesti) + QStringLiteral("*I=") +
                         TestoNumero(FattoreSoste) + u']';
        lblElaborazione.Caption = etichetta;

        if (!PassaggioTabellaDiMarcia()) {
            if (AttivitaCorrente == QLatin1String("Ricalcola")) {
                AttivitaInserimentoItinerario();
                AttivaFormMeta(true);
            } else {
                RiprendiElencoTappe();
            }
            ComandiMeta = QStringLiteral("all");
            AbilitaPulsantiComando();
            AzzeraPercentuale();
            return false;
        }
        GiorniStimati = Val(txtGiorni.Text);
    } while (GiorniStimati != ParametriMeta.GiorniAdeguamento && ParametriMeta.GiorniAdeguamento != 0 &&
             NumeroTentativo <= 10);
    return true;
}

void FormViandora::RiprendiElencoTappe() {
    AttivaFormMeta(true);
    RicomponiTabellaMfgTab();
    CalcolaKmTempiItinerario();
}

void FormViandora::cmdCalcola_Click() {
    if (cmdCalcola.Caption == QLatin1String("&Calcola")) {
        CalcolaTabellaDiMarcia();
        return;
    }
    // Unlocking: back to the stage editor with the stage list.
    AttivitaInserimentoItinerario();
    ComandiMeta = QStringLiteral("all");
    AbilitaPulsantiComando();
    AttivaFormMeta(true);
}

void FormViandora::cmdRicalcola_Click() {
    mfgTab.Width = 11535;
    frmInputBox.Visible = false;
    AttivitaCorrente = QStringLiteral("Ricalcola");
    CalcolaTabellaDiMarcia();
    ComandiMeta = QStringLiteral("Ca");
    AbilitaPulsantiComando();
    mfgTab.Modificata();
}

void FormViandora::CollegaEventiCalcolo() {
    // The trip's length in days, at the free end of the "Fine:" row.
    Registra(txtGiorni, QStringLiteral("txtGiorni"), QStringLiteral("frmMeteFine"), 1800, 630, 330, 285);
    txtGiorni.Locked = true;
    txtGiorni.ToolTipText = QStringLiteral("Durata del viaggio in giorni");

    click_.insert(QStringLiteral("cmdCalcola"), [this] { cmdCalcola_Click(); });
    click_.insert(QStringLiteral("cmdRicalcola"), [this] { cmdRicalcola_Click(); });
}
