#include "app/FinestraViandora.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>

#include "app/ModelloGriglia.h"

namespace {
// Positions are kept in twips; 15 twips make one pixel at 96 dots per inch.
int Px(int twips) { return (twips + 7) / 15; }
// The window's outer size includes a frame and a title bar.
constexpr int BordoTwips = 120;
constexpr int TitoloTwips = 480;
} // namespace

FinestraViandora::FinestraViandora(FormViandora& form, QWidget* parent) : QWidget(parent), form_(form) {
    QFont carattere = font();
    carattere.setPointSizeF(8);
    setFont(carattere);
    // Narrow lists: the drop-down arrow must leave room for two digits.
    setStyleSheet(QStringLiteral("QComboBox { padding: 0px 1px 0px 3px; }"
                                 "QComboBox::drop-down { width: 12px; }"
                                 "QGroupBox { font-weight: bold; }"
                                 "QGroupBox QLabel, QGroupBox QPushButton, QGroupBox QLineEdit,"
                                 " QGroupBox QComboBox, QGroupBox QTableView, QHeaderView { font-weight: normal; }"
                                 "QHeaderView::section { padding: 0px 1px; }"));
    setFixedSize(Px(form_.Width - BordoTwips), Px(form_.Height - TitoloTwips));

    QHash<QString, QWidget*> contenitori;
    for (Controllo* c : form_.Controlli()) {
        QWidget* genitore = c->Genitore().isEmpty() ? this : contenitori.value(c->Genitore(), this);
        QWidget* w = CreaWidget(*c, genitore);
        w->setObjectName(c->NomeCompleto());
        widget_.insert(c->NomeCompleto(), w);
        nomi_.insert(w, c->NomeCompleto());
        if (c->TipoControllo() == Controllo::Tipo::Pannello)
            contenitori.insert(c->Nome(), w);
        Legame l{c, w};
        if (c->TipoControllo() == Controllo::Tipo::Griglia)
            l.modelloGriglia = qobject_cast<ModelloGriglia*>(static_cast<QTableView*>(w)->model());
        legami_.append(l);
    }
    Aggiorna();
}

