// Help buttons: each shows a text of its own in one OK box and changes
// nothing else, and none covers another control of its panel.
#include <QRect>
#include <QRegularExpression>
#include <QTest>

#include "support/PlannerProva.h"
#include "trip/Meta.h"

namespace {
QRect Rettangolo(const Controllo& c) {
    return QRect(c.Left, c.Top, c.Width, c.Height);
}

// What a click could wrongly change: every control's state and the command lists.
QStringList Stato(FormViandora& f) {
    QStringList s{f.ComandiMeta, f.ComandiItinerario, f.Meta.CodiceMetaCorrente};
    for (Controllo* c : f.Controlli()) {
        QString riga = c->NomeCompleto() + QString::number(c->Visible) + QString::number(c->Enabled);
        if (auto* b = dynamic_cast<Pulsante*>(c)) riga += b->Caption;
        if (auto* e = dynamic_cast<Etichetta*>(c)) riga += e->Caption;
        if (auto* t = dynamic_cast<CasellaTesto*>(c)) riga += t->Text;
        s << riga;
    }
    return s;
}
} // namespace

class TestAiuto : public QObject {
    Q_OBJECT
private slots:
    void ogniPulsante() {
        Planner pl;
        QStringList testi;
        for (Controllo* c : pl->Controlli()) {
            if (!c->Nome().startsWith(QLatin1String("cmdHelp"))) continue;
            const QString nome = c->NomeCompleto();
            QVERIFY2(c->Visible && c->Enabled && c->Width >= 200 && c->Height >= 200, qPrintable(nome));
            const Controllo* pannello = pl->TrovaControllo(c->Genitore());
            QVERIFY2(QRect(0, 0, pannello->Width, pannello->Height).contains(Rettangolo(*c)),
                     qPrintable(nome));
            // Hidden controls count too: the window shows them at times.
            for (Controllo* altro : pl->Controlli())
                QVERIFY2(altro == c || altro->Genitore() != c->Genitore() ||
                             !Rettangolo(*altro).intersects(Rettangolo(*c)),
                         qPrintable(nome + " copre " + altro->NomeCompleto()));

            const QStringList prima = Stato(*pl);
            pl.p.messaggi.clear();
            pl->Click(nome);
            QCOMPARE(pl.p.messaggi.size(), 1);
            QCOMPARE(pl.p.messaggi[0].pulsanti & 7, Msg::OkOnly);
            QCOMPARE(Stato(*pl), prima);
            // A text of its own, its lines ended by CR LF, none by a blank.
            const QString testo = pl.p.messaggi[0].testo;
            QVERIFY2(testo.size() > 100 && !testi.contains(testo), qPrintable(nome));
            QVERIFY2(!testo.contains(QRegularExpression("[^\r]\n|\r(?!\n)|\\S +(\r|$)")), qPrintable(nome));
            testi << testo;
        }
        QCOMPARE(testi.size(), 15);
    }
};

QTEST_GUILESS_MAIN(TestAiuto)
#include "test_aiuto.moc"
