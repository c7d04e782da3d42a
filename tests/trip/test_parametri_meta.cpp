// The trip screen's lists, defaults and parameter checks.
#include <QTemporaryDir>
#include <QTest>

#include "shell/FormViandora.h"
#include "support/PiattaformaProva.h"

namespace {
QStringList Schermo(FormViandora& f) {
    QStringList v;
    for (int k = 0; k < 4; ++k)
        v << f.cmbMediaKm[k].Text();
    const int ordine[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int k : ordine)
        v << f.cmbOra[k].Text() + ":" + f.cmbMin[k].Text();
    v << f.cmbRipM.Text() << f.cmbRipH.Text() << f.cmbRipG.Text() << f.cmbRipGG.Text() << f.cmbSoste.Text();
    return v;
}

const QStringList Incorporati = {"75",    "65",    "50",    "30",    "09:00", "12:30", "20:00", "22:30",
                                 "02:30", "01:45", "09:00", "18:00", "06:00", "15",    "03",    "01",
                                 "05",    "3 - Sosta Maggiore "};

void Orario(FormViandora& f, int k, const QString& ora, const QString& minuti) {
    f.cmbOra[k].SetText(ora);
    f.cmbMin[k].SetText(minuti);
}
} // namespace

class TestParametriMeta : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void primoAvvioMostraEScriveIDefault();
    void defaultSalvatiSopravvivonoAlRiavvio();
    void pulsantiDefaultChiedonoConferma();
    void elenchiDelloSchermo();
    void giorniDelMese();
    void correzioniDegliOrari();
    void controlloSempreFinito();
    void notteAlleVentiquattro();
    void riposiInCentesimi_data();
    void riposiInCentesimi();
    void velocitaNulleDiventanoLaPrima();
    void valoriArchiviatiFuoriLista();

private:
    FormViandora* Nuova();
    QTemporaryDir* dir_ = nullptr;
    PiattaformaProva* p_ = nullptr;
    FormViandora* f_ = nullptr;
};

FormViandora* TestParametriMeta::Nuova() {
    delete f_;
    f_ = new FormViandora(*p_, dir_->path() + "/");
    if (!f_->Form_Load())
        qFatal("avvio fallito");
    return f_;
}

void TestParametriMeta::init() {
    dir_ = new QTemporaryDir;
    p_ = new PiattaformaProva;
    p_->adesso = QDateTime(QDate(2024, 2, 10), QTime(10, 52));
    Nuova();
}

void TestParametriMeta::cleanup() {
    delete f_;
    f_ = nullptr;
    delete p_;
    delete dir_;
}

void TestParametriMeta::primoAvvioMostraEScriveIDefault() {
    QCOMPARE(Schermo(*f_), Incorporati);
    f_->Db.RecordSetImposta(8, Query("Parametri"));
    QCOMPARE(f_->Db.NumeroRecord, 1.0);
    RecordSet& rs = f_->Db.Rs(8);
    QCOMPARE(rs.Testo("MediaAutostrada"), QString("75"));
    QCOMPARE(rs.Testo("OraNotte"), QString("2230"));
    QCOMPARE(rs.Testo("DurataCena"), QString("0145"));
    QCOMPARE(rs.Testo("RiposoDopoGiorni"), QString("05"));
    QCOMPARE(rs.Testo("CalcoloSoste"), QString("3"));
    // The start: today, at the hour, minutes down to the quarter.
    QCOMPARE(f_->cmbInizio[0].Text() + f_->cmbInizio[1].Text() + f_->cmbInizio[2].Text(), QString("10022024"));
    QCOMPARE(f_->cmbInizio[3].Text() + ":" + f_->cmbInizio[4].Text(), QString("10:45"));
    QCOMPARE(f_->txtInizioGSett.Text, QString("Sab"));
    QCOMPARE(f_->ParametriMeta.TempoGuidaGiornaliero, 0.0f); // not checked yet
    f_->ControllaVariabiliConvertite();
    QCOMPARE(f_->ParametriMeta.TempoGuidaGiornaliero, 925.0f);
    QCOMPARE(f_->ParametriMeta.TempoVisitaGiornaliero, 900.0f);
}

