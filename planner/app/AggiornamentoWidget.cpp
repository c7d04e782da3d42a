// The repaint: each widget brought in line with its control, one kind of
// control at a time; the grids with their rows, selection and column widths.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <cmath>

#include "app/FinestraViandora.h"
#include "app/ModelloGriglia.h"
#include "app/StileFinestra.h"

namespace {
void AggiornaPulsante(QPushButton* b, const Pulsante& p, const QString& caption) {
    if (b->text() != caption) b->setText(caption);
    // Enter and Esc are routed by the window; the frame shows the button
    // that Enter triggers.
    if (b->isDefault() != p.Default) b->setDefault(p.Default);
}

// barra: the box is the progress bar's background.
void AggiornaCasellaTesto(QLineEdit* e, const CasellaTesto& t, bool barra) {
    // A stored value longer than the box's limit (a file of a later version)
    // is shown whole: the box would otherwise cut it, and a save would store
    // it cut.
    const int massimo = t.MaxLength > 0 ? qMax(t.MaxLength, int(t.Text.size())) : 32767;
    if (e->maxLength() != massimo) e->setMaxLength(massimo);
    if (e->text() != t.Text) {
        QSignalBlocker blocco(e);
        e->setText(t.Text);
        // A long value shows its beginning.
        if (!e->hasFocus()) e->setCursorPosition(0);
    }
    if (e->isReadOnly() != t.Locked) {
        e->setReadOnly(t.Locked);
    }
    // Display-only boxes are skipped by Tab; the progress bar takes no
    // focus at all.
    const Qt::FocusPolicy politica = t.BackColor >= 0 || barra ? Qt::NoFocus
                                     : t.Locked                ? Qt::ClickFocus
                                                               : Qt::StrongFocus;
    if (e->focusPolicy() != politica) e->setFocusPolicy(politica);
    const Qt::Alignment allineamento = t.Centrato ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
    if (e->alignment() != allineamento) e->setAlignment(allineamento);
    if (t.BackColor >= 0) {
        const QString stile = QStringLiteral("QLineEdit { background: #%1; color: white; border: none; }")
                                  .arg(t.BackColor, 6, 16, QLatin1Char('0'));
        if (e->styleSheet() != stile) e->setStyleSheet(stile);
    } else {
        StileFinestra::ColoraCampo(e, !t.Locked);
    }
}

void AggiornaEtichetta(QLabel* lb, const Etichetta& e) {
    if (lb->text() != e.Caption) lb->setText(e.Caption);
    // A label of two lines or more wraps its text.
    if (lb->wordWrap() != (e.Height >= 480)) lb->setWordWrap(e.Height >= 480);
}

void AggiornaCasellaSpunta(QCheckBox* cb, const CasellaSpunta& t, const QString& caption) {
    if (cb->text() != caption) cb->setText(caption);
    if (cb->isChecked() != t.Value) {
        QSignalBlocker blocco(cb);
        cb->setChecked(t.Value);
    }
}

void AggiornaListaVoci(QListWidget* lw, const ListaVoci& lista, int& revisione) {
    QSignalBlocker blocco(lw);
    if (revisione != lista.Revisione()) {
        lw->clear();
        lw->addItems(lista.Voci());
        revisione = lista.Revisione();
    }
    if (lw->currentRow() != lista.ListIndex) lw->setCurrentRow(lista.ListIndex);
}

void AggiornaOpzione(QRadioButton* rb, const Opzione& o, const QString& caption) {
    if (rb->text() != caption) rb->setText(caption);
    if (rb->isChecked() != o.Value) {
        QSignalBlocker blocco(rb);
        rb->setChecked(o.Value);
    }
}

void AggiornaListaRicerca(QListWidget* lista, const Elenco& e) {
    QSignalBlocker blocco(lista);
    if (lista->count() != e.ListCount() || [&] {
            for (int i = 0; i < e.ListCount(); ++i)
                if (lista->item(i)->text() != e.List(i)) return true;
            return false;
        }()) {
        lista->clear();
        lista->addItems(e.Voci());
    }
    if (e.ListIndex() >= 0)
        lista->setCurrentRow(e.ListIndex());
    else if (lista->count() > 0)
        lista->setCurrentRow(0);
}

void AggiornaElenco(QComboBox* cb, const Elenco& e) {
    QSignalBlocker blocco(cb);
    QSignalBlocker bloccoTesto(cb->lineEdit());
    if (cb->count() != e.ListCount() || [&] {
            for (int i = 0; i < e.ListCount(); ++i)
                if (cb->itemText(i) != e.List(i)) return true;
            return false;
        }()) {
        cb->clear();
        cb->addItems(e.Voci());
    }
    // An index of -1 would empty the typed text: only a chosen entry moves
    // the list's index.
    if (e.ListIndex() >= 0 && cb->currentIndex() != e.ListIndex()) cb->setCurrentIndex(e.ListIndex());
    if (cb->currentText() != e.Text()) {
        cb->setEditText(e.Text());
        // A long choice shows its beginning, unless the user is typing.
        if (!cb->lineEdit()->hasFocus()) cb->lineEdit()->setCursorPosition(0);
    }
}
} // namespace

