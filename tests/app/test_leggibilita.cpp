// Every text of the real window fits its control at the size the window
// starts with: captions, list entries, typical values in the fields, and
// every cell of the stage grid and of a calculated timetable.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>

#include "app/FinestraViandora.h"
#include "timetable/ViaggioProva.h"

namespace {

QString SenzaMnemonico(QString testo) {
    testo.replace(QLatin1String("&&"), QLatin1String("\x01"));
    testo.remove(QLatin1Char('&'));
    return testo.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The room a line edit gives its text: the text starts where the cursor
// stands at position 0 and keeps the same margin on the right.
int SpazioTesto(QLineEdit* e) {
    const QString testo = e->text();
    const Qt::Alignment allineamento = e->alignment();
    e->setText(QString());
    e->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int inizio = e->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    e->setAlignment(allineamento);
    e->setText(testo);
    return e->width() - 2 * inizio;
}

// The failures found, as "control: text".
struct Verifica {
    QStringList errori;

    void Testo(const QString& nome, const QString& testo, int larghezza, int spazio) {
        if (larghezza > spazio)
            errori << QStringLiteral("%1: \"%2\" %3>%4").arg(nome, testo).arg(larghezza).arg(spazio);
    }

    void Campo(const QString& nome, QLineEdit* e, const QStringList& valori) {
        const QString prima = e->text();
        for (const QString& v : valori) {
            e->setText(v);
            Testo(nome, v, e->fontMetrics().horizontalAdvance(v), SpazioTesto(e));
        }
        e->setText(prima);
        if (e->fontMetrics().height() > e->height() - 2) errori << nome + QStringLiteral(": altezza");
    }

    void Controllo(const QString& nome, QWidget* w, const QStringList& valori) {
        // Nothing is cut off by the panel or the window that holds it.
        if (!w->parentWidget()->rect().contains(w->geometry()))
            errori << nome + QStringLiteral(": fuori dal contenitore");
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            Campo(nome, e, valori);
        } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
            QStringList voci = valori;
            for (int i = 0; i < cb->count(); ++i)
                voci << cb->itemText(i);
            Campo(nome, cb->lineEdit(), voci);
        } else if (auto* lista = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < lista->count(); ++i)
                Testo(nome, lista->item(i)->text(),
                      lista->fontMetrics().horizontalAdvance(lista->item(i)->text()),
                      lista->viewport()->width() - 8);
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.text = b->text();
            const QRect area = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
            const QString testo = SenzaMnemonico(b->text());
            Testo(nome, testo, b->fontMetrics().horizontalAdvance(testo), area.width());
        } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
            Testo(nome, c->text(), c->sizeHint().width(), c->width());
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            QStringList testi = valori;
            testi << l->text();
            for (const QString& v : testi)
                Testo(nome, v, l->fontMetrics().horizontalAdvance(v), l->width());
            if (l->fontMetrics().height() > l->height()) errori << nome + QStringLiteral(": altezza");
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            // The title sits inside the frame, a few pixels from each side.
            Testo(nome, g->title(), g->fontMetrics().horizontalAdvance(g->title()) + 16, g->width());
        }
    }

    // Headings and every cell of the columns shown.
    void Griglia(const QString& nome, QTableView* v) {
        const QAbstractItemModel* m = v->model();
        const int margine = 2 * (v->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1);
        for (int c = 0; c < m->columnCount(); ++c) {
            if (v->isColumnHidden(c)) continue;
            const int spazio = v->columnWidth(c) - margine;
            const QString titolo = m->headerData(c, Qt::Horizontal).toString();
            Testo(nome + QStringLiteral(" titolo"), titolo, v->fontMetrics().horizontalAdvance(titolo),
                  spazio);
            for (int r = 0; r < m->rowCount(); ++r) {
                const QString testo = m->index(r, c).data().toString();
                if (testo.isEmpty()) continue;
                QFont f = v->font();
                if (const QVariant stile = m->index(r, c).data(Qt::FontRole); stile.isValid())
                    f = stile.value<QFont>();
                f.setPixelSize(v->font().pixelSize());
                Testo(QStringLiteral("%1 [%2,%3]").arg(nome).arg(r).arg(c), testo,
                      QFontMetrics(f).horizontalAdvance(testo), spazio);
            }
        }
    }
};