QWidget* FinestraViandora::CreaWidget(Controllo& c, QWidget* genitore) {
    const QString nome = c.NomeCompleto();
    switch (c.TipoControllo()) {
    case Controllo::Tipo::Pannello: {
        auto* g = new QGroupBox(genitore);
        // A panel shown over others hides what lies beneath.
        g->setAutoFillBackground(true);
        return g;
    }
    case Controllo::Tipo::Pulsante: {
        auto* b = new QPushButton(genitore);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, nome] { Evento([this, nome] { form_.Click(nome); }); });
        return b;
    }
    case Controllo::Tipo::CasellaTesto: {
        auto* e = new QLineEdit(genitore);
        auto* casella = static_cast<CasellaTesto*>(&c);
        connect(e, &QLineEdit::textEdited, this, [this, casella, nome](const QString& testo) {
            casella->Text = testo;
            Evento([this, nome] { form_.Change(nome); });
        });
        e->installEventFilter(this);
        return e;
    }
    case Controllo::Tipo::Etichetta:
        return new QLabel(genitore);
    case Controllo::Tipo::Elenco: {
        auto* cb = new QComboBox(genitore);
        cb->setEditable(true);
        cb->setInsertPolicy(QComboBox::NoInsert);
        cb->setMaxVisibleItems(12);
        auto* elenco = static_cast<Elenco*>(&c);
        connect(cb, &QComboBox::activated, this, [this, elenco, nome](int i) {
            elenco->SetListIndex(i);
            Evento([this, nome] { form_.Click(nome); });
        });
        connect(cb->lineEdit(), &QLineEdit::textEdited, this, [this, elenco, nome](const QString& testo) {
            elenco->SetText(testo);
            Evento([this, nome] { form_.Change(nome); });
        });
        cb->lineEdit()->installEventFilter(this);
        nomi_.insert(cb->lineEdit(), nome);
        cb->installEventFilter(this);
        return cb;
    }
    case Controllo::Tipo::CasellaSpunta: {
        auto* cb = new QCheckBox(genitore);
        auto* spunta = static_cast<CasellaSpunta*>(&c);
        connect(cb, &QCheckBox::toggled, this, [this, spunta, nome](bool spuntata) {
            if (aggiornamento_)
                return;
            spunta->Value = spuntata;
            Evento([this, nome] { form_.Click(nome); });
        });
        return cb;
    }
    case Controllo::Tipo::ListaVoci: {
        auto* lw = new QListWidget(genitore);
        auto* lista = static_cast<ListaVoci*>(&c);
        connect(lw, &QListWidget::currentRowChanged, this, [this, lista, nome](int riga) {
            if (aggiornamento_)
                return;
            lista->ListIndex = riga;
            Evento([this, nome] { form_.Click(nome); });
        });
        return lw;
    }
    case Controllo::Tipo::Opzione: {
        auto* rb = new QRadioButton(genitore);
        // The module keeps one button of a group on.
        rb->setAutoExclusive(false);
        auto* opzione = static_cast<Opzione*>(&c);
        connect(rb, &QRadioButton::toggled, this, [this, opzione, nome](bool acceso) {
            if (aggiornamento_)
                return;
            opzione->Value = acceso;
            Evento([this, nome] { form_.Click(nome); });
        });
        return rb;
    }
    case Controllo::Tipo::Griglia: {
        auto* v = new QTableView(genitore);
        auto* m = new ModelloGriglia(*static_cast<Griglia*>(&c), v);
        v->setModel(m);
        v->setSelectionBehavior(QAbstractItemView::SelectRows);
        v->setSelectionMode(QAbstractItemView::SingleSelection);
        v->setEditTriggers(QAbstractItemView::NoEditTriggers);
        v->verticalHeader()->setDefaultSectionSize(18);
        v->verticalHeader()->setVisible(false);
        v->horizontalHeader()->setHighlightSections(false);
        auto* griglia = static_cast<Griglia*>(&c);
        connect(v, &QTableView::clicked, this, [this, griglia, m, nome](const QModelIndex& indice) {
            griglia->Row = griglia->RowSel = m->RigaGriglia(indice.row());
            griglia->Col = griglia->ColSel = m->ColonnaGriglia(indice.column());
            Evento([this, nome] { form_.Click(nome); });
        });
        v->installEventFilter(this);
        return v;
    }
    }
    return new QWidget(genitore);
}

void FinestraViandora::Aggiorna() {
    aggiornamento_ = true;
    setWindowTitle(form_.Caption);
    for (Legame& l : legami_)
        AggiornaWidget(l);
    aggiornamento_ = false;
}

