// A trip's life: new, save, search, delete, and what comes back at the next
// start.
#include <QTemporaryDir>
#include <QTest>

#include "shell/FormViandora.h"
#include "support/ComandiAbilitati.h"
#include "support/PiattaformaProva.h"

namespace {
QStringList Abilitati(FormViandora& f) { return ComandiAbilitati(f); }

int Righe(FormViandora& f, const QString& tabella) {
    f.Db.RecordSetImposta(10, Query(tabella));
    return int(f.Db.NumeroRecord);
}

void AggiungiTappa(FormViandora& f, const QString& codice, int sequenza, const QString& localita) {
    RecordSet& rs = f.Db.Rs(2);
    rs.AddNew();
    rs.Imposta("CodiceMeta", codice);
    rs.Imposta("Sequenza", QStringLiteral("%1").arg(sequenza, 4, 10, QLatin1Char('0')));
    rs.Imposta("Localita", localita);
    rs.Imposta("Chilometri", "100");
    rs.Imposta("TipoStrada", "A");
    rs.Update();
}
} // namespace

class TestCicloMeta : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void primaMetaEObbligatori();
    void rispostaNoNonScriveNulla();
    void codiciLiberi_data();
    void codiciLiberi();
    void stessaDestinazioneAggiorna();
    void autostradaInFondoEApostrofi();
    void riavvioRitrovaLaMeta();
    void cancellaMetaTieneLaGuida();
    void cancellaItinerarioChiedeDueVolte();
    void ricercaInArchivioVuoto();
    void giorniDesideratiATreCifre();
    void listaPerLoScambio();

private:
    FormViandora* Nuova();
    void Salva(const QString& localita, const QString& nazione, int risposta = Msg::Yes);
    QTemporaryDir* dir_ = nullptr;
    PiattaformaProva* p_ = nullptr;
    FormViandora* f_ = nullptr;
};

FormViandora* TestCicloMeta::Nuova() {
    delete f_;
    f_ = new FormViandora(*p_, dir_->path() + "/");
    if (!f_->Form_Load())
        qFatal("avvio fallito");
    return f_;
}

void TestCicloMeta::init() {
    dir_ = new QTemporaryDir;
    p_ = new PiattaformaProva;
    Nuova();
}

void TestCicloMeta::cleanup() {
    delete f_;
    f_ = nullptr;
    delete p_;
    delete dir_;
}

void TestCicloMeta::Salva(const QString& localita, const QString& nazione, int risposta) {
    f_->Click("cmdNuovo");
    f_->txtLocalita.Text = localita;
    f_->txtNazione.Text = nazione;
    p_->risposte = {risposta};
    f_->Click("cmdSalva");
}

void TestCicloMeta::primaMetaEObbligatori() {
    f_->Click("cmdNuovo");
    QCOMPARE(Abilitati(*f_), QStringList({"cmdEsce", "cmdNuovo", "cmdSalva"}));
    QCOMPARE(f_->cmbGiorni.Text(), QString("000"));
    f_->txtNazione.Text = "ITALIA";
    f_->Click("cmdSalva");
    QCOMPARE(p_->messaggi.last().testo, QStringLiteral("Campo Località: obbligatorio!"));
    f_->txtLocalita.Text = "ROMA";
    f_->txtNazione.Text = "  ";
    f_->Click("cmdSalva");
    QCOMPARE(p_->messaggi.last().testo, QString("Campo Nazione: obbligatorio!"));
    QCOMPARE(Righe(*f_, "MeteViandora"), 0);

    f_->txtNazione.Text = "ITALIA";
    p_->risposte = {Msg::Yes};
    f_->Click("cmdSalva");
    QCOMPARE(p_->messaggi.last().testo, QString("Confermi inserimento meta?"));
    QCOMPARE(f_->txtCodice.Text, QString("000001"));
    QCOMPARE(f_->CodiceMetaCorrente, QString("000001"));
    QCOMPARE(Abilitati(*f_).size(), 12);
    f_->Db.RecordSetImposta(10, Query("MetaCorrente"));
    QCOMPARE(f_->Db.Rs(10).Testo("MetaCorrente"), QString("000001"));
}

void TestCicloMeta::rispostaNoNonScriveNulla() {
    Salva("ROMA", "ITALIA", Msg::No);
    QCOMPARE(Righe(*f_, "MeteViandora"), 0);
    QCOMPARE(Righe(*f_, "MetaCorrente"), 0);
    QVERIFY(f_->txtCodice.Text.isEmpty());
}

void TestCicloMeta::codiciLiberi_data() {
    QTest::addColumn<QStringList>("codici");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("buco") << QStringList({"000001", "000002", "000004"}) << "000003";
    QTest::newRow("di seguito") << QStringList({"000001", "000002", "000003"}) << "000004";
    QTest::newRow("manca il primo") << QStringList({"000002", "000003"}) << "000001";
}