void TestParametriMeta::defaultSalvatiSopravvivonoAlRiavvio() {
    f_->cmbMediaKm[0].SetText("110");
    Orario(*f_, 3, "23", "30");
    f_->cmbSoste.SetListIndex(0);
    p_->risposte = {Msg::Yes};
    f_->Click("cmdDefault(0)");
    QCOMPARE(p_->messaggi.last().testo, QString("Operazione eseguita!"));
    QCOMPARE(p_->messaggi.last().titolo, QString("Dati di default"));

    // A new start shows the built-in values and keeps the saved ones.
    Nuova();
    QCOMPARE(Schermo(*f_), Incorporati);
    p_->risposte = {Msg::Yes};
    f_->Click("cmdDefault(1)");
    QCOMPARE(f_->cmbMediaKm[0].Text(), QString("110"));
    QCOMPARE(f_->cmbOra[3].Text() + f_->cmbMin[3].Text(), QString("2330"));
    QCOMPARE(f_->cmbSoste.Text(), QString("1 - Soste itinerario"));

    // Reset brings back and stores the built-in values.
    p_->risposte = {Msg::Yes};
    f_->Click("cmdDefault(2)");
    QCOMPARE(Schermo(*f_), Incorporati);
    f_->Db.RecordSetImposta(8, Query("Parametri"));
    QCOMPARE(f_->Db.NumeroRecord, 1.0);
    QCOMPARE(f_->Db.Rs(8).Testo("MediaAutostrada"), QString("75"));
}

void TestParametriMeta::pulsantiDefaultChiedonoConferma() {
    f_->cmbMediaKm[0].SetText("99");
    p_->risposte = {Msg::No};
    f_->Click("cmdDefault(0)");
    QCOMPARE(p_->messaggi.size(), 1);
    QCOMPARE(p_->messaggi[0].testo, QString("Vuoi salvare i dati di default?"));
    f_->Db.RecordSetImposta(8, Query("Parametri"));
    QCOMPARE(f_->Db.Rs(8).Testo("MediaAutostrada"), QString("75"));
    p_->risposte = {Msg::No};
    f_->Click("cmdDefault(2)");
    QCOMPARE(p_->messaggi.last().testo, QString("Vuoi ripristinare i dati di default?"));
    QCOMPARE(f_->cmbMediaKm[0].Text(), QString("99"));
}

void TestParametriMeta::elenchiDelloSchermo() {
    QCOMPARE(f_->cmbInizio[2].List(0), QString("1998"));
    QCOMPARE(f_->cmbInizio[2].List(f_->cmbInizio[2].ListCount() - 1), QString("2029"));
    QCOMPARE(f_->cmbInizio[3].ListCount(), 25);
    QCOMPARE(f_->cmbInizio[4].Voci(), QStringList({"00", "15", "30", "45"}));
    QCOMPARE(f_->cmbOra[1].Voci(), QStringList({"11", "12", "13", "14", "15"}));
    QCOMPARE(f_->cmbOra[3].Voci(), QStringList({"20", "21", "22", "23", "24"}));
    QCOMPARE(f_->cmbOra[8].List(0), QString("01"));
    QCOMPARE(f_->cmbMediaKm[0].List(0), QString("50"));
    QCOMPARE(f_->cmbMediaKm[0].ListCount(), 91);
    QCOMPARE(f_->cmbMediaKm[3].Voci().last(), QString("60"));
    QCOMPARE(f_->cmbRipM.Voci(), QStringList({"00", "05", "10", "15", "20", "30", "45", "60"}));
    QCOMPARE(f_->cmbRipGG.ListCount(), 11);
    QCOMPARE(f_->cmbSosta[1].ListCount(), 24);
    QCOMPARE(f_->cmbGH.Voci().last(), QString("15"));
    QCOMPARE(f_->cmbSoste.Voci(), QStringList({"1 - Soste itinerario", "2 - Soste Guida", "3 - Sosta Maggiore ",
                                               "4 - Sosta minore", "5 - Nessuna sosta!"}));
}

void TestParametriMeta::giorniDelMese() {
    f_->cmbInizio[0].SetText("31");
    f_->cmbInizio[2].SetText("2024");
    f_->cmbInizio[1].SetText("02");
    f_->Click("cmbInizio(1)");
    QCOMPARE(f_->cmbInizio[0].ListCount(), 29);
    QCOMPARE(f_->cmbInizio[0].Text(), QString("29"));
    QCOMPARE(f_->txtInizioGSett.Text, QString("Gio"));
    f_->cmbInizio[2].SetText("2023");
    f_->Click("cmbInizio(2)");
    QCOMPARE(f_->cmbInizio[0].ListCount(), 28);
    QCOMPARE(f_->cmbInizio[0].Text(), QString("28"));
    // Choosing the day keeps the list.
    f_->cmbInizio[0].SetText("05");
    f_->Click("cmbInizio(0)");
    QCOMPARE(f_->cmbInizio[0].ListCount(), 28);
    QCOMPARE(f_->cmbInizio[0].Text(), QString("05"));
}

