#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "PiattaformaRegistrata.h"
#include "finestra/FinestraTaccuvo.h"
#include "support/Mnemonici.h"

using namespace Taccuvo;

class TestFinestraTaccuvo : public QObject {
    Q_OBJECT
private slots:
    void tastiera() {
        PiattaformaRegistrata p;
        FormTaccuvo f(p, QStringLiteral("Taccuvo 2.0.0"));
        FinestraTaccuvo w(f);
        f.form_load();
        w.Aggiorna();
        // Centred as the program places it, before it is first shown.
        w.Centra();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint scarto = w.frameGeometry().center() - w.screen()->availableGeometry().center();
        QVERIFY(qAbs(scarto.x()) <= 2 && qAbs(scarto.y()) <= 2);

        QTest::keyClicks(w.Localita(), QStringLiteral("porto "));
        QKeyEvent accentata(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("è"));
        QApplication::sendEvent(w.Localita(), &accentata);
        QCOMPARE(w.Localita()->text(), QStringLiteral("PORTO È"));
        QCOMPARE(f.txtLocalita.Text, QStringLiteral("PORTO È"));
        QVERIFY(w.Pulsante(QStringLiteral("cmdStampa"))->isEnabled());

        // The lists take no typed keys.
        QComboBox* giorno = w.Elenco(QStringLiteral("cmbg1"));
        const QString prima = giorno->currentText();
        QTest::keyClicks(giorno, QStringLiteral("2"));
        QVERIFY(giorno->currentText() == prima && f.cmbg1.Text == prima);

        // Picking a month refills the days.
        QComboBox* mese = w.Elenco(QStringLiteral("cmbm1"));
        mese->setCurrentIndex(1);
        emit mese->activated(1);
        QCOMPARE(f.cmbm1.Text, QStringLiteral("02"));
        QCOMPARE(giorno->count(), 28);
    }

    // Every caption is shown whole; one control per Alt+letter, printing
    // ("&Al", "&Annulla") or with the printer panel (two "&Stampa").
    void testiLeggibili() {
        PiattaformaRegistrata p;
        FormTaccuvo f(p, QStringLiteral("Taccuvo 2.0.0"));
        FinestraTaccuvo w(f);
        f.form_load();
        f.cmdAnnulla.Visible = true;
        w.Aggiorna();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto senzaAcceleratore = [](QString t) { return t.remove(QLatin1Char('&')); };
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) {
            if (!b->isVisible()) continue;
            const int larghezza = b->fontMetrics().horizontalAdvance(senzaAcceleratore(b->text()));
            QVERIFY2(larghezza <= b->width(), qPrintable(b->text()));
        }
        for (QLabel* l : w.findChildren<QLabel*>())
            QVERIFY2(l->fontMetrics().horizontalAdvance(senzaAcceleratore(l->text())) <= l->width(),
                     qPrintable(l->text()));
        for (QGroupBox* g : w.findChildren<QGroupBox*>())
            QVERIFY2(g->fontMetrics().horizontalAdvance(senzaAcceleratore(g->title())) < g->width(),
                     qPrintable(g->title()));
        for (QComboBox* c : w.findChildren<QComboBox*>())
            QVERIFY2(c->fontMetrics().horizontalAdvance(c->currentText()) < c->width(),
                     qPrintable(c->currentText()));
        QCOMPARE(MnemoniciDoppi(w), QStringList());
        f.cmdStampa.Enabled = true;
        f.cmdStampa_Click();
        w.Aggiorna();
        QCOMPARE(MnemoniciDoppi(w), QStringList());
    }
};

QTEST_MAIN(TestFinestraTaccuvo)
#include "test_finestra_taccuvo.moc"
