// The timetable printout: the text file, the ruled table, the start of the
// logbook printer and the report.
#include <QCoreApplication>
#include <QDir>

#include "common/Date.h"
#include "common/Stringhe.h"
#include "common/Testo1252.h"
#include "journey/Riepilogo.h"
#include "printing/Stampa.h"
#include "printing/StampaTabellaMarcia.h"
#include "shell/FinestraComune.h"
#include "timetable/ServizioCalcolo.h"
#include "trip/VeicoloMeta.h"

bool ControlloreStampa::StampaDellItinerario() {
    ControlloreStampa& s = *this;
    const bool tabella = s.chkTabella.Value && s.Pagina;
    // The vehicle's values were checked before the printer was chosen.
    Veicolo veicolo;
    const bool riepilogo = s.chkRiepilogo.Value && s.Pagina && finestra_.VeicoloSchermo(veicolo);
    const bool moduli = s.chkModuli.Value;
    p_.frmStampa.Visible = false;

    // The rows as the last calculation left them.
    const QList<CelleMarcia> righe = CelleDaCalcolo(finestra_.TabellaSchermo());
    if (tabella) {
        PaginaTabellare pagina(*s.Pagina);
        pagina.Oggi = finestra_.Sistema().Adesso().date();
        DisegnaTabellaMarcia(pagina, finestra_.TestataSchermo(), righe, &finestra_, [this](int numero) {
            p_.lblElaborazione.Caption =
                QStringLiteral("Stampa della tabella di marcia (pag. %1)").arg(numero);
        });
    }
    if (riepilogo) {
        PaginaTabellare pagina(*s.Pagina);
        pagina.Oggi = finestra_.Sistema().Adesso().date();
        p_.lblElaborazione.Caption = QStringLiteral("Stampa del riepilogo e dei costi");
        const Riepilogo dati =
            CalcolaRiepilogo(finestra_.TabellaSchermo(), veicolo, [this](const QString& localita) {
                return HaSostaCamper(finestra_.Archivio(), localita);
            });
        DisegnaRiepilogo(pagina, finestra_.TestataSchermo(), veicolo, dati);
    }
    finestra_.FineAvanzamento();

    bool riuscita = true;
    QString erroreFile;
    const bool fileScritto =
        s.FileTabella.isEmpty() ||
        ScriviRigheWindows1252(s.FileTabella, RigheFileTabella(finestra_.LocalitaMeta(), righe), &erroreFile);
    const bool moduliAvviati = moduli && AvviaTaccuvo();
    riuscita = moduliAvviati == moduli;

    const bool pagine = tabella || riepilogo;
    bool pagineStampate = false;
    if (s.Pagina) {
        pagineStampate = s.Pagina->EndDoc() && pagine;
        if (pagine && !pagineStampate) {
            riuscita = false;
            const QString motivo = s.Pagina->Errore();
            finestra_.Sistema().MsgBox(QStringLiteral("Stampa della %1 non riuscita.")
                                               .arg(tabella ? QStringLiteral("Tabella di Marcia")
                                                            : QStringLiteral("pagina di riepilogo e costi")) +
                                           (motivo.isEmpty() ? QString() : QStringLiteral("\r\n") + motivo),
                                       Msg::OkOnly | Msg::Critical, QString());
        }
    }
    QString testo;
    if (pagineStampate)
        testo = tabella && riepilogo ? QStringLiteral("Tabella di Marcia con Riepilogo e costi ")
                : tabella            ? QStringLiteral("Tabella di Marcia ")
                                     : QStringLiteral("Riepilogo e costi ");
    if (pagineStampate && moduliAvviati) testo += QStringLiteral(" e \r\n");
    if (moduliAvviati) testo += QStringLiteral("Moduli per Diario di Bordo");
    if (!testo.isEmpty())
        finestra_.Sistema().MsgBox(QStringLiteral("Stampa ") + testo + QStringLiteral(" completata..."),
                                   Msg::OkOnly, QString());
    if (!s.FileTabella.isEmpty()) {
        const QString file = QDir::toNativeSeparators(s.FileTabella);
        if (fileScritto)
            finestra_.Sistema().MsgBox(QStringLiteral("Stampa sul file ") + file +
                                           QStringLiteral(": completata!"),
                                       Msg::OkOnly, QString());
        else
            finestra_.Sistema().MsgBox(QStringLiteral("Stampa sul file ") + file +
                                           QStringLiteral(" non riuscita.\r\n") + erroreFile,
                                       Msg::OkOnly | Msg::Critical, QString());
    }
    riuscita = riuscita && fileScritto;

    finestra_.OffriComandi(QStringLiteral("all"));
    return riuscita;
}

bool ControlloreStampa::AvviaTaccuvo() {
    p_.frmStampaInCorso.Visible = true;
    p_.lblStampaInCorso.Caption = QStringLiteral("Preparazione moduli in corso... attendere...");
    p_.frmBottoni.Enabled = false;
    finestra_.Sistema().ElaboraEventi();
#ifdef Q_OS_WIN
    const QString nome = QStringLiteral("Taccuvo.exe");
#else
    const QString nome = QStringLiteral("Taccuvo");
#endif
    const QString programma = QCoreApplication::applicationDirPath() + u'/' + nome;
    const QString argomento = finestra_.ArgomentoTaccuvo();
    const bool avviato = finestra_.Sistema().AvviaProgramma(programma, argomento);
    p_.frmBottoni.Enabled = true;
    p_.frmStampaInCorso.Visible = false;
    if (!avviato)
        finestra_.Sistema().MsgBox(
            QStringLiteral("Impossibile avviare il programma di stampa dei Moduli per Diario di "
                           "Bordo:\r\n") +
                QDir::toNativeSeparators(programma),
            Msg::OkOnly | Msg::Exclamation, QString());
    return avviato;
}
