// Copying a stretch of another trip's stored itinerary into the open one:
// the list of trips, the chosen trip's stages, the two marked stages and the
// insertion, forwards or backwards, with or without the stops.
#include "itinerary/CopiaTratto.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "database/Database.h"
#include "itinerary/ControlloreItinerario.h"
#include "model/CampiMeta.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/Itinerario.h"
#include "trip/Meta.h"

namespace {

const QString PannelloTratto = QStringLiteral("frmPercorso");
constexpr int LarghezzaGrigliaEditor = 7950;

enum ColonnaCopia { CopiaNumero = 0, CopiaLocalita, CopiaStrada, CopiaKm, CopiaTipo, CopiaSosta };
enum ColonnaMeta { MetaNumero = 0, MetaLocalita, MetaNazione, MetaCodice };

const char* const GuidaTappe =
    "Seleziona la tappa iniziale e clicca su ASSEGNA/Tappa iniziale, quindi seleziona la tappa finale e "
    "clicca su ASSEGNA/Tappa finale. ATTENZIONE: Per tappa d'inizio non selezionare quella comune alla "
    "precedente per non avere un doppio chilometraggio!!!";
const char* const GuidaMete = "Seleziona la mèta dalla quale copiare una parte o tutto l'itinerario";

void Grassetto(Griglia& g, int riga, bool grassetto) {
    if (riga < 1 || riga >= g.Rows()) return;
    for (int c = 0; c < g.Cols(); ++c) {
        Griglia::StileCella stile = g.Stile(riga, c);
        stile.Bold = grassetto;
        g.SetStile(riga, c, stile);
    }
}

// The copy-grid row of a stage number: stored numbers are consecutive, but
// a file edited elsewhere may skip some.
int RigaDellaTappa(const Griglia& g, int numero) {
    for (int r = 1; r < g.Rows(); ++r)
        if (int(Val(g.TextMatrix(r, CopiaNumero))) == numero) return r;
    return qBound(1, numero, qMax(1, g.Rows() - 1));
}

} // namespace

void ControlloreItinerario::CreaPannelloCopia() {
    StatoCopiaTratto& s = CopiaTratto;
    f_.Registra(s.lblGuidaCopia, QStringLiteral("lblGuidaCopia"), QStringLiteral("frmLista"), 120, 170, 7600,
                900);
    f_.Registra(s.lblMetaCopia, QStringLiteral("lblMetaCopia"), PannelloTratto, 90, 270, 2700, 255);
    const char* slot[] = {"Tappa iniziale:", "Tappa finale:"};
    const char* assegna[] = {"Asse&gna tappa iniziale", "Assegna tappa fina&le"};
    for (int k = 0; k < 2; ++k) {
        const int y = 570 + k * 1230;
        f_.Aggiungi(s.lblSlot, QStringLiteral("lblSlot"), PannelloTratto, 90, y, 3020, 255).Caption =
            QString::fromLatin1(slot[k]);
        f_.Aggiungi(s.txtDupNumero, QStringLiteral("txtDupNumero"), PannelloTratto, 90, y + 255, 450, 285);
        f_.Aggiungi(s.txtDupLocalita, QStringLiteral("txtDupLocalita"), PannelloTratto, 570, y + 255, 2540,
                    285);
        f_.Aggiungi(s.txtDupStrada, QStringLiteral("txtDupStrada"), PannelloTratto, 90, y + 570, 1900, 285);
        f_.Aggiungi(s.txtDupKm, QStringLiteral("txtDupKm"), PannelloTratto, 2020, y + 570, 1090, 285);
        Pulsante& p =
            f_.Aggiungi(s.cmdAssegna, QStringLiteral("cmdAssegna"), PannelloTratto, 90, y + 885, 3020, 315);
        p.Caption = QString::fromLatin1(assegna[k]);
        p.ToolTipText = QStringLiteral("Assegna la tappa selezionata nell'elenco");
    }
    for (auto* caselle : {&s.txtDupNumero, &s.txtDupLocalita, &s.txtDupStrada, &s.txtDupKm})
        for (CasellaTesto& t : *caselle)
            t.Locked = true;
    f_.Registra(s.optTrasfSoste, QStringLiteral("optTrasfSoste"), PannelloTratto, 90, 3120, 3020, 285);
    s.optTrasfSoste.Caption = QStringLiteral("Inserire anche le soste:");
    f_.Registra(s.cmdInsEsegui, QStringLiteral("cmdInsEsegui"), PannelloTratto, 90, 3540, 1900, 345);
    s.cmdInsEsegui.Caption = QStringLiteral("Inserisce &percorso");
    s.cmdInsEsegui.ToolTipText = QStringLiteral("Inserisce il tratto selezionato nel verso indicato");
    f_.Registra(s.cmdRinunciaCopia, QStringLiteral("cmdRinunciaCopia"), PannelloTratto, 2050, 3540, 1060,
                345);
    s.cmdRinunciaCopia.Caption = QStringLiteral("Ri&nuncia");
    s.cmdRinunciaCopia.ToolTipText = QStringLiteral("Torna all'itinerario senza copiare");
}

