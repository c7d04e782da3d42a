// Help buttons: each shows its fixed text in one OK box and changes nothing
// else, and none of them covers another control of its panel.
#include <QRect>
#include <QTest>

#include "support/PlannerProva.h"
#include "trip/Meta.h"

namespace {
const QString ACapo = QStringLiteral("\r\n");

QRect Rettangolo(const Controllo& c) {
    return QRect(c.Left, c.Top, c.Width, c.Height);
}

QStringList PulsantiAiuto(FormViandora& f) {
    QStringList nomi;
    for (Controllo* c : f.Controlli())
        if (c->Nome().startsWith(QLatin1String("cmdHelp"))) nomi << c->NomeCompleto();
    return nomi;
}

// What a click could wrongly change: every control's state and the command
// lists.
QStringList Stato(FormViandora& f) {
    QStringList s{f.ComandiMeta, f.ComandiItinerario, f.Meta.CodiceMetaCorrente};
    for (Controllo* c : f.Controlli()) {
        QString riga = c->NomeCompleto() + QString::number(c->Visible) + QString::number(c->Enabled);
        if (c->TipoControllo() == Controllo::Tipo::Pulsante)
            riga += static_cast<Pulsante*>(c)->Caption;
        else if (c->TipoControllo() == Controllo::Tipo::Etichetta)
            riga += static_cast<Etichetta*>(c)->Caption;
        else if (c->TipoControllo() == Controllo::Tipo::CasellaTesto)
            riga += static_cast<CasellaTesto*>(c)->Text;
        s << riga;
    }
    return s;
}

// Clicks a help button; checks the one OK box it shows and that nothing else
// changed, and gives its text.
QString Clic(Planner& pl, const QString& nome) {
    const QStringList prima = Stato(*pl);
    pl.p.messaggi.clear();
    pl->Click(nome);
    [&] {
        QCOMPARE(pl.p.messaggi.size(), 1);
        QCOMPARE(pl.p.messaggi[0].pulsanti & 7, Msg::OkOnly);
        QCOMPARE(pl.p.messaggi[0].titolo, QStringLiteral("Quintora 2.00 - 2005"));
        QCOMPARE(Stato(*pl), prima);
    }();
    return pl.p.messaggi.value(0).testo;
}
} // namespace

class TestAiuto : public QObject {
    Q_OBJECT
private slots:
    // Every help button: a text of its own, lines ended by CR LF only,
    // no line ending in a blank.
    void ogniPulsante() {
        Planner pl;
        QStringList testi;
        for (const QString& nome : PulsantiAiuto(*pl)) {
            const QString testo = Clic(pl, nome);
            if (QTest::currentTestFailed()) return;
            QVERIFY2(testo.size() > 100 && !testi.contains(testo), qPrintable(nome));
            testi << testo;
            QCOMPARE(testo.count(QLatin1Char('\r')), testo.count(ACapo));
            QCOMPARE(testo.count(QLatin1Char('\n')), testo.count(ACapo));
            for (const QString& r : testo.split(ACapo))
                QVERIFY2(!r.endsWith(QLatin1Char(' ')) || r.trimmed().isEmpty(), qPrintable(nome + ": " + r));
        }
        QCOMPARE(testi.size(), 14);
    }

    void pulsantiNeiPannelli() {
        Planner pl;
        for (const QString& nome : PulsantiAiuto(*pl)) {
            auto* c = dynamic_cast<Pulsante*>(pl->TrovaControllo(nome));
            QVERIFY2(c, qPrintable(nome));
            QCOMPARE(c->Caption, QString("?"));
            QVERIFY(!c->ToolTipText.isEmpty());
            QVERIFY(c->Visible && c->Enabled);
            QVERIFY2(c->Width >= 200 && c->Height >= 200, qPrintable(nome));

            const Controllo* pannello = pl->TrovaControllo(c->Genitore());
            QVERIFY(pannello);
            QVERIFY2(QRect(0, 0, pannello->Width, pannello->Height).contains(Rettangolo(*c)),
                     qPrintable(nome));
            // Hidden controls count too: the window shows them at times.
            for (Controllo* altro : pl->Controlli())
                if (altro != c && altro->Genitore() == c->Genitore())
                    QVERIFY2(!Rettangolo(*altro).intersects(Rettangolo(*c)),
                             qPrintable(nome + QStringLiteral(" covers ") + altro->NomeCompleto()));
        }
    }
};

QTEST_GUILESS_MAIN(TestAiuto)
#include "test_aiuto.moc"
