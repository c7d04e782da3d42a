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
#include "shell/FormViandora.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/VeicoloMeta.h"

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

bool FormViandora::StampaDellItinerario() {
    StatoStampa& s = Stampa;
    const bool tabella = s.chkTabella.Value && s.Pagina;
    // The vehicle's values were checked before the printer was chosen.
    Veicolo veicolo;
    const bool riepilogo = s.chkRiepilogo.Value && s.Pagina && VeicoloSchermo(veicolo);
    const bool moduli = s.chkModuli.Value;
    frmStampa.Visible = false;

    // The rows as the last calculation left them.
    const StatoCalcolo& calcolo = TabellaDiMarcia.Calcolo;
    QList<CelleMarcia> righe;
    for (int r = 1; r < calcolo.RigheTabella; ++r)
        righe << (r < calcolo.Righe.size() ? CelleRiga(calcolo.Righe.at(r), r, TabellaDiMarcia.TipiGuida)
                                           : CelleMarcia{});
    if (tabella) {
        PaginaTabellare pagina(*s.Pagina);
        pagina.Oggi = piattaforma_.Adesso().date();
        DisegnaTabellaMarcia(pagina, TestataSchermo(), righe, this, [this](int numero) {
            lblElaborazione.Caption = QStringLiteral("Stampa della tabella di marcia (pag. %1)").arg(numero);
        });
    }
    if (riepilogo) {
        PaginaTabellare pagina(*s.Pagina);
        pagina.Oggi = piattaforma_.Adesso().date();
        lblElaborazione.Caption = QStringLiteral("Stampa del riepilogo e dei costi");
        const Riepilogo dati = CalcolaRiepilogo(TabellaSchermo(), veicolo, [this](const QString& localita) {
            return HaSostaCamper(Db, localita);
        });
        DisegnaRiepilogo(pagina, TestataSchermo(), veicolo, dati);
    }
    AzzeraPercentuale();

    bool riuscita = true;
    QString erroreFile;
    const bool fileScritto =
        s.FileTabella.isEmpty() ||
        ScriviRigheWindows1252(s.FileTabella, RigheFileTabella(txtLocalita.Text, righe), &erroreFile);
    const bool moduliAvviati = moduli && AvviaTaccuvo();
    riuscita = moduliAvviati == moduli;

    const bool pagine = tabella || riepilogo;
    bool pagineStampate = false;
    if (s.Pagina) {
        pagineStampate = s.Pagina->EndDoc() && pagine;
        if (pagine && !pagineStampate) {
            riuscita = false;
            const QString motivo = s.Pagina->Errore();
            piattaforma_.MsgBox(QStringLiteral("Stampa della %1 non riuscita.")
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
        piattaforma_.MsgBox(QStringLiteral("Stampa ") + testo + QStringLiteral(" completata..."), Msg::OkOnly,
                            QString());
    if (!s.FileTabella.isEmpty()) {
        const QString file = QDir::toNativeSeparators(s.FileTabella);
        if (fileScritto)
            piattaforma_.MsgBox(QStringLiteral("Stampa sul file ") + file + QStringLiteral(": completata!"),
                                Msg::OkOnly, QString());
        else
            piattaforma_.MsgBox(QStringLiteral("Stampa sul file ") + file +
                                    QStringLiteral(" non riuscita.\r\n") + erroreFile,
                                Msg::OkOnly | Msg::Critical, QString());
    }
    riuscita = riuscita && fileScritto;

    ComandiMeta = QStringLiteral("all");
    AbilitaPulsantiComando();
    return riuscita;
}

bool FormViandora::AvviaTaccuvo() {
    frmStampaInCorso.Visible = true;
    lblStampaInCorso.Caption = QStringLiteral("Preparazione moduli in corso... attendere...");
    frmBottoni.Enabled = false;
    piattaforma_.ElaboraEventi();
#ifdef Q_OS_WIN
    const QString nome = QStringLiteral("Taccuvo.exe");
#else
    const QString nome = QStringLiteral("Taccuvo");
#endif
    const QString programma = QCoreApplication::applicationDirPath() + u'/' + nome;
    const QString argomento = txtLocalita.Text + u',' + cmbInizio[0].Text() + u'/' + cmbInizio[1].Text() +
                              u'/' + cmbInizio[2].Text() + u',' + txtFine[0].Text + u'/' + txtFine[1].Text +
                              u'/' + txtFine[2].Text;
    const bool avviato = piattaforma_.AvviaProgramma(programma, argomento);
    frmBottoni.Enabled = true;
    frmStampaInCorso.Visible = false;
    if (!avviato)
        piattaforma_.MsgBox(
            QStringLiteral("Impossibile avviare il programma di stampa dei Moduli per Diario di "
                           "Bordo:\r\n") +
                QDir::toNativeSeparators(programma),
            Msg::OkOnly | Msg::Exclamation, QString());
    return avviato;
}