void TestCicloMeta::codiciLiberi() {
    QFETCH(QStringList, codici);
    QFETCH(QString, atteso);
    int n = 0;
    for (const QString& c : codici) {
        RecordSet& rs = f_->Db.Rs(1);
        rs.AddNew();
        rs.Imposta("CodiceMeta", c);
        rs.Imposta("Localita", QStringLiteral("META %1").arg(++n));
        rs.Update();
    }
    Salva("NAPOLI", "ITALIA");
    QCOMPARE(f_->txtCodice.Text, atteso);
    QCOMPARE(Righe(*f_, "MeteViandora"), codici.size() + 1);
}

void TestCicloMeta::stessaDestinazioneAggiorna() {
    Salva("ROMA", "ITALIA");
    Salva("ROMA", "FRANCIA");
    QCOMPARE(p_->messaggi.last().testo, QStringLiteral("Confermi modifica dati mèta?"));
    QCOMPARE(f_->txtCodice.Text, QString("000001"));
    QCOMPARE(Righe(*f_, "MeteViandora"), 1);
    f_->Db.RecordSetImposta(10, Query("MeteViandora"));
    QCOMPARE(f_->Db.Rs(10).Testo("Nazione"), QString("FRANCIA "));
    // A country of 25 characters keeps its first 19.
    f_->txtNazione.Text = "REPUBBLICA DI SAN MARINOX";
    p_->risposte = {Msg::Yes};
    f_->Click("cmdSalva");
    f_->Db.RecordSetImposta(10, Query("MeteViandora"));
    QCOMPARE(f_->Db.Rs(10).Testo("Nazione"), QString("REPUBBLICA DI SAN M"));
}

void TestCicloMeta::autostradaInFondoEApostrofi() {
    Salva("AUTOSTRADA DEL SOLE", "ITALIA");
    QCOMPARE(f_->txtLocalita.Text, QString("autostrada del sole"));
    Salva("L'AQUILA", "ITALIA");
    Salva("ZURIGO", "SVIZZERA");
    Salva("CITTÀ DEL VATICANO", "VATICANO");
    QCOMPARE(Righe(*f_, "MeteViandora"), 4);

    f_->Click("cmdRicerca");
    QVERIFY(f_->cmbRicerca.Visible);
    QCOMPARE(f_->cmbRicerca.Voci(),
             QStringList({"CITTÀ DEL VATICANO", "L'AQUILA", "ZURIGO", "autostrada del sole"}));
    f_->cmbRicerca.SetListIndex(1);
    f_->Click("cmbRicerca");
    QVERIFY(!f_->cmbRicerca.Visible);
    QCOMPARE(f_->txtLocalita.Text, QString("L'AQUILA"));
    QCOMPARE(f_->CodiceMetaCorrente, QString("000002"));
    f_->cmbRicerca.SetListIndex(0);
    f_->ModoRicerca = 1;
    f_->Click("cmbRicerca");
    QCOMPARE(f_->txtNazione.Text, QString("VATICANO "));
}

void TestCicloMeta::riavvioRitrovaLaMeta() {
    f_->Click("cmdNuovo");
    f_->txtLocalita.Text = "BARCELLONA";
    f_->txtNazione.Text = "SPAGNA";
    f_->cmbInizio[0].SetText("05");
    f_->cmbInizio[1].SetText("08");
    f_->cmbInizio[2].SetText("2006");
    f_->cmbInizio[3].SetText("07");
    f_->cmbInizio[4].SetText("30");
    f_->cmbMediaKm[1].SetText("90");
    f_->cmbOra[3].SetText("23");
    f_->cmbMin[3].SetText("15");
    f_->cmbRipH.SetText("02");
    f_->cmbGiorni.SetText("120");
    f_->cmbSoste.SetListIndex(3);
    p_->risposte = {Msg::Yes};
    f_->Click("cmdSalva");
    Salva("LISBONA", "PORTOGALLO");
    // Back to the first: it is the current one at exit.
    f_->Click("cmdRicerca");
    f_->cmbRicerca.SetText("BARCELLONA");
    f_->Click("cmbRicerca");

    Nuova();
    QCOMPARE(f_->CodiceMetaCorrente, QString("000001"));
    QCOMPARE(f_->txtCodice.Text, QString("000001"));
    QCOMPARE(f_->txtLocalita.Text, QString("BARCELLONA"));
    QCOMPARE(f_->txtNazione.Text, QString("SPAGNA "));
    QCOMPARE(f_->cmbInizio[0].Text() + f_->cmbInizio[1].Text() + f_->cmbInizio[2].Text(), QString("05082006"));
    QCOMPARE(f_->cmbInizio[3].Text() + f_->cmbInizio[4].Text(), QString("0730"));
    QCOMPARE(f_->txtInizioGSett.Text, QString("Sab"));
    QCOMPARE(f_->cmbMediaKm[1].Text(), QString("90"));
    QCOMPARE(f_->cmbOra[3].Text() + f_->cmbMin[3].Text(), QString("2315"));
    QCOMPARE(f_->cmbRipH.Text(), QString("02"));
    QCOMPARE(f_->cmbGiorni.Text(), QString("120"));
    QCOMPARE(f_->cmbSoste.Text(), QString("4 - Sosta minore"));
    QCOMPARE(Abilitati(*f_).size(), 12);
}

