// Command lists, confirmations, progress bar and exit.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"

namespace {
struct CodiceComando {
    const char* codice;
    Pulsante FormViandora::*pulsante;
};

const CodiceComando ComandiDellaMeta[] = {
    {"Nu", &FormViandora::cmdNuovo},      {"Ri", &FormViandora::cmdRicerca},
    {"Sa", &FormViandora::cmdSalva},      {"Cm", &FormViandora::cmdCancMeta},
    {"Ca", &FormViandora::cmdCalcola},    {"St", &FormViandora::cmdStampa},
    {"It", &FormViandora::cmdItinerario}, {"Gc", &FormViandora::cmdGuidaCitta},
    {"Ci", &FormViandora::cmdCancItin},   {"Es", &FormViandora::cmdEsce},
    {"Im", &FormViandora::cmdImport},     {"Ex", &FormViandora::cmdExport},
};

const CodiceComando ComandiDellItinerario[] = {
    {"In", &FormViandora::cmdInserisce},   {"Ag", &FormViandora::cmdAggiunge},
    {"Ca", &FormViandora::cmdCancella},    {"Rc", &FormViandora::cmdRicalcola},
    {"Rt", &FormViandora::cmdRitorno},     {"Ce", &FormViandora::cmdCerca},
    {"Fi", &FormViandora::cmdFine},        {"Me", &FormViandora::cmdMemorizza},
    {"Du", &FormViandora::cmdDuplica},     {"Az", &FormViandora::cmdAzzeraSoste},
    {"Tr", &FormViandora::cmdTrasferisce},
};

bool Tutti(const QString& comandi) {
    return comandi.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0;
}

// The commands that store the user's data, off in a window that only reads.
bool Scrive(const char* codice, bool itinerario) {
    static const char* const meta[] = {"Sa", "Cm", "Ci", "Im"};
    if (itinerario) return qstrcmp(codice, "Me") == 0;
    for (const char* c : meta)
        if (qstrcmp(codice, c) == 0) return true;
    return false;
}
} // namespace

void FormViandora::ImpostaDefault(Pulsante& pulsante) {
    // Only one button of the window answers Enter.
    for (Controllo* c : controlli_)
        if (c->TipoControllo() == Controllo::Tipo::Pulsante) static_cast<Pulsante*>(c)->Default = false;
    pulsante.Default = true;
}

void FormViandora::AbilitaPulsantiComando() {
    if (Tutti(ComandiMeta) || Tutti(ComandiItinerario)) {
        cmbRicercaTappa.Visible = false;
        ImpostaDefault(cmdEsce);
    }
    // A calculated timetable on screen allows only unlocking and printing.
    if (ComandiMeta != QLatin1String("vv") && Itinerario.Calcola == StatoItinerario::ComandoCalcola::Sblocca)
        ComandiMeta = QStringLiteral("CaSt");
    if (Tutti(ComandiMeta)) ComandiMeta = QStringLiteral("NuRiSaCmCaStItGcCiEsImEx");
    if (Tutti(ComandiItinerario)) ComandiItinerario = QStringLiteral("InAgCaRcRtCeFiMeDuAzTr");
    if (frmInputBox.Visible) ComandiMeta = QStringLiteral("F");

    const bool solaLettura = Db.SolaLettura();
    for (const CodiceComando& c : ComandiDellaMeta)
        (this->*(c.pulsante)).Enabled =
            ComandiMeta.contains(QLatin1String(c.codice)) && !(solaLettura && Scrive(c.codice, false));
    // While a long run offers only the exit button, it stops the run.
    Uscita = ComandiMeta == QLatin1String("Es") ? ComandoUscita::Stop : ComandoUscita::Esce;
    cmdEsce.Caption = Uscita == ComandoUscita::Stop ? QStringLiteral("&Stop") : QStringLiteral("&Esce");

    for (const CodiceComando& c : ComandiDellItinerario)
        (this->*(c.pulsante)).Enabled =
            ComandiItinerario.contains(QLatin1String(c.codice)) && !(solaLettura && Scrive(c.codice, true));
    // The search needs two stages; an import goes only into an empty or
    // one-stage itinerary.
    cmdCerca.Enabled = cmdCerca.Enabled && Itinerario.NumeroTappe > 1;
    cmdMapPoint.Enabled = Itinerario.NumeroTappe < 2;
    // The summary and the calendar go with a calculated timetable on screen.
    const bool tabella = Itinerario.Calcola == StatoItinerario::ComandoCalcola::Sblocca && cmdStampa.Enabled;
    cmdRiepilogo.Enabled = tabella;
    cmdCalendario.Enabled = tabella;
    cmdConverte.Enabled = false;
    cmdConverte.Visible = false;

    cmdEsce.Cancel = ComandiMeta == QLatin1String("NuRiEs") || ComandiMeta == QLatin1String("NuRi");
    cmdEsce.ToolTipText =
        QStringLiteral("Esce dal form") + (cmdEsce.Cancel ? QStringLiteral(" (Esc attivo)") : QString());
    piattaforma_.ElaboraEventi();
}

void FormViandora::OffriComandi(const QString& meta, const QString& itinerario) {
    ComandiMeta = meta;
    if (!itinerario.isNull()) ComandiItinerario = itinerario;
    AbilitaPulsantiComando();
}

bool FormViandora::Conferma(const QString& operazione) {
    QString titolo = operazione;
    BoxConferma(titolo);
    return RispostaConferma == Msg::Yes;
}

