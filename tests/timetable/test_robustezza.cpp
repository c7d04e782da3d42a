// Random trips, parameters and itineraries, plausible and not: every
// calculation ends, within bounds, with a well-formed timetable.
#include <QRegularExpression>
#include <QTest>
#include <random>

#include "ViaggioProva.h"
#include "shell/Itinerario.h"
#include "timetable/TabellaDiMarcia.h"

namespace {

class Caso {
public:
    explicit Caso(unsigned seme) : g_(seme) {}
    int Tra(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g_); }
    bool Moneta(int suCento) { return Tra(1, 100) <= suCento; }
    template <typename T> const T& Uno(const QList<T>& l) { return l.at(Tra(0, int(l.size()) - 1)); }
    QString Due(int a, int b) { return Zero(Tra(a, b), 2); }

private:
    std::mt19937 g_;
};

const QStringList Localita = {"ROMA", "L'AQUILA", "MILANO", "SANT'ANGELO", "NAPOLI", "BARI", "ROMA*", "BRA"};

void TrattoACaso(ViaggioInFinestra& v, Caso& c) {
    v.Partenza(c.Due(1, 28) + "/" + c.Due(1, 12) + "/" + QString::number(c.Tra(1999, 2030)),
               c.Due(0, 24) + ":" + c.Uno(QStringList{"00", "15", "30", "45"}));
    for (int t = 0; t < 4; ++t)
        v.Velocita(t, c.Moneta(80) ? QString::number(c.Tra(20, 140))
                                   : c.Uno(QStringList{"0", "", "1", "2", "999", "abc", "7.5"}));
    for (int k = 0; k < 9; ++k)
        v.Ora(k, (c.Moneta(85) ? c.Due(0, 24) : c.Uno(QStringList{"", "99", "-1"})) + ":" +
                     c.Uno(QStringList{"00", "15", "30", "45", "59"}));
    v.Riposi(c.Uno(QStringList{"00", "05", "10", "15", "20", "30", "45", "60", "99"}), c.Due(0, 11),
             c.Due(0, 5), c.Due(0, 11));
    v.Soste(c.Tra(1, 5));
    v.Giorni(Zero(c.Moneta(50) ? 0 : c.Tra(1, 997), 3));

    Database::Transazione t(v->Db);
    v->Db.CancellaTabella(TabGuida, QString(), QString(), nullptr);
    for (int i = c.Tra(0, 12); i > 0; --i)
        v.Voce(QString(c.Uno(Localita)).remove(u'*'), Zero(c.Tra(0, 12), 2), "Voce " + QString::number(i),
               c.Due(0, 12) + ":" + c.Uno(QStringList{"00", "15", "30", "45"}));
    t.Conferma();

    QStringList tappe;
    for (int i = c.Tra(1, 20); i > 0; --i) {
        QString km = QString::number(c.Moneta(10) ? 0 : c.Tra(1, 1500));
        if (c.Moneta(5)) km = c.Uno(QStringList{"abc", "-5", "1.234", "99999", ""});
        QString sosta;
        if (c.Moneta(40))
            sosta = c.Due(0, 15) + ":" + c.Due(0, 23) + ":" + c.Uno(QStringList{"00", "15", "30", "45"});
        if (c.Moneta(5)) sosta = c.Uno(QStringList{"01:30", "-5", "abc", "99:99:99"});
        if (c.Moneta(20)) sosta.prepend(u'*');
        tappe << c.Uno(Localita) + "|" + c.Uno(QStringList{"A1", "TRAGHETTO", "SS7", ""}) + "|" + km + "|" +
                     c.Uno(QStringList{"A", "S", "P", "L", "X", ""}) + "|" + sosta;
        if (c.Moneta(5)) tappe << "";
    }
    v.Tappe(tappe);
}

} // namespace

class TestRobustezza : public QObject {
    Q_OBJECT
private slots:
    void viaggiACaso() {
        const QRegularExpression ora("^(\\* )*(\\d\\d:\\d\\d)?$");
        const QRegularExpression limite("^[<>]\\d\\d/\\d\\d-(\\d\\d:\\d\\d)?$");
        // One window for every trip: each calculation is unlocked before the
        // next trip is typed in.
        ViaggioInFinestra v;
        for (unsigned seme = 1; seme <= 150; ++seme) {
            Caso c(seme);
            TrattoACaso(v, c);
            v.p.messaggi.clear();
            v.Calcola();
            const FormViandora& f = *v;
            const QString caso = QStringLiteral("seme %1").arg(seme);
            // A negative stop is refused with its message, the stage list kept.
            if (!f.Itinerario.TabellaCalcolata) {
                QVERIFY2(v.p.messaggi.size() == 1 && v.p.messaggi[0].testo.contains("campo TempoSosta"),
                         qPrintable(caso));
                continue;
            }
            QVERIFY2(f.TabellaDiMarcia.Calcolo.NumeroTentativo >= 1 &&
                         f.TabellaDiMarcia.Calcolo.NumeroTentativo <= 11,
                     qPrintable(caso));
            QVERIFY2(v.p.messaggi.size() <= 1, qPrintable(caso));
            QCOMPARE(f.mfgTab.TextMatrix(0, 13), QString("Limite ritorno"));
            QVERIFY2(f.mfgTab.Rows() >= f.TabellaDiMarcia.Calcolo.RigaTabella, qPrintable(caso));
            if (f.TabellaDiMarcia.Calcolo.RigaTabella > 1)
                QVERIFY2(f.mfgTab.TextMatrix(1, 13).startsWith(u'<'), qPrintable(caso));

            QHash<QString, int> righePerData;
            for (int r = 1; r < f.TabellaDiMarcia.Calcolo.RigaTabella; ++r) {
                const QString dove = caso + QStringLiteral(" riga %1").arg(r);
                QVERIFY2(ora.match(f.mfgTab.TextMatrix(r, 11)).hasMatch(), qPrintable(dove));
                const QString l = f.mfgTab.TextMatrix(r, 13);
                QVERIFY2(l.isEmpty() || limite.match(l).hasMatch(), qPrintable(dove + ": " + l));
                if (!f.mfgTab.TextMatrix(r, 3).isEmpty()) {
                    bool numero = false;
                    QVERIFY2(f.mfgTab.TextMatrix(r, 3).toInt(&numero) >= 0 && numero, qPrintable(dove));
                    // A clock stuck past a meal or the night would fill one day
                    // with segments.
                    QVERIFY2(++righePerData[f.mfgTab.TextMatrix(r, 10)] < 400, qPrintable(dove));
                }
            }
            v.Calcola();
            QVERIFY2(!f.Itinerario.TabellaCalcolata, qPrintable(caso));
        }
    }
};

QTEST_GUILESS_MAIN(TestRobustezza)
#include "test_robustezza.moc"