void TestParametriMeta::correzioniDegliOrari() {
    // Lunch at 11:00 with breakfast at 10:30: breakfast to the list's first hour.
    Orario(*f_, 0, "10", "30");
    Orario(*f_, 1, "11", "00");
    f_->ControllaVariabiliConvertite();
    QCOMPARE(f_->cmbOra[0].Text() + ":" + f_->cmbMin[0].Text(), QString("00:30"));
    QCOMPARE(f_->ParametriMeta.OraColazione, 50.0f);

    // Visits ending after the night stop end with it.
    Orario(*f_, 3, "23", "30");
    Orario(*f_, 7, "24", "00");
    f_->ControllaVariabiliConvertite();
    QCOMPARE(f_->cmbOra[7].Text() + ":" + f_->cmbMin[7].Text(), QString("23:30"));
    QCOMPARE(f_->ParametriMeta.FineVisita, 2350.0f);

    // An hour beyond its list goes to the list's end.
    Orario(*f_, 8, "30", "00");
    f_->ControllaVariabiliConvertite();
    QCOMPARE(f_->cmbOra[8].Text(), QString("24"));
}

void TestParametriMeta::controlloSempreFinito() {
    // Dinner 18:00 for 2:15 with the night at 20:00: the dinner is already at
    // its list's first hour, so the correction changes nothing and the check
    // ends.
    Orario(*f_, 2, "18", "00");
    Orario(*f_, 5, "02", "15");
    Orario(*f_, 3, "20", "00");
    Orario(*f_, 7, "18", "00");
    f_->ControllaVariabiliConvertite();
    QCOMPARE(f_->cmbOra[2].Text(), QString("18"));
    QCOMPARE(f_->ParametriMeta.OraNotte, 2000.0f);
    f_->Aggiorna(true);
    QVERIFY(f_->ParametriMeta.OraNotte > f_->ParametriMeta.OraCena);
}

void TestParametriMeta::notteAlleVentiquattro() {
    Orario(*f_, 3, "24", "00");
    Orario(*f_, 2, "20", "00");
    f_->Aggiorna(true);
    QCOMPARE(f_->cmbOra[3].Text() + ":" + f_->cmbMin[3].Text(), QString("24:00"));
    QCOMPARE(f_->cmbOra[2].Text() + ":" + f_->cmbMin[2].Text(), QString("20:00"));
    f_->Aggiorna(true);
    QCOMPARE(f_->ParametriMeta.OraNotte, 2400.0f);
    QCOMPARE(f_->cmbOra[3].Text(), QString("24"));
}

void TestParametriMeta::riposiInCentesimi_data() {
    QTest::addColumn<QString>("minuti");
    QTest::addColumn<int>("centesimi");
    QTest::addColumn<QString>("mostrato");
    QTest::newRow("20") << "20" << 33 << "20";
    QTest::newRow("5") << "05" << 8 << "05";
    QTest::newRow("10") << "10" << 17 << "10";
    QTest::newRow("60") << "60" << 100 << "60";
    QTest::newRow("oltre un'ora") << "75" << 0 << "00";
}

void TestParametriMeta::riposiInCentesimi() {
    QFETCH(QString, minuti);
    QFETCH(int, centesimi);
    QFETCH(QString, mostrato);
    f_->cmbRipM.SetText(minuti);
    f_->ControllaVariabiliConvertite();
    QCOMPARE(int(f_->ParametriMeta.RiposoMinuti), centesimi);
    f_->Aggiorna(true);
    QCOMPARE(f_->cmbRipM.Text(), mostrato);
}

void TestParametriMeta::velocitaNulleDiventanoLaPrima() {
    f_->cmbMediaKm[0].SetText("0");
    f_->cmbMediaKm[1].SetText("");
    f_->cmbMediaKm[2].SetText("abc");
    f_->cmbMediaKm[3].SetText("35");
    f_->ControllaVariabiliConvertite();
    QCOMPARE(f_->cmbMediaKm[0].Text(), QString("50"));
    QCOMPARE(f_->cmbMediaKm[1].Text(), QString("45"));
    QCOMPARE(f_->cmbMediaKm[2].Text(), QString("30"));
    QCOMPARE(f_->cmbMediaKm[3].Text(), QString("35"));
}

void TestParametriMeta::valoriArchiviatiFuoriLista() {
    // Values of an old file or of another installation: out of range, empty
    // or not numbers.
    f_->cmbRipH.SetText("xx");
    f_->cmbRipG.SetText("9");
    f_->cmbRipGG.SetText("-3");
    Orario(*f_, 1, "", "");
    Orario(*f_, 6, "ab", "cd");
    f_->cmbGiorni.SetText("-5");
    f_->Aggiorna(true);
    QCOMPARE(f_->cmbRipH.Text(), QString("00"));
    QCOMPARE(f_->cmbRipG.Text(), QString("00"));
    QCOMPARE(f_->cmbRipGG.Text(), QString("00"));
    QCOMPARE(int(f_->ParametriMeta.GiorniAdeguamento), 0);
    QVERIFY(f_->cmbOra[1].ListIndex() >= 0);
    QVERIFY(f_->cmbOra[6].ListIndex() >= 0);
    QVERIFY(f_->ParametriMeta.OraPranzo > f_->ParametriMeta.OraColazione);
}

QTEST_GUILESS_MAIN(TestParametriMeta)
#include "test_parametri_meta.moc"