void FormViandora::BoxConferma(QString& operazione) {
    static const struct {
        const char* codice;
        const char* titolo;
    } titoli[] = {
        {"I", "Inserimento meta"},
        {"A", "Annullamento meta"},
        {"M", "Modifica dati mèta"},
        {"R", "Reset file mète"},
        {"T", "Memorizzazione dell'itinerario"},
        {"CR", "Cancellazione tappa"},
        {"S", "Stampare l'itinerario"},
        {"IP", "Inserimento tappe percorso"},
        {"IS", "Inserimento soste del percorso"},
        {"AB", "Rinuncia alle modifiche"},
        {"CI", "la rinuncia alle eventuali modifiche dell'itinerario"},
        {"AI", "Annullamento itinerario"},
        {"DF", "Memorizzazione dati mèta di default"},
        {"EX", "Export delle mète selezionate"},
        {"IM", "Import delle mète selezionate nei propri archivi"},
    };
    for (const auto& t : titoli) {
        if (operazione == QLatin1String(t.codice)) {
            operazione = QString::fromUtf8(t.titolo);
            break;
        }
    }
    RispostaConferma =
        qint16(piattaforma_.MsgBox(QStringLiteral("Confermi ") + operazione.toLower() + QStringLiteral("?"),
                                   Msg::YesNo | Msg::Question, operazione));
}

void FormViandora::AggiornaPercentuale() {
    ContatoreProgresso = qBound(0.0, ContatoreProgresso, qMax(0.0, TotaleProgresso));
    txtPerc.Visible = ContatoreProgresso != 0;
    if (ContatoreProgresso == 0) {
        lblElaborazione.Caption = QStringLiteral("Sposta il mouse sui pulsanti/campi attivi per istruzioni.");
        txtBase.Text.clear();
        txtPerc.Width = 0;
        return;
    }
    const int p = int(Int(ContatoreProgresso / TotaleProgresso * 100));
    txtPerc.Width = txtBase.Width * p / 100;
    txtPerc.Text = QString::number(p) + QStringLiteral("%");
    piattaforma_.ElaboraEventi();
}

void FormViandora::AzzeraPercentuale() {
    ContatoreProgresso = 0;
    TotaleProgresso = 0;
    AggiornaPercentuale();
}

void FormViandora::InizioAvanzamento(const QString& didascalia, double totale) {
    lblElaborazione.Caption = didascalia;
    TotaleProgresso = totale;
    ContatoreProgresso = 0;
}

void FormViandora::PosizioneAvanzamento(double posizione, double totale) {
    TotaleProgresso = totale;
    ContatoreProgresso = posizione;
    AggiornaPercentuale();
}

void FormViandora::Avanza() {
    AvanzaPercentuale(ContatoreProgresso + 1);
}

void FormViandora::FineAvanzamento() {
    AzzeraPercentuale();
}

void FormViandora::cmdEsce_Click() {
    if (Uscita == ComandoUscita::Stop) {
        if (piattaforma_.MsgBox(QStringLiteral("Vuoi interrompere l'elaborazione?"),
                                Msg::YesNo | Msg::Question, QStringLiteral("Fine Lavoro")) == Msg::Yes)
            Interrompi = true;
        return;
    }
    if (piattaforma_.MsgBox(QStringLiteral("Vuoi chiudere la procedura?"), Msg::YesNo | Msg::Question,
                            QStringLiteral("Fine Lavoro")) != Msg::Yes)
        return;
    AttivaFormMeta(true);
    mfgTab.Width = 11535;
    frmInputBox.Visible = false;
    Db.Chiudi();
    Termina();
}

void FormViandora::Form_QueryUnload(bool& annulla) {
    annulla = true;
    if (terminato_)
        annulla = false;
    else if (cmdEsce.Enabled && cmdEsce.Visible)
        cmdEsce_Click();
    else
        // Closing the window is "&Esce", which this screen does not offer:
        // the user is told what comes first.
        piattaforma_.MsgBox(
            frmInputBox.Visible ? QStringLiteral("Per chiudere la procedura esci prima dall'inserimento "
                                                 "dell'itinerario con \"Fine inser.\".")
            : Itinerario.Calcola == StatoItinerario::ComandoCalcola::Sblocca
                ? QStringLiteral(
                      "Per chiudere la procedura sblocca prima la tabella di marcia con \"Sblocca\".")
                : QStringLiteral("Per chiudere la procedura termina prima l'operazione in corso."),
            Msg::OkOnly | Msg::Information, QStringLiteral("Fine Lavoro"));
    if (terminato_) annulla = false;
}

void FormViandora::PulisciFinestre() {
    mfgTab.Width = 11535;
    mfgTab.Height = 4055;
    cmbRicercaTappa.Visible = false;
    frmPercorso.Visible = false;
    mfgCopia.Visible = false;
    frmLista.Visible = false;
    frmInputBox.Visible = false;
    frmGuida.Visible = false;
}

void FormViandora::AvanzaPercentuale(double contatore) {
    auto percento = [this](double c) {
        return TotaleProgresso > 0 ? int(Int(c / TotaleProgresso * 100)) : 0;
    };
    // Thousands of rows would otherwise redraw the bar thousands of times.
    const bool ridisegna = ContatoreProgresso == 0 || percento(contatore) != percento(ContatoreProgresso);
    ContatoreProgresso = contatore;
    if (ridisegna) AggiornaPercentuale();
}
