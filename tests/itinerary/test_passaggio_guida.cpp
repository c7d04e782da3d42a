// A pass over the city guide finds, for a locality, exactly the entries the
// database's LIKE finds, and counts each entry once.
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "common/Stringhe.h"
#include "database/DatabaseProva.h"
#include "guide/PassaggioGuida.h"
#include "model/ValoriTappa.h"

namespace {
// Each entry takes twice the hours of the one before: a sum names the set.
const QStringList Localita = {"L'AQUILA",
                              "l'aquila",
                              "L AQUILA",
                              "CITTÀ DEL VATICANO",
                              "città del vaticano",
                              "CITTA DEL VATICANO",
                              "SANT'ANGELO",
                              "STRASSE",
                              "straße",
                              "Ærøskøbing",
                              "ROMA ",
                              "ROMA"};

double SommaDalDatabase(Database& db, const QString& localita) {
    db.RecordSetImposta(7, Query("GuidaCitta").DoveCome("Localita", LikeTesto(localita)));
    double somma = 0;
    for (RecordSet& rs = db.Rs(7); !rs.Eof(); rs.MoveNext())
        somma += CentesimiTempoGuida(rs.Testo("TempoSosta"));
    return somma;
}
} // namespace

class TestPassaggioGuida : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void comeIlDatabase_data();
    void comeIlDatabase();
    void comeIlProtocollo();

private:
    QTemporaryDir dir_;
    Database db_;
};

void TestPassaggioGuida::initTestCase() {
    QVERIFY(PreparaDatabase(db_, dir_.path() + "/prova.mdb"));
    db_.RecordSetImposta(7, Query("GuidaCitta"));
    RecordSet& rs = db_.Rs(7);
    for (int i = 0; i < Localita.size(); ++i) {
        rs.AddNew();
        rs.Imposta("Localita", Localita.at(i));
        rs.Imposta("CodiceGuida", "01");
        rs.Imposta("Descrizione", QString("Voce %1").arg(i));
        rs.Imposta("TempoSosta", QString("%1:00").arg(Zero(1 << (i % 7), 2)));
        rs.Imposta("FlagVisto", "0");
        rs.Update();
    }
}

void TestPassaggioGuida::comeIlDatabase_data() {
    QTest::addColumn<QString>("localita");
    for (const char* l : {"L'AQUILA", "l'Aquila", "L\"AQUILA", "CITTÀ DEL VATICANO", "Città del Vaticano",
                          "CITTA DEL VATICANO", "SANT'ANGELO", "SANT*", "*AQUILA", "STRASSE", "STRAßE",
                          "ærøskøbing", "ROMA", "ROMA ", "R?MA", "NAPOLI", "   "})
        QTest::newRow(l) << QString::fromUtf8(l);
}

void TestPassaggioGuida::comeIlDatabase() {
    QFETCH(QString, localita);
    Database::Transazione t(db_);
    PassaggioGuida guida(db_, &CentesimiTempoGuida);
    QCOMPARE(guida.TempoLocalita(localita), SommaDalDatabase(db_, localita));
}

// A whole itinerary, its localities named up front, gives what the plain
// protocol gives: reset every flag, then per stage sum the entries of the
// locality still at "0" and mark them.
void TestPassaggioGuida::comeIlProtocollo() {
    const QStringList tappe = {"SANT*", "ROMA",    "l'Aquila", "Città del Vaticano", "R?MA",     "STRAßE",
                               "ROMA ", "*AQUILA", "NAPOLI",   "ærøskøbing",         "L\"AQUILA"};
    // Sets FlagVisto on the entries the query finds, with the time they add up.
    const auto segna = [this](const Query& query, const std::function<QString(int)>& flag) {
        db_.RecordSetImposta(7, query);
        double somma = 0;
        int n = 0;
        for (RecordSet& rs = db_.Rs(7); !rs.Eof(); rs.MoveNext(), ++n) {
            somma += CentesimiTempoGuida(rs.Testo("TempoSosta"));
            rs.Edit();
            rs.Imposta("FlagVisto", flag(n));
            rs.Update();
        }
        return somma;
    };
    // Flags left by an earlier pass, one of them blank.
    segna(Query("GuidaCitta"), [](int n) { return n == 3 ? " " : (n % 2 ? "1" : "0"); });
    for (int inizio = 0; inizio < tappe.size(); ++inizio) {
        // Each start shifts the order, so that each kind of pattern comes first.
        const QStringList ordine = tappe.mid(inizio) + tappe.mid(0, inizio);
        QList<double> attese;
        QStringList flagAttesi;
        {
            Database::Transazione t(db_);
            segna(Query("GuidaCitta"), [](int) { return "0"; });
            for (const QString& l : ordine)
                attese << segna(Query("GuidaCitta").DoveCome("Localita", LikeTesto(l)).Dove("FlagVisto", "0"),
                                [](int) { return "1"; });
            db_.RecordSetImposta(7, Query("GuidaCitta"));
            flagAttesi = Colonna(db_, 7, "FlagVisto");
            // Undone: the pass starts from other flags.
        }
        Database::Transazione t(db_);
        PassaggioGuida guida(db_, &CentesimiTempoGuida, ordine);
        QList<double> ottenute;
        for (const QString& l : ordine)
            ottenute << guida.TempoLocalita(l);
        guida.ScriviVisti();
        QCOMPARE(ottenute, attese);
        db_.RecordSetImposta(7, Query("GuidaCitta"));
        QCOMPARE(Colonna(db_, 7, "FlagVisto"), flagAttesi);
    }
}

QTEST_APPLESS_MAIN(TestPassaggioGuida)
#include "test_passaggio_guida.moc"
