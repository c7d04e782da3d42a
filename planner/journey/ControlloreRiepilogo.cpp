#include "journey/ControlloreRiepilogo.h"

#include <QDir>
#include <QFileInfo>

#include "common/FileOrdinario.h"
#include "journey/Esportazioni.h"
#include "journey/Riepilogo.h"
#include "shell/FinestraComune.h"
#include "shell/Itinerario.h"
#include "trip/VeicoloMeta.h"

namespace {

Riepilogo RiepilogoDi(Database& db, const TabellaCalcolata& tabella, const Veicolo& veicolo) {
    return CalcolaRiepilogo(tabella, veicolo,
                            [&db](const QString& localita) { return HaSostaCamper(db, localita); });
}

} // namespace

ControlloreRiepilogo::ControlloreRiepilogo(FinestraComune& finestra, Etichetta& lblPrenotazioni,
                                           CasellaTesto& txtBase)
    : finestra_(finestra), lblPrenotazioni_(lblPrenotazioni), txtBase_(txtBase) {}

void ControlloreRiepilogo::CollegaEventi() {
    finestra_.SuClick(QStringLiteral("cmdRiepilogo"), [this] { cmdRiepilogo_Click(); });
    finestra_.SuClick(QStringLiteral("cmdCalendario"), [this] { cmdCalendario_Click(); });
}

void ControlloreRiepilogo::MostraPrenotazioniMancate(bool calcolata) {
    // The progress bar gives up its end to the count.
    constexpr int LarghezzaBarra = 3750;
    constexpr int LarghezzaBarraCorta = 1500;
    bool prenotazioni = false;
    TabellaCalcolata tabella;
    if (calcolata) {
        tabella = finestra_.TabellaSchermo();
        for (const Tappa& t : tabella.Tappe)
            prenotazioni = prenotazioni || t.NottePrenotata.has_value();
    }
    const int mancate =
        prenotazioni ? RiepilogoDi(finestra_.Archivio(), tabella, Veicolo{}).PrenotazioniMancate : 0;
    lblPrenotazioni_.Visible = prenotazioni;
    lblPrenotazioni_.Caption = QStringLiteral("Prenotazioni mancate: %1").arg(mancate);
    txtBase_.Width = prenotazioni ? LarghezzaBarraCorta : LarghezzaBarra;
}

void ControlloreRiepilogo::cmdRiepilogo_Click() {
    if (!finestra_.StatoGriglia().TabellaCalcolata) return;
    Veicolo veicolo;
    if (!finestra_.VeicoloSchermo(veicolo)) return;
    const Riepilogo riepilogo = RiepilogoDi(finestra_.Archivio(), finestra_.TabellaSchermo(), veicolo);
    QList<QStringList> righe;
    for (const QString& riga : RigheRiepilogo(riepilogo))
        righe << riga.split(u'\t');
    QList<int> evidenziate;
    for (int d = 0; d < riepilogo.Giorni.size(); ++d)
        if (!riepilogo.Giorni.at(d).Avvisi.isEmpty()) evidenziate << d;
    const QString meta = finestra_.LocalitaMeta().trimmed();
    finestra_.Sistema().MostraTabella(QStringLiteral("Riepilogo giornaliero e costi") +
                                          (meta.isEmpty() ? QString() : QStringLiteral(" - ") + meta),
                                      IntestazioniRiepilogo(), righe, evidenziate);
}

void ControlloreRiepilogo::cmdCalendario_Click() {
    if (!finestra_.StatoGriglia().TabellaCalcolata) return;
    Veicolo veicolo;
    if (!finestra_.VeicoloSchermo(veicolo)) return;
    const QString titolo = QStringLiteral("Calendario");
    const QString meta = PerNomeFile(finestra_.LocalitaMeta());
    const QString proposta = finestra_.Cartella() + QStringLiteral("Tabella di marcia") +
                             (meta.isEmpty() ? QString() : QStringLiteral(" - ") + meta) +
                             QStringLiteral(".ics");
    QString file = finestra_.Sistema().SalvaFileProposto(
        QStringLiteral("Tabella di marcia come calendario o foglio di calcolo"),
        QStringLiteral("Calendario iCalendar (*.ics);;Foglio di calcolo CSV (*.csv)"), proposta);
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".ics");
    const QString estensione = QFileInfo(file).suffix().toLower();
    const bool calendario = estensione == QLatin1String("ics");
    if (!calendario && estensione != QLatin1String("csv")) {
        finestra_.Sistema().MsgBox(
            QStringLiteral("Il file deve finire con .ics (calendario) o .csv (foglio di "
                           "calcolo):\r\n") +
                QDir::toNativeSeparators(file),
            Msg::OkOnly | Msg::Exclamation, titolo);
        return;
    }
    const TabellaCalcolata tabella = finestra_.TabellaSchermo();
    const Riepilogo riepilogo = RiepilogoDi(finestra_.Archivio(), tabella, veicolo);
    const QByteArray dati =
        calendario ? CalendarioIcs(tabella, riepilogo, FusoCalendario()) : FoglioCsv(tabella, riepilogo);
    QString errore;
    if (!ScriviFileIntero(file, dati, &errore)) {
        finestra_.Sistema().MsgBox(errore, Msg::OkOnly | Msg::Critical, titolo);
        return;
    }
    finestra_.Sistema().MsgBox((calendario ? QStringLiteral("Calendario scritto nel file:\r\n")
                                           : QStringLiteral("Foglio di calcolo scritto nel file:\r\n")) +
                                   QDir::toNativeSeparators(file),
                               Msg::OkOnly | Msg::Information, titolo);
}