// Values a traveller meets in the fields that the module fills or the user
// types, by control (an array by its name without index).
QStringList Valori(const QString& nome) {
    static const QHash<QString, QStringList> valori = {
        {"txtCodice", {"000123"}},
        {"txtLocalita", {"CITTÀ DEL VATICANO"}},
        {"txtNazione", {"REPUBBLICA CECA"}},
        {"txtKmTot", {"12.345", "999"}},
        {"txtTempo", {"00:08:32", "01:02:30", "15:23:45"}},
        {"txtTragh", {"12"}},
        {"txtFine", {"17", "06", "2007", "18", "45", "Mer"}},
        {"txtInizioGSett", {"Dom", "Mer"}},
        {"txtGiorni", {"123", "1000"}},
        {"cmbMediaKm", {"110", "130"}},
        {"cmbGiorni", {"997"}},
        {"txtTappa", {"CITTÀ DEL VATICANO"}},
        {"txtStrada", {"E45 TRAGHETTO"}},
        {"txtKm", {"999"}},
        {"txtRiga", {"1234"}},
        {"txtGLocalita", {"CITTÀ DEL VATICANO"}},
        {"txtGDescrizione", {"Basilica di San Pietro e Musei Vaticani"}},
        {"txtBase", {"100%"}},
        {"lblElaborazione",
         {"Sposta il mouse sui pulsanti/campi attivi per istruzioni.", "Memorizza tappe itinerario",
          "Reset tabella Guida Città"}},
    };
    return valori.value(nome);
}

} // namespace

class TestLeggibilita : public QObject {
    Q_OBJECT
private slots:
    void ogniTestoEntra() {
        ViaggioInFinestra v;
        v.Voce("FIRENZE", "01", "Galleria degli Uffizi", "02:00");
        v.Voce("ROMA", "05", "Parcheggio", "00:00");
        v.Partenza("15/06/2007", "08:00");
        v.Giorni("003");
        v.Velocita(0, "110");
        v.Tappe({"CITTÀ DEL VATICANO||0||", "ROMA|GRA|12|S|", "AREZZO|A1|210|A|00:01:30",
                 "FIRENZE|A1|80|A|01:02:30", "BOLOGNA|A1|105|A|", "MODENA|A1|40|A|*",
                 "VERONA|A22|100|A|00:08:32", "TRENTO|A22|95|A|", "BOLZANO|A22|60|A|",
                 "BRENNERO|A22|85|P|00:00:45"});
        v->ComandiMeta = "all";
        v->AbilitaPulsantiComando();
        FinestraViandora finestra(*v);
        finestra.Centra();
        // Every panel shown: the check covers the controls of every screen.
        for (Controllo* c : v->Controlli())
            if (c->TipoControllo() == Controllo::Tipo::Pannello) c->Visible = true;
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        finestra.Aggiorna();

        Verifica verifica;
        for (Controllo* c : v->Controlli()) {
            // The progress bar's filled part is as wide as its count.
            if (c->TipoControllo() == Controllo::Tipo::Griglia || c == &v->txtPerc) continue;
            verifica.Controllo(c->NomeCompleto(), finestra.Widget(c->NomeCompleto()), Valori(c->Nome()));
        }
        // No command covers another one of its panel.
        const QList<QPushButton*> pulsanti = finestra.findChildren<QPushButton*>();
        for (QPushButton* a : pulsanti)
            for (QPushButton* b : pulsanti)
                if (a < b && a->parentWidget() == b->parentWidget() && a->isVisible() && b->isVisible() &&
                    a->geometry().intersects(b->geometry()))
                    verifica.errori << a->objectName() + " copre " + b->objectName();
        auto* vista = qobject_cast<QTableView*>(finestra.Widget("mfgTab"));
        verifica.Griglia("tappe", vista);

        // The timetable of the ten stages, and the guide list.
        v.Calcola();
        finestra.Aggiorna();
        QCOMPARE(v->cmdCalcola.Caption, QString("&Sblocca"));
        QVERIFY(v->mfgTab.Rows() > 15);
        verifica.Griglia("tabella di marcia", vista);
        if (!verifica.errori.isEmpty()) qWarning().noquote() << verifica.errori.join(u'\n');
        QCOMPARE(verifica.errori, QStringList());
    }

    void ridimensionaInProporzione() {
        Planner pl;
        FinestraViandora finestra(*pl);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QWidget* griglia = finestra.Widget("mfgTab");
        QWidget* nuovo = finestra.Widget("cmdNuovo");
        const QRect primaGriglia = griglia->geometry();
        const int primoCarattere = QFontInfo(nuovo->font()).pixelSize();
        // Twice as wide but only half again as high: the height decides.
        finestra.resize(finestra.width() * 2, finestra.height() * 3 / 2);
        // One pixel either way: the window's height is whole pixels.
        QTRY_VERIFY(qAbs(griglia->geometry().width() - primaGriglia.width() * 1.5) <= 1);
        QVERIFY(qAbs(griglia->geometry().height() - primaGriglia.height() * 1.5) <= 1);
        QCOMPARE(QFontInfo(nuovo->font()).pixelSize(), qRound(primoCarattere * 1.5));
        // The layout is centred in the width left over.
        const QWidget* piano = griglia->parentWidget();
        QCOMPARE(piano->x(), (finestra.width() - piano->width()) / 2);
        // Shrunk by hand, no smaller than it starts on this screen.
        finestra.Centra();
        QCOMPARE(finestra.minimumSize(), finestra.DimensioneMinima(finestra.screen()->availableSize()));
    }
};

QTEST_MAIN(TestLeggibilita)
#include "test_leggibilita.moc"