void ControlloreItinerario::cmdDuplica_Click() {
    // The copy grid is about to be refilled: a timetable on screen gives its
    // stages back to the stage grid first.
    if (Itinerario.TabellaCalcolata) RicomponiTabellaMfgTab();
    while (Itinerario.RigaCorrente > 1 && mfgTab.TextMatrix(Itinerario.RigaCorrente, 1).trimmed().isEmpty())
        --Itinerario.RigaCorrente;
    AggiornaNumeroRiga();
    f_.OffriComandi(QStringLiteral("zz"), QStringLiteral("Fi"));

    ui.mfgCopia.Clear();
    ui.mfgCopia.SetRows(1);
    ui.cmbRicercaTappa.Clear();
    ui.cmdMapPoint.Enabled = false;
    Meta.ModoRicerca = 3;
    CopiaTratto.RigaCopia = 0;
    ui.frmPercorso.Visible = false;

    QString precedente = meta_.ui.txtLocalita.Text.trimmed();
    QList<QStringList> mete;
    Db().Leggi(Query(Db().Schema().NomeTabella[TabMete]).OrdinaPer(QStringLiteral("Localita")),
               {QStringLiteral("Localita"), QStringLiteral("Nazione"), QStringLiteral("CodiceMeta")},
               [&](qint64, const QStringList& v) { mete << v; });
    ImpostaGriglia(4);
    CopiaTratto.lblGuidaCopia.Caption = QString::fromUtf8(GuidaMete);
    if (mete.isEmpty()) {
        f_.Sistema().MsgBox(QStringLiteral("Non trovate mète memorizzate"), Msg::OkOnly | Msg::Exclamation,
                            f_.Titolo());
        RinunciaDuplicaItinerario();
        return;
    }
    // Of several trips with one destination only the first is offered.
    const QString itinerari = Db().Schema().NomeTabella[TabItinerari];
    int riga = 0;
    for (const QStringList& m : mete) {
        const QString localita = m.at(0).trimmed();
        const bool nuova = localita.compare(precedente, Qt::CaseInsensitive) != 0;
        precedente = localita;
        if (!nuova) continue;
        bool tappe = false;
        Db().Leggi(Query(itinerari).Dove(QStringLiteral("CodiceMeta"), m.at(2)), {QStringLiteral("Sequenza")},
                   [&](qint64, const QStringList&) { tappe = true; });
        if (!tappe) continue;
        ++riga;
        if (riga >= ui.mfgCopia.Rows()) ui.mfgCopia.SetRows(riga + 4);
        ui.mfgCopia.SetTextMatrix(riga, MetaNumero, QString::number(riga));
        ui.mfgCopia.SetTextMatrix(riga, MetaLocalita, localita);
        ui.mfgCopia.SetTextMatrix(riga, MetaNazione, m.at(1).trimmed());
        ui.mfgCopia.SetTextMatrix(riga, MetaCodice, m.at(2).trimmed());
    }
    ui.mfgCopia.SetRows(qMax(riga + 1, 2));
    ui.mfgCopia.Row = ui.mfgCopia.RowSel = 1;
    ui.mfgCopia.TopRow = 1;
    ui.mfgCopia.Modificata();
    // The guidance above the list takes up to four lines.
    ui.mfgCopia.Move(120, 1110, 6850, 2790);
    ui.frmLista.Visible = true;
    ui.mfgCopia.Visible = true;
    if (riga == 0)
        f_.Sistema().MsgBox(QStringLiteral("Nessun'altra mèta ha un itinerario memorizzato."),
                            Msg::OkOnly | Msg::Information, f_.Titolo());
}

