// The calculated timetable on screen outside the grid: its day-by-day summary
// in a window of its own, and the calendar or sheet saved where the user says.
#include <QDir>
#include <QFileInfo>

#include "common/FileOrdinario.h"
#include "journey/Esportazioni.h"
#include "journey/Riepilogo.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/Meta.h"
#include "trip/VeicoloMeta.h"

namespace {

Riepilogo RiepilogoDi(Database& db, const TabellaCalcolata& tabella, const Veicolo& veicolo) {
    return CalcolaRiepilogo(tabella, veicolo,
                            [&db](const QString& localita) { return HaSostaCamper(db, localita); });
}

} // namespace

TabellaCalcolata FormViandora::TabellaSchermo() const {
    const StatoCalcolo& s = TabellaDiMarcia.Calcolo;
    TabellaCalcolata t;
    t.Meta.CodiceMeta = Meta.CodiceMetaCorrente;
    t.Meta.Localita = txtLocalita.Text;
    t.Meta.Nazione = txtNazione.Text;
    t.Valori = ValoriSchermo();
    t.RiprendiStato(s);
    t.Messaggio = TabellaDiMarcia.MessaggioCalcolo;
    t.TipiGuida = TabellaDiMarcia.TipiGuida;
    return t;
}

void FormViandora::MostraPrenotazioniMancate(bool calcolata) {
    // The progress bar gives up its end to the count.
    constexpr int LarghezzaBarra = 3750;
    constexpr int LarghezzaBarraCorta = 1500;
    bool prenotazioni = false;
    TabellaCalcolata tabella;
    if (calcolata) {
        tabella = TabellaSchermo();
        for (const Tappa& t : tabella.Tappe)
            prenotazioni = prenotazioni || t.NottePrenotata.has_value();
    }
    const int mancate = prenotazioni ? RiepilogoDi(Db, tabella, Veicolo{}).PrenotazioniMancate : 0;
    lblPrenotazioni.Visible = prenotazioni;
    lblPrenotazioni.Caption = QStringLiteral("Prenotazioni mancate: %1").arg(mancate);
    txtBase.Width = prenotazioni ? LarghezzaBarraCorta : LarghezzaBarra;
}

void FormViandora::cmdRiepilogo_Click() {
    if (!Itinerario.TabellaCalcolata) return;
    Veicolo veicolo;
    if (!VeicoloSchermo(veicolo)) return;
    const Riepilogo riepilogo = RiepilogoDi(Db, TabellaSchermo(), veicolo);
    QList<QStringList> righe;
    for (const QString& riga : RigheRiepilogo(riepilogo))
        righe << riga.split(u'\t');
    QList<int> evidenziate;
    for (int d = 0; d < riepilogo.Giorni.size(); ++d)
        if (!riepilogo.Giorni.at(d).Avvisi.isEmpty()) evidenziate << d;
    const QString meta = txtLocalita.Text.trimmed();
    piattaforma_.MostraTabella(QStringLiteral("Riepilogo giornaliero e costi") +
                                   (meta.isEmpty() ? QString() : QStringLiteral(" - ") + meta),
                               IntestazioniRiepilogo(), righe, evidenziate);
}

void FormViandora::cmdCalendario_Click() {
    if (!Itinerario.TabellaCalcolata) return;
    Veicolo veicolo;
    if (!VeicoloSchermo(veicolo)) return;
    const QString titolo = QStringLiteral("Calendario");
    const QString meta = PerNomeFile(txtLocalita.Text);
    const QString proposta = CartellaProgramma + QStringLiteral("Tabella di marcia") +
                             (meta.isEmpty() ? QString() : QStringLiteral(" - ") + meta) +
                             QStringLiteral(".ics");
    QString file = piattaforma_.SalvaFileProposto(
        QStringLiteral("Tabella di marcia come calendario o foglio di calcolo"),
        QStringLiteral("Calendario iCalendar (*.ics);;Foglio di calcolo CSV (*.csv)"), proposta);
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".ics");
    const QString estensione = QFileInfo(file).suffix().toLower();
    const bool calendario = estensione == QLatin1String("ics");
    if (!calendario && estensione != QLatin1String("csv")) {
        piattaforma_.MsgBox(QStringLiteral("Il file deve finire con .ics (calendario) o .csv (foglio di "
                                           "calcolo):\r\n") +
                                QDir::toNativeSeparators(file),
                            Msg::OkOnly | Msg::Exclamation, titolo);
        return;
    }
    const TabellaCalcolata tabella = TabellaSchermo();
    const Riepilogo riepilogo = RiepilogoDi(Db, tabella, veicolo);
    const QByteArray dati =
        calendario ? CalendarioIcs(tabella, riepilogo, FusoCalendario()) : FoglioCsv(tabella, riepilogo);
    QString errore;
    if (!ScriviFileIntero(file, dati, &errore)) {
        piattaforma_.MsgBox(errore, Msg::OkOnly | Msg::Critical, titolo);
        return;
    }
    piattaforma_.MsgBox((calendario ? QStringLiteral("Calendario scritto nel file:\r\n")
                                    : QStringLiteral("Foglio di calcolo scritto nel file:\r\n")) +
                            QDir::toNativeSeparators(file),
                        Msg::OkOnly | Msg::Information, titolo);
}