void FinestraViandora::AggiornaWidget(Legame& l, bool griglie) {
    Controllo& c = *l.controllo;
    QWidget* w = l.widget;
    const QRect posto(Px(c.Left), Px(c.Top), Px(c.Width), Px(c.Height));
    if (w->geometry() != posto) w->setGeometry(posto);
    if (w->isEnabled() != c.Enabled) w->setEnabled(c.Enabled);
    if (w->toolTip() != c.ToolTipText) w->setToolTip(c.ToolTipText);
    switch (c.TipoControllo()) {
    case Controllo::Tipo::Pannello: {
        auto* g = static_cast<QGroupBox*>(w);
        const QString caption = Caption(c);
        if (g->title() != caption) g->setTitle(caption);
        break;
    }
    case Controllo::Tipo::Pulsante:
        AggiornaPulsante(static_cast<QPushButton*>(w), static_cast<Pulsante&>(c), Caption(c));
        break;
    case Controllo::Tipo::CasellaTesto:
        AggiornaCasellaTesto(static_cast<QLineEdit*>(w), static_cast<CasellaTesto&>(c), &c == &form_.txtBase);
        break;
    case Controllo::Tipo::Etichetta:
        AggiornaEtichetta(static_cast<QLabel*>(w), static_cast<Etichetta&>(c));
        break;
    case Controllo::Tipo::CasellaSpunta:
        AggiornaCasellaSpunta(static_cast<QCheckBox*>(w), static_cast<CasellaSpunta&>(c), Caption(c));
        break;
    case Controllo::Tipo::ListaVoci:
        AggiornaListaVoci(static_cast<QListWidget*>(w), static_cast<ListaVoci&>(c), l.revisione);
        break;
    case Controllo::Tipo::Opzione:
        AggiornaOpzione(static_cast<QRadioButton*>(w), static_cast<Opzione&>(c), Caption(c));
        break;
    case Controllo::Tipo::Elenco: {
        const auto& e = static_cast<Elenco&>(c);
        if (auto* cb = qobject_cast<QComboBox*>(w)) {
            const int massimo = e.MaxLength > 0 ? e.MaxLength : 32767;
            if (cb->lineEdit()->maxLength() != massimo) cb->lineEdit()->setMaxLength(massimo);
        }
        if (l.revisione == e.Revisione()) break;
        if (auto* lista = qobject_cast<QListWidget*>(w))
            AggiornaListaRicerca(lista, e);
        else
            AggiornaElenco(static_cast<QComboBox*>(w), e);
        l.revisione = e.Revisione();
        break;
    }
    case Controllo::Tipo::Griglia:
        if (griglie || l.scala != scala_) AggiornaGriglia(l);
        break;
    }
    // Visibility last: a widget shown with its final geometry and content.
    if (w->isVisibleTo(w->parentWidget()) != c.Visible) {
        w->setVisible(c.Visible);
        // A search list opens with the keyboard on its entries.
        if (c.Visible && StileFinestra::ListaAperta(c)) fuoco_ = c.NomeCompleto();
        mostrati_ = mostrati_ || c.Visible;
    }
}