void ControlloreItinerario::mfgCopia_Click() {
    StatoCopiaTratto& s = CopiaTratto;
    const int riga = ui.mfgCopia.Row;
    if (riga < 1 || riga >= ui.mfgCopia.Rows()) return;
    if (Meta.ModoRicerca == 3) {
        const QString codice = ui.mfgCopia.TextMatrix(riga, MetaCodice).trimmed();
        if (codice.isEmpty()) return;
        s.RigaCopia = qint16(riga);
        ui.frmInputBox.Enabled = false;
        // Over the stage entry panel, which waits disabled beneath.
        ui.frmPercorso.Move(7900, 2350, 3650, 5130);
        ui.frmPercorso.Visible = true;
        for (int k = 0; k < 2; ++k) {
            s.txtDupNumero[k].Text.clear();
            s.txtDupLocalita[k].Text.clear();
            s.txtDupStrada[k].Text.clear();
            s.txtDupKm[k].Text.clear();
        }
        s.lblMetaCopia.Caption = ui.mfgCopia.TextMatrix(riga, MetaLocalita);

        ui.mfgCopia.Clear();
        ui.mfgCopia.SetRows(1);
        ImpostaGriglia(3);
        s.lblGuidaCopia.Caption = QString::fromUtf8(GuidaTappe);
        int r = 0;
        Db().Leggi(Query(Db().Schema().NomeTabella[TabItinerari])
                       .Dove(QStringLiteral("CodiceMeta"), codice)
                       .OrdinaPer(QStringLiteral("Sequenza")),
                   {QStringLiteral("Sequenza"), QStringLiteral("Localita"), QStringLiteral("NomeStrada"),
                    QStringLiteral("Chilometri"), QStringLiteral("TipoStrada"), QStringLiteral("TempoSosta"),
                    QStringLiteral("FineGiorno")},
                   [&](qint64, const QStringList& v) {
                       ++r;
                       if (r >= ui.mfgCopia.Rows()) ui.mfgCopia.SetRows(r + 1);
                       const bool fine = v.at(6).trimmed() == QLatin1String("1");
                       ui.mfgCopia.SetTextMatrix(r, CopiaNumero, TestoNumero(Val(v.at(0))));
                       ui.mfgCopia.SetTextMatrix(r, CopiaLocalita, v.at(1).trimmed());
                       ui.mfgCopia.SetTextMatrix(r, CopiaStrada, v.at(2).trimmed());
                       ui.mfgCopia.SetTextMatrix(r, CopiaKm, Formato(Val(v.at(3)), QStringLiteral("#,###")));
                       ui.mfgCopia.SetTextMatrix(r, CopiaTipo, v.at(4).trimmed());
                       ui.mfgCopia.SetTextMatrix(
                           r, CopiaSosta, (fine ? QStringLiteral("*") : QString()) + v.at(5).trimmed());
                   });
        ui.mfgCopia.SetRows(qMax(r + 1, 2));
        ui.mfgCopia.Row = ui.mfgCopia.RowSel = 1;
        ui.mfgCopia.TopRow = 1;
        ui.mfgCopia.Modificata();
        Meta.ModoRicerca = 4;
        s.RigaCopia = 0;
        SelezioneTappeDuplica();
        return;
    }
    if (Meta.ModoRicerca != 4 || ui.mfgCopia.TextMatrix(riga, CopiaLocalita).isEmpty()) return;
    Grassetto(ui.mfgCopia, s.RigaCopia, false);
    s.RigaCopia = qint16(riga);
    Grassetto(ui.mfgCopia, riga, true);
    ui.mfgCopia.Modificata();
    SelezioneTappeDuplica();
}

void ControlloreItinerario::cmdAssegna_Click(int Index) {
    StatoCopiaTratto& s = CopiaTratto;
    const int r = s.RigaCopia;
    if (Index < 0 || Index > 1 || Meta.ModoRicerca != 4 || r < 1 || r >= ui.mfgCopia.Rows()) return;
    s.txtDupLocalita[Index].Text = ui.mfgCopia.TextMatrix(r, CopiaLocalita);
    s.txtDupStrada[Index].Text = ui.mfgCopia.TextMatrix(r, CopiaStrada);
    s.txtDupKm[Index].Text = ui.mfgCopia.TextMatrix(r, CopiaKm);
    s.txtDupNumero[Index].Text = ui.mfgCopia.TextMatrix(r, CopiaNumero);
    SelezioneTappeDuplica();
}

void ControlloreItinerario::SelezioneTappeDuplica() {
    StatoCopiaTratto& s = CopiaTratto;
    const bool primo = !s.txtDupNumero[0].Text.trimmed().isEmpty();
    const bool ultimo = !s.txtDupNumero[1].Text.trimmed().isEmpty();
    int a = int(Val(s.txtDupNumero[0].Text));
    int b = int(Val(s.txtDupNumero[1].Text));
    if (!primo) a = b;
    if (!ultimo) b = a;
    if (primo || ultimo) {
        const int ra = RigaDellaTappa(ui.mfgCopia, a);
        const int rb = RigaDellaTappa(ui.mfgCopia, b);
        ui.mfgCopia.Row = qMin(ra, rb);
        ui.mfgCopia.RowSel = qMax(ra, rb);
        ui.mfgCopia.Col = 0;
        ui.mfgCopia.ColSel = qMin(6, ui.mfgCopia.Cols() - 1);
        ui.mfgCopia.Modificata();
    }
    s.cmdInsEsegui.Enabled = primo && ultimo;
    for (Pulsante& p : s.cmdAssegna)
        p.Enabled = s.RigaCopia >= 1;
}