void FinestraViandora::AggiornaWidget(Legame& l) {
    Controllo& c = *l.controllo;
    QWidget* w = l.widget;
    const QRect posto(Px(c.Left), Px(c.Top), Px(c.Width), Px(c.Height));
    if (w->geometry() != posto)
        w->setGeometry(posto);
    if (w->isEnabled() != c.Enabled)
        w->setEnabled(c.Enabled);
    if (w->toolTip() != c.ToolTipText)
        w->setToolTip(c.ToolTipText);
    switch (c.TipoControllo()) {
    case Controllo::Tipo::Pannello: {
        auto* g = static_cast<QGroupBox*>(w);
        const QString& caption = static_cast<Pannello&>(c).Caption;
        if (g->title() != caption)
            g->setTitle(caption);
        break;
    }
    case Controllo::Tipo::Pulsante: {
        auto* b = static_cast<QPushButton*>(w);
        const auto& p = static_cast<Pulsante&>(c);
        if (b->text() != p.Caption)
            b->setText(p.Caption);
        // Enter and Esc are routed by the window; the frame shows the
        // button that Enter triggers.
        if (b->isDefault() != p.Default)
            b->setDefault(p.Default);
        break;
    }
    case Controllo::Tipo::CasellaTesto: {
        auto* e = static_cast<QLineEdit*>(w);
        const auto& t = static_cast<CasellaTesto&>(c);
        if (e->text() != t.Text) {
            QSignalBlocker blocco(e);
            e->setText(t.Text);
        }
        e->setReadOnly(t.Locked);
        e->setMaxLength(t.MaxLength > 0 ? t.MaxLength : 32767);
        e->setAlignment(t.Centrato ? Qt::AlignCenter : Qt::AlignLeft);
        if (t.BackColor >= 0) {
            const QString stile = QStringLiteral("QLineEdit { background: #%1; color: white; border: none; }")
                                      .arg(t.BackColor, 6, 16, QLatin1Char('0'));
            if (e->styleSheet() != stile)
                e->setStyleSheet(stile);
        }
        break;
    }
    case Controllo::Tipo::Etichetta: {
        auto* lb = static_cast<QLabel*>(w);
        const QString& caption = static_cast<Etichetta&>(c).Caption;
        if (lb->text() != caption)
            lb->setText(caption);
        // A label of two lines or more wraps its text.
        if (lb->wordWrap() != (c.Height >= 480))
            lb->setWordWrap(c.Height >= 480);
        break;
    }
    case Controllo::Tipo::CasellaSpunta: {
        auto* cb = static_cast<QCheckBox*>(w);
        const auto& t = static_cast<CasellaSpunta&>(c);
        if (cb->text() != t.Caption)
            cb->setText(t.Caption);
        if (cb->isChecked() != t.Value) {
            QSignalBlocker blocco(cb);
            cb->setChecked(t.Value);
        }
        break;
    }
    case Controllo::Tipo::ListaVoci: {
        auto* lw = static_cast<QListWidget*>(w);
        const auto& lista = static_cast<ListaVoci&>(c);
        QSignalBlocker blocco(lw);
        if (l.revisione != lista.Revisione()) {
            lw->clear();
            lw->addItems(lista.Voci());
            l.revisione = lista.Revisione();
        }
        if (lw->currentRow() != lista.ListIndex)
            lw->setCurrentRow(lista.ListIndex);
        break;
    }
    case Controllo::Tipo::Opzione: {
        auto* rb = static_cast<QRadioButton*>(w);
        const auto& o = static_cast<Opzione&>(c);
        if (rb->text() != o.Caption)
            rb->setText(o.Caption);
        if (rb->isChecked() != o.Value) {
            QSignalBlocker blocco(rb);
            rb->setChecked(o.Value);
        }
        break;
    }
    case Controllo::Tipo::Elenco: {
        auto* cb = static_cast<QComboBox*>(w);
        const auto& e = static_cast<Elenco&>(c);
        if (l.revisione != e.Revisione()) {
            QSignalBlocker blocco(cb);
            QSignalBlocker bloccoTesto(cb->lineEdit());
            if (cb->count() != e.ListCount() || [&] {
                    for (int i = 0; i < e.ListCount(); ++i)
                        if (cb->itemText(i) != e.List(i))
                            return true;
                    return false;
                }()) {
                cb->clear();
                cb->addItems(e.Voci());
            }
            // An index of -1 would empty the typed text: only a chosen entry
            // moves the list's index.
            if (e.ListIndex() >= 0 && cb->currentIndex() != e.ListIndex())
                cb->setCurrentIndex(e.ListIndex());
            if (cb->currentText() != e.Text()) {
                cb->setEditText(e.Text());
                // A long choice shows its beginning, unless the user is typing.
                if (!cb->lineEdit()->hasFocus())
                    cb->lineEdit()->setCursorPosition(0);
            }
            l.revisione = e.Revisione();
        }
        break;
    }
    case Controllo::Tipo::Griglia: {
        auto* v = static_cast<QTableView*>(w);
        const auto& g = static_cast<Griglia&>(c);
        if (l.revisione != g.Revisione()) {
            l.modelloGriglia->Aggiorna();
            for (int col = g.FixedCols; col < g.Cols(); ++col) {
                const int larghezza = g.ColWidth(col);
                const int sezione = col - g.FixedCols;
                v->setColumnHidden(sezione, larghezza <= 0);
                if (larghezza > 0)
                    v->setColumnWidth(sezione, Px(larghezza));
            }
            v->horizontalHeader()->setVisible(g.FixedRows > 0);
            l.revisione = g.Revisione();
        }
        if (l.primaRiga != g.TopRow) {
            // The module scrolls the grid; the user's own scrolling stays
            // until the module moves it again.
            v->verticalScrollBar()->setValue(qMax(0, g.TopRow - g.FixedRows));
            l.primaRiga = g.TopRow;
        }
        const int riga = g.Row - g.FixedRows;
        if (riga >= 0 && riga < l.modelloGriglia->rowCount() && v->currentIndex().row() != riga) {
            QSignalBlocker blocco(v->selectionModel());
            v->selectRow(riga);
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
        break;
    }
    }
    // Visibility last: a widget shown with its final geometry and content.
    if (w->isVisibleTo(w->parentWidget()) != c.Visible)
        w->setVisible(c.Visible);
    if (c.Visible)
        w->raise();
}

void FinestraViandora::Evento(const std::function<void()>& azione) {
    if (aggiornamento_)
        return;
    azione();
    if (form_.Terminato())
        return;
    Aggiorna();
}

bool FinestraViandora::eventFilter(QObject* oggetto, QEvent* evento) {
    const QString nome = nomi_.value(oggetto);
    if (nome.isEmpty())
        return QWidget::eventFilter(oggetto, evento);
    if (evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        const QString testo = tasto->text();
        // Tab moves the focus, Enter and Esc belong to the default and cancel
        // buttons: none of them reaches a field's key filter.
        const bool tastoDellaFinestra = tasto->key() == Qt::Key_Tab || tasto->key() == Qt::Key_Backtab ||
                                        tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter ||
                                        tasto->key() == Qt::Key_Escape;
        if (testo.size() == 1 && !tastoDellaFinestra && form_.HaGestoreTasti(nome)) {
            int KeyAscii = testo.at(0).unicode();
            const int originale = KeyAscii;
            form_.KeyPress(nome, KeyAscii);
            if (KeyAscii == 0) {
                Aggiorna();
                return true;
            }
            if (KeyAscii != originale) {
                if (auto* e = qobject_cast<QLineEdit*>(oggetto)) {
                    e->insert(QString(QChar(KeyAscii)));
                    emit e->textEdited(e->text());
                    return true;
                }
            }
        }
        if (qobject_cast<QTableView*>(oggetto) && form_.HaGestoreKeyDown(nome)) {
            // The module moves the selection itself.
            int codice = 0;
            switch (tasto->key()) {
            case Qt::Key_PageUp:
                codice = 33;
                break;
            case Qt::Key_PageDown:
                codice = 34;
                break;
            case Qt::Key_Up:
                codice = 38;
                break;
            case Qt::Key_Down:
                codice = 40;
                break;
            default:
                break;
            }
            if (codice != 0) {
                Evento([this, nome, codice] {
                    int k = codice;
                    form_.KeyDown(nome, k);
                });
                return true;
            }
        }
    } else if (evento->type() == QEvent::FocusOut && qobject_cast<QComboBox*>(oggetto)) {
        Evento([this, nome] { form_.LostFocus(nome); });
    }
    return QWidget::eventFilter(oggetto, evento);
}

void FinestraViandora::PremiPulsante(bool predefinito) {
    for (Controllo* c : form_.Controlli()) {
        if (c->TipoControllo() != Controllo::Tipo::Pulsante)
            continue;
        auto* p = static_cast<Pulsante*>(c);
        if ((predefinito ? p->Default : p->Cancel) && p->Enabled && p->Visible) {
            if (auto* b = qobject_cast<QPushButton*>(Widget(p->NomeCompleto())); b && b->isVisible())
                b->click();
            return;
        }
    }
}

void FinestraViandora::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)
        PremiPulsante(true);
    else if (evento->key() == Qt::Key_Escape)
        PremiPulsante(false);
    else
        QWidget::keyPressEvent(evento);
}

void FinestraViandora::closeEvent(QCloseEvent* evento) {
    bool annulla = false;
    form_.Form_QueryUnload(annulla);
    if (annulla) {
        evento->ignore();
        Aggiorna();
    } else {
        evento->accept();
    }
}

void FinestraViandora::Centra() {
    if (QScreen* schermo = screen()) {
        const QRect area = schermo->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}