void FinestraViandora::AggiornaGriglia(Legame& l) {
    auto* v = static_cast<QTableView*>(l.widget);
    const auto& g = static_cast<Griglia&>(*l.controllo);
    // While the module fills the grid with its redraw switched off, the view
    // keeps what it shows; a hidden grid is brought up to date when shown.
    if (!g.Redraw || !g.Visible) return;
    const bool nuovaScala = l.scala != scala_;
    if (nuovaScala) {
        v->verticalHeader()->setMinimumSectionSize(1);
        v->verticalHeader()->setDefaultSectionSize(Px(StileFinestra::AltezzaRigaGriglia));
    }
    if (l.revisione != g.Revisione() || nuovaScala) {
        l.modelloGriglia->Aggiorna();
        v->horizontalHeader()->setVisible(g.FixedRows > 0);
        LarghezzeColonne(l);
        l.revisione = g.Revisione();
        l.scala = scala_;
    }
    if (l.primaRiga != g.TopRow) {
        // The module scrolls the grid; the user's own scrolling stays
        // until the module moves it again.
        v->verticalScrollBar()->setValue(qMax(0, g.TopRow - g.FixedRows));
        l.primaRiga = g.TopRow;
    }
    const int riga = g.Row - g.FixedRows;
    if (riga >= 0 && riga < l.modelloGriglia->rowCount() && v->currentIndex().row() != riga) {
        // The current cell on the first text column (the locality in every
        // set-up), where a typed letter looks for its row.
        const int colonna = qBound(0, 1 - g.FixedCols, qMax(0, l.modelloGriglia->columnCount() - 1));
        QSignalBlocker blocco(v->selectionModel());
        v->selectionModel()->setCurrentIndex(l.modelloGriglia->index(riga, colonna),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        v->viewport()->update();
    }
    // A stretch of rows selected by the module (the copy grid's chosen
    // stretch) is shown whole.
    const int fine = g.RowSel - g.FixedRows;
    if (riga >= 0 && fine != riga && fine >= 0 && fine < l.modelloGriglia->rowCount() &&
        riga < l.modelloGriglia->rowCount()) {
        const QItemSelection tratto(
            l.modelloGriglia->index(qMin(riga, fine), 0),
            l.modelloGriglia->index(qMax(riga, fine), l.modelloGriglia->columnCount() - 1));
        if (v->selectionModel()->selection() != tratto) {
            QSignalBlocker blocco(v->selectionModel());
            v->selectionModel()->select(tratto, QItemSelectionModel::ClearAndSelect);
        }
    }
}

void FinestraViandora::LarghezzeColonne(Legame& l) {
    auto* v = static_cast<QTableView*>(l.widget);
    const auto& g = static_cast<Griglia&>(*l.controllo);
    // Each column keeps its share of the layout, but is never narrower than
    // its heading and its widest value; what that adds is taken from the
    // columns with room to spare, so the grid stays as wide as drawn.
    const QFontMetrics metrica(v->font());
    QFont grassetto = v->font();
    grassetto.setBold(true);
    const QFontMetrics metricaGrassetto(grassetto);
    // A timetable repeats its dates, hours and places: each text is measured
    // once, and one that could not be wider than what is already needed is
    // not measured at all.
    if (larghezzeTesto_[0].size() + larghezzeTesto_[1].size() > 200000) {
        larghezzeTesto_[0].clear();
        larghezzeTesto_[1].clear();
    }
    const int massimoCarattere = qMax(metrica.maxWidth(), metricaGrassetto.maxWidth());
    auto misura = [&](const QString& testo, bool bold) {
        QHash<QString, int>& cache = larghezzeTesto_[bold ? 1 : 0];
        auto it = cache.constFind(testo);
        if (it != cache.constEnd()) return *it;
        const int w = (bold ? metricaGrassetto : metrica).horizontalAdvance(testo);
        cache.insert(testo, w);
        return w;
    };
    const int margine = 2 * (v->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1) + 2;
    const int colonne = l.modelloGriglia->columnCount();
    QVector<int> proprie(colonne), necessarie(colonne);
    int totale = 0, aggiunta = 0, spazio = 0;
    for (int sezione = 0; sezione < colonne; ++sezione) {
        const int col = l.modelloGriglia->ColonnaGriglia(sezione);
        const int larghezza = g.ColWidth(col);
        v->setColumnHidden(sezione, larghezza <= 0);
        if (larghezza <= 0) continue;
        int necessaria = metrica.horizontalAdvance(g.TextMatrix(0, col)) + margine + 4;
        for (int r = g.FixedRows; r < g.Rows(); ++r) {
            const QString testo = g.TextMatrix(r, col);
            if (testo.isEmpty() || testo.size() * massimoCarattere + margine <= necessaria) continue;
            necessaria = qMax(necessaria, misura(testo, g.Stile(r, col).Bold) + margine);
        }
        proprie[sezione] = Px(larghezza);
        necessarie[sezione] = necessaria;
        totale += proprie[sezione];
        aggiunta += qMax(0, necessaria - proprie[sezione]);
        spazio += qMax(0, proprie[sezione] - necessaria);
    }
    for (int sezione = 0; sezione < colonne; ++sezione) {
        if (proprie[sezione] <= 0) continue;
        int larghezza = qMax(proprie[sezione], necessarie[sezione]);
        const int margineLibero = proprie[sezione] - necessarie[sezione];
        if (margineLibero > 0 && spazio > 0)
            larghezza -= int(std::lround(double(margineLibero) * qMin(aggiunta, spazio) / spazio));
        v->setColumnWidth(sezione, larghezza);
    }
    Q_UNUSED(totale);
}