void ControlloreItinerario::cmdInsEsegui_Click() {
    StatoCopiaTratto& s = CopiaTratto;
    if (Meta.ModoRicerca != 4 || s.txtDupNumero[0].Text.trimmed().isEmpty() ||
        s.txtDupNumero[1].Text.trimmed().isEmpty())
        return;
    if (!f_.Conferma(QStringLiteral("IP"))) {
        ui.mfgCopia.Visible = true;
        ui.frmLista.Visible = true;
        return;
    }
    ui.mfgCopia.Visible = false;
    ui.frmLista.Visible = false;
    const int ra = RigaDellaTappa(ui.mfgCopia, int(Val(s.txtDupNumero[0].Text)));
    const int rb = RigaDellaTappa(ui.mfgCopia, int(Val(s.txtDupNumero[1].Text)));
    const int n = qAbs(rb - ra) + 1;
    const int d = ra <= rb ? 1 : -1;
    const bool soste = s.optTrasfSoste.Value;

    // After the selected stage; on the empty row after the last, at the end.
    if (!mfgTab.TextMatrix(Itinerario.RigaCorrente, 1).trimmed().isEmpty()) ++Itinerario.RigaCorrente;
    InserisciRigheItinerario(n);
    int r = Itinerario.RigaCorrente;
    for (int i = ra;; i += d) {
        if (r >= mfgTab.Rows()) mfgTab.SetRows(r + 4);
        // Backwards, a stage is reached by the road that led from it to the
        // next one on the way out.
        const int origine = d > 0 ? i : i + 1;
        auto cella = [this](int riga, int colonna) {
            return riga < ui.mfgCopia.Rows() ? ui.mfgCopia.TextMatrix(riga, colonna) : QString();
        };
        mfgTab.SetTextMatrix(r, 0, QString::number(r));
        mfgTab.SetTextMatrix(r, 1, cella(i, CopiaLocalita));
        mfgTab.SetTextMatrix(r, 2, cella(origine, CopiaStrada));
        mfgTab.SetTextMatrix(r, 3, cella(origine, CopiaKm));
        mfgTab.SetTextMatrix(r, 4, cella(origine, CopiaTipo));
        mfgTab.SetTextMatrix(r, 7, soste ? cella(i, CopiaSosta) : QString());
        if (mfgTab.TextMatrix(r, 7).startsWith(u'*')) ColoraFineGiornata(r);
        ++r;
        if (i == rb) break;
    }
    mfgTab.Modificata();

    ui.frmInputBox.Enabled = true;
    ui.frmPercorso.Visible = false;
    Meta.ModoRicerca = 0;
    AggiornaNumeroRiga();
    CalcolaKmTempiItinerario();
    f_.OffriComandi(f_.ComandiOfferti(), QStringLiteral("all"));
    f_.ImpostaDefault(ui.cmdFine);
}

void ControlloreItinerario::RinunciaDuplicaItinerario() {
    f_.PulisciFinestre();
    mfgTab.Width = LarghezzaGrigliaEditor;
    ui.frmInputBox.Visible = true;
    ui.frmInputBox.Enabled = true;
    Meta.ModoRicerca = 0;
    f_.OffriComandi(QStringLiteral("all"), QStringLiteral("all"));
    f_.ImpostaDefault(ui.cmdFine);
}

void ControlloreItinerario::CollegaEventiCopia() {
    f_.SuClick(QStringLiteral("cmdDuplica"), [this] { cmdDuplica_Click(); });
    f_.SuClick(QStringLiteral("mfgCopia"), [this] { mfgCopia_Click(); });
    for (int k = 0; k < 2; ++k)
        f_.SuClick(CopiaTratto.cmdAssegna[k].NomeCompleto(), [this, k] { cmdAssegna_Click(k); });
    f_.SuClick(QStringLiteral("cmdInsEsegui"), [this] { cmdInsEsegui_Click(); });
    f_.SuClick(QStringLiteral("cmdRinunciaCopia"), [this] { RinunciaDuplicaItinerario(); });
}