void TestCicloMeta::cancellaMetaTieneLaGuida() {
    Salva("ROMA", "ITALIA");
    AggiungiTappa(*f_, "000001", 1, "ROMA");
    AggiungiTappa(*f_, "000001", 2, "FIRENZE");
    AggiungiTappa(*f_, "000009", 1, "ALTRA");
    RecordSet& guida = f_->Db.Rs(3);
    guida.AddNew();
    guida.Imposta("Localita", "FIRENZE");
    guida.Imposta("CodiceGuida", "01");
    guida.Imposta("Descrizione", "Uffizi");
    guida.Update();

    p_->risposte = {Msg::No};
    f_->Click("cmdCancMeta");
    QCOMPARE(Righe(*f_, "MeteViandora"), 1);
    QCOMPARE(Righe(*f_, "Itinerari"), 3);

    p_->risposte = {Msg::Yes};
    f_->Click("cmdCancMeta");
    QCOMPARE(p_->messaggi.last().testo, QString("Confermi annullamento meta?"));
    QCOMPARE(Righe(*f_, "MeteViandora"), 0);
    QCOMPARE(Righe(*f_, "Itinerari"), 1); // another trip's stage stays
    QCOMPARE(Righe(*f_, "GuidaCitta"), 1);
    QVERIFY(f_->CodiceMetaCorrente.isEmpty());
    QCOMPARE(Abilitati(*f_), QStringList({"cmdEsce", "cmdImport", "cmdNuovo"}));
}

void TestCicloMeta::cancellaItinerarioChiedeDueVolte() {
    Salva("ROMA", "ITALIA");
    AggiungiTappa(*f_, "000001", 1, "ROMA");
    p_->risposte = {Msg::Yes, Msg::No};
    f_->Click("cmdCancItin");
    QCOMPARE(p_->messaggi.last().titolo, QString("Annullamento itinerario"));
    QVERIFY(p_->messaggi.last().testo.startsWith("Sei sicuro di voler cancellare l'itinerario?"));
    QCOMPARE(Righe(*f_, "Itinerari"), 1);
    p_->risposte = {Msg::Yes, Msg::Yes};
    f_->Click("cmdCancItin");
    QCOMPARE(Righe(*f_, "Itinerari"), 0);
    QCOMPARE(Righe(*f_, "MeteViandora"), 1);
    QCOMPARE(f_->CodiceMetaCorrente, QString("000001"));
}

void TestCicloMeta::ricercaInArchivioVuoto() {
    f_->Click("cmdRicerca");
    QCOMPARE(p_->messaggi.last().testo, QStringLiteral("Nessuna mèta nel database!"));
    QCOMPARE(p_->messaggi.last().titolo, QString("Database vuoto"));
    QVERIFY(!f_->cmbRicerca.Visible);
    QCOMPARE(Abilitati(*f_), QStringList({"cmdEsce", "cmdNuovo"}));
}

void TestCicloMeta::giorniDesideratiATreCifre() {
    // Stored days of 100 and more come back whole (two digits would turn
    // 100 into 00 and switch the fitting off).
    for (const QString& giorni : {QString("100"), QString("120"), QString("7")}) {
        Salva("OSLO", "NORVEGIA");
        f_->cmbGiorni.SetText(giorni);
        p_->risposte = {Msg::Yes};
        f_->Click("cmdSalva");
        f_->CaricaDatiAnagraficiMeta();
        QCOMPARE(f_->cmbGiorni.Text(), QStringLiteral("%1").arg(giorni.toInt(), 3, 10, QLatin1Char('0')));
        f_->ControllaVariabiliConvertite();
        QCOMPARE(int(f_->ParametriMeta.GiorniAdeguamento), giorni.toInt());
    }
    // A code that is not stored leaves the screen as it is.
    f_->CodiceMetaCorrente = "000077";
    f_->CaricaDatiAnagraficiMeta();
    QCOMPARE(f_->txtLocalita.Text, QString("OSLO"));
}

void TestCicloMeta::listaPerLoScambio() {
    Salva("ZAGABRIA", "CROAZIA");
    Salva("BERNA", "SVIZZERA");
    Griglia g;
    g.SetCols(4);
    g.SetRows(2);
    f_->CaricaListaMete(g);
    QCOMPARE(g.Rows(), 3);
    QCOMPARE(g.TextMatrix(1, 1), QString("BERNA"));
    QCOMPARE(g.TextMatrix(1, 3), QString("000002"));
    QCOMPARE(g.TextMatrix(2, 2), QString("CROAZIA "));
}

QTEST_GUILESS_MAIN(TestCicloMeta)
#include "test_ciclo_meta.moc"
