#include "app/FinestraViandora.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <algorithm>
#include <cmath>

#include "app/ModelloGriglia.h"

namespace {
// The window's outer size includes a frame and a title bar.
constexpr int BordoTwips = 120;
constexpr int TitoloTwips = 405;
// The interface font at the layout's own scale (15 twips a pixel): Liberation
// Sans has the widths of the sans serif the layout was drawn for.
constexpr double PixelCarattere = 10;
// A drop-down list taller than this is a list box, open on its entries.
constexpr int AltezzaListaAperta = 1000;
// Grid rows and the drop-down arrow, in twips.
constexpr int AltezzaRigaGriglia = 270;
constexpr int LarghezzaFreccia = 165;
// The start size leaves this much of the screen around the window.
constexpr double QuotaSchermo = 0.85;
// Repaints while a long command runs, at most one in this many ms.
constexpr qint64 IntervalloRidisegno = 80;
// Input fields: the light blue the help texts speak of.
const QColor ColoreInserimento(0xD2, 0xEC, 0xFF);

bool ListaAperta(const Controllo& c) {
    return c.TipoControllo() == Controllo::Tipo::Elenco && c.Height >= AltezzaListaAperta;
}

// Key codes the grid's handler knows: pages, arrows, first and last row.
int CodiceTastoGriglia(const QKeyEvent* tasto) {
    switch (tasto->key()) {
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Down:
        return 40;
    default:
        return 0;
    }
}

void ColoraCampo(QWidget* w, bool inserimento) {
    QPalette tavolozza = w->palette();
    const QColor base = inserimento ? ColoreInserimento : QApplication::palette().color(QPalette::Base);
    if (tavolozza.color(QPalette::Active, QPalette::Base) == base) return;
    tavolozza.setColor(QPalette::Active, QPalette::Base, base);
    tavolozza.setColor(QPalette::Inactive, QPalette::Base, base);
    w->setPalette(tavolozza);
}
} // namespace

FinestraViandora::FinestraViandora(FormViandora& form, QWidget* parent) : QWidget(parent), form_(form) {
    piano_ = new QWidget(this);
    QHash<QString, QWidget*> contenitori;
    for (Controllo* c : form_.Controlli()) {
        QWidget* genitore = c->Genitore().isEmpty() ? piano_ : contenitori.value(c->Genitore(), piano_);
        QWidget* w = CreaWidget(*c, genitore);
        w->setObjectName(c->NomeCompleto());
        widget_.insert(c->NomeCompleto(), w);
        nomi_.insert(w, c->NomeCompleto());
        if (c->TipoControllo() == Controllo::Tipo::Pannello) contenitori.insert(c->Nome(), w);
        Legame l{c, w};
        if (c->TipoControllo() == Controllo::Tipo::Griglia)
            l.modelloGriglia = qobject_cast<ModelloGriglia*>(static_cast<QTableView*>(w)->model());
        legami_.append(l);
    }
    OrdineTabulazione();
    setMinimumSize(DimensioneA(0.75 / 15));
    ImpostaScala(1.0 / 15);
    resize(DimensioneA(scala_));
    piano_->setGeometry(QRect(QPoint(0, 0), DimensioneA(scala_)));
    Aggiorna();
}

int FinestraViandora::Px(int twips) const {
    return int(std::lround(twips * scala_));
}

QSize FinestraViandora::DimensioneA(double scala) const {
    return QSize(int(std::lround((form_.Width - BordoTwips) * scala)),
                 int(std::lround((form_.Height - TitoloTwips) * scala)));
}

QSize FinestraViandora::DimensioneIniziale(const QSize& disponibile) const {
    // At least the layout's own size when the screen holds it; larger on a
    // larger screen, in whole steps of a tenth.
    const QSize propria = DimensioneA(1.0 / 15);
    double fattore = std::min(disponibile.width() * QuotaSchermo / propria.width(),
                              disponibile.height() * QuotaSchermo / propria.height());
    fattore = std::floor(fattore * 10) / 10;
    if (fattore < 1)
        fattore = std::min({1.0, double(disponibile.width()) / propria.width(),
                            double(disponibile.height()) / propria.height()});
    return DimensioneA(fattore / 15);
}

void FinestraViandora::ImpostaScala(double scala) {
    scala_ = scala;
    larghezzeTesto_[0].clear();
    larghezzeTesto_[1].clear();
    const int pixel = qMax(6, int(std::lround(PixelCarattere * scala_ * 15)));
    QFont carattere(QStringLiteral("Liberation Sans"));
    carattere.setPixelSize(pixel);
    setFont(carattere);
    // The font in the style sheet too, so that every control follows a new
    // scale. Narrow lists: the drop-down arrow must leave room for the digits.
    setStyleSheet(
        QStringLiteral("QWidget { font-family: \"Liberation Sans\"; font-size: %2px; }"
                       "QListWidget[ricerca=\"true\"] { font-family: \"Liberation Mono\"; }"
                       "QComboBox { padding: 0px 1px 0px 2px; }"
                       "QComboBox::drop-down { width: %1px; }"
                       "QGroupBox { font-weight: bold; }"
                       "QGroupBox QLabel, QGroupBox QPushButton, QGroupBox QLineEdit, QGroupBox QCheckBox,"
                       " QGroupBox QComboBox, QGroupBox QTableView, QGroupBox QListWidget, QHeaderView"
                       " { font-weight: normal; }"
                       "QHeaderView::section { padding: 0px 1px; }"
                       "QPushButton { padding: 0px 2px; }")
            .arg(Px(LarghezzaFreccia))
            .arg(pixel));
}

void FinestraViandora::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    const QSize propria = DimensioneA(1.0 / 15);
    // One factor for both directions keeps the proportions; the layout is
    // centred in what is left over.
    const double scala =
        std::min(double(width()) / propria.width(), double(height()) / propria.height()) / 15;
    if (std::abs(scala - scala_) > 1e-9) ImpostaScala(scala);
    const QSize piano = DimensioneA(scala_);
    piano_->setGeometry((width() - piano.width()) / 2, (height() - piano.height()) / 2, piano.width(),
                        piano.height());
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
        // Commands are given by their mnemonics, Enter and Esc: Tab goes
        // through the input fields only, and a click leaves the focus where
        // the work is.
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this,
                [this, nome] { Evento([this, nome] { form_.Click(nome); }); });
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
        e->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(e, &QWidget::customContextMenuRequested, this,
                [this, e, nome](const QPoint& p) { MenuContestuale(e, nome, e->mapToGlobal(p)); });
        if (form_.HaGestoreTasti(nome)) e->setAcceptDrops(false);
        return e;
    }
    case Controllo::Tipo::Etichetta:
        return new QLabel(genitore);
    case Controllo::Tipo::Elenco: {
        auto* elenco = static_cast<Elenco*>(&c);
        if (ListaAperta(c)) {
            // A search list: open on its entries, the numbers at their end
            // aligned in a fixed-pitch font.
            auto* lista = new QListWidget(genitore);
            lista->setProperty("ricerca", true);
            connect(lista, &QListWidget::itemClicked, this,
                    [this, lista, elenco, nome](QListWidgetItem* voce) {
                        elenco->SetListIndex(lista->row(voce));
                        Evento([this, nome] { form_.Click(nome); });
                    });
            lista->installEventFilter(this);
            return lista;
        }
        auto* cb = new QComboBox(genitore);
        cb->setEditable(true);
        cb->setInsertPolicy(QComboBox::NoInsert);
        cb->setMaxVisibleItems(12);
        connect(cb, &QComboBox::activated, this, [this, elenco, nome](int i) {
            elenco->SetListIndex(i);
            Evento([this, nome] { form_.Click(nome); });
        });
        connect(cb->lineEdit(), &QLineEdit::textEdited, this, [this, elenco, nome](const QString& testo) {
            elenco->SetText(testo);
            Evento([this, nome] { form_.Change(nome); });
        });
        cb->lineEdit()->installEventFilter(this);
        cb->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(cb->lineEdit(), &QWidget::customContextMenuRequested, this,
                [this, cb, nome](const QPoint& p) {
                    MenuContestuale(cb->lineEdit(), nome, cb->lineEdit()->mapToGlobal(p));
                });
        if (form_.HaGestoreTasti(nome)) cb->lineEdit()->setAcceptDrops(false);
        nomi_.insert(cb->lineEdit(), nome);
        cb->installEventFilter(this);
        ColoraCampo(cb, true);
        return cb;
    }
    case Controllo::Tipo::CasellaSpunta: {
        auto* cb = new QCheckBox(genitore);
        auto* spunta = static_cast<CasellaSpunta*>(&c);
        connect(cb, &QCheckBox::toggled, this, [this, spunta, nome](bool spuntata) {
            if (aggiornamento_) return;
            spunta->Value = spuntata;
            Evento([this, nome] { form_.Click(nome); });
        });
        return cb;
    }
    case Controllo::Tipo::ListaVoci: {
        auto* lw = new QListWidget(genitore);
        auto* lista = static_cast<ListaVoci*>(&c);
        connect(lw, &QListWidget::currentRowChanged, this, [this, lista, nome](int riga) {
            if (aggiornamento_) return;
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
            if (aggiornamento_) return;
            opzione->Value = acceso;
            Evento([this, nome] { form_.Click(nome); });
        });
        return rb;
    }
    case Controllo::Tipo::Griglia: {
        auto* v = new QTableView(genitore);
        auto* griglia = static_cast<Griglia*>(&c);
        auto* m = new ModelloGriglia(*griglia, v);
        v->setModel(m);
        v->setSelectionBehavior(QAbstractItemView::SelectRows);
        v->setSelectionMode(QAbstractItemView::SingleSelection);
        v->setEditTriggers(QAbstractItemView::NoEditTriggers);
        v->setWordWrap(false);
        // Tab leaves the grid for the next field.
        v->setTabKeyNavigation(false);
        v->verticalHeader()->setVisible(false);
        v->horizontalHeader()->setHighlightSections(false);
        connect(v, &QTableView::clicked, this, [this, griglia, m, nome](const QModelIndex& indice) {
            griglia->Row = griglia->RowSel = m->RigaGriglia(indice.row());
            griglia->Col = griglia->ColSel = m->ColonnaGriglia(indice.column());
            Evento([this, nome] { form_.Click(nome); });
        });
        // The grid moved its current row by itself (a letter typed, a page
        // of the scroll bar): the module refreshes as for the arrow keys. A
        // mouse press is followed by its click.
        connect(v->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, griglia, m, nome](const QModelIndex& attuale) {
                    if (aggiornamento_ || !attuale.isValid() || !form_.HaGestoreKeyDown(nome) ||
                        QApplication::mouseButtons() != Qt::NoButton)
                        return;
                    const int riga = m->RigaGriglia(attuale.row());
                    if (riga == griglia->Row) return;
                    griglia->Row = griglia->RowSel = riga;
                    Evento([this, nome] {
                        int k = 0;
                        form_.KeyDown(nome, k);
                    });
                });
        v->installEventFilter(this);
        return v;
    }
    }
    return new QWidget(genitore);
}

void FinestraViandora::OrdineTabulazione() {
    // Screen order: the panels by their place, and inside each the controls
    // row by row; a panel's content comes where the panel stands.
    QHash<QString, QList<Controllo*>> figli;
    for (Controllo* c : form_.Controlli())
        figli[c->Genitore()].append(c);
    QList<QWidget*> ordine;
    std::function<void(const QString&)> visita = [&](const QString& pannello) {
        QList<Controllo*> lista = figli.value(pannello);
        // Controls whose tops differ by less than a field's height share a row.
        std::stable_sort(lista.begin(), lista.end(), [](const Controllo* a, const Controllo* b) {
            if (std::abs(a->Top - b->Top) >= 200) return a->Top < b->Top;
            return a->Left < b->Left;
        });
        for (Controllo* c : lista) {
            if (c->TipoControllo() == Controllo::Tipo::Pannello)
                visita(c->Nome());
            else if (QWidget* w = Widget(c->NomeCompleto()); w && (w->focusPolicy() & Qt::TabFocus))
                ordine.append(w);
        }
    };
    visita(QString());
    for (int i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
}

void FinestraViandora::Aggiorna() {
    Ridisegna(true);
}

void FinestraViandora::AggiornaDurante() {
    if (ultimoRidisegno_.isValid() && ultimoRidisegno_.elapsed() < IntervalloRidisegno) return;
    Ridisegna(false);
}

void FinestraViandora::Ridisegna(bool griglie) {
    aggiornamento_ = true;
    if (windowTitle() != form_.Caption) setWindowTitle(form_.Caption);
    for (Legame& l : legami_)
        AggiornaWidget(l, griglie);
    // A control shown lies over those created before it, as the panels are
    // meant to; raising repaints, so only when something came into view.
    if (mostrati_) {
        for (Legame& l : legami_)
            if (l.controllo->Visible) l.widget->raise();
        mostrati_ = false;
    }
    aggiornamento_ = false;
    ultimoRidisegno_.start();
    if (!fuoco_.isEmpty()) {
        if (QWidget* w = Widget(fuoco_); w && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
            fuoco_.clear();
        } else if (griglie) {
            // Asked for a control the module then hid: nothing to do.
            fuoco_.clear();
        }
    }
}

void FinestraViandora::Fuoco(const QString& nomeCompleto) {
    fuoco_ = nomeCompleto;
}

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
        const QString& caption = static_cast<Pannello&>(c).Caption;
        if (g->title() != caption) g->setTitle(caption);
        break;
    }
    case Controllo::Tipo::Pulsante: {
        auto* b = static_cast<QPushButton*>(w);
        const auto& p = static_cast<Pulsante&>(c);
        if (b->text() != p.Caption) b->setText(p.Caption);
        // Enter and Esc are routed by the window; the frame shows the
        // button that Enter triggers.
        if (b->isDefault() != p.Default) b->setDefault(p.Default);
        break;
    }
    case Controllo::Tipo::CasellaTesto: {
        auto* e = static_cast<QLineEdit*>(w);
        const auto& t = static_cast<CasellaTesto&>(c);
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
        const Qt::FocusPolicy politica = t.BackColor >= 0 || &c == &form_.txtBase ? Qt::NoFocus
                                         : t.Locked                               ? Qt::ClickFocus
                                                                                  : Qt::StrongFocus;
        if (e->focusPolicy() != politica) e->setFocusPolicy(politica);
        const int massimo = t.MaxLength > 0 ? t.MaxLength : 32767;
        if (e->maxLength() != massimo) e->setMaxLength(massimo);
        const Qt::Alignment allineamento = t.Centrato ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
        if (e->alignment() != allineamento) e->setAlignment(allineamento);
        if (t.BackColor >= 0) {
            const QString stile = QStringLiteral("QLineEdit { background: #%1; color: white; border: none; }")
                                      .arg(t.BackColor, 6, 16, QLatin1Char('0'));
            if (e->styleSheet() != stile) e->setStyleSheet(stile);
        } else {
            ColoraCampo(e, !t.Locked);
        }
        break;
    }
    case Controllo::Tipo::Etichetta: {
        auto* lb = static_cast<QLabel*>(w);
        const QString& caption = static_cast<Etichetta&>(c).Caption;
        if (lb->text() != caption) lb->setText(caption);
        // A label of two lines or more wraps its text.
        if (lb->wordWrap() != (c.Height >= 480)) lb->setWordWrap(c.Height >= 480);
        break;
    }
    case Controllo::Tipo::CasellaSpunta: {
        auto* cb = static_cast<QCheckBox*>(w);
        const auto& t = static_cast<CasellaSpunta&>(c);
        if (cb->text() != t.Caption) cb->setText(t.Caption);
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
        if (lw->currentRow() != lista.ListIndex) lw->setCurrentRow(lista.ListIndex);
        break;
    }
    case Controllo::Tipo::Opzione: {
        auto* rb = static_cast<QRadioButton*>(w);
        const auto& o = static_cast<Opzione&>(c);
        if (rb->text() != o.Caption) rb->setText(o.Caption);
        if (rb->isChecked() != o.Value) {
            QSignalBlocker blocco(rb);
            rb->setChecked(o.Value);
        }
        break;
    }
    case Controllo::Tipo::Elenco: {
        const auto& e = static_cast<Elenco&>(c);
        if (l.revisione == e.Revisione()) break;
        if (auto* lista = qobject_cast<QListWidget*>(w)) {
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
            l.revisione = e.Revisione();
            break;
        }
        auto* cb = static_cast<QComboBox*>(w);
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
        // An index of -1 would empty the typed text: only a chosen entry
        // moves the list's index.
        if (e.ListIndex() >= 0 && cb->currentIndex() != e.ListIndex()) cb->setCurrentIndex(e.ListIndex());
        if (cb->currentText() != e.Text()) {
            cb->setEditText(e.Text());
            // A long choice shows its beginning, unless the user is typing.
            if (!cb->lineEdit()->hasFocus()) cb->lineEdit()->setCursorPosition(0);
        }
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
        if (c.Visible && ListaAperta(c)) fuoco_ = c.NomeCompleto();
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
        v->verticalHeader()->setDefaultSectionSize(Px(AltezzaRigaGriglia));
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

void FinestraViandora::Evento(const std::function<void()>& azione) {
    if (aggiornamento_) return;
    azione();
    if (form_.Terminato()) return;
    Aggiorna();
}

void FinestraViandora::Incolla(QObject* campo, const QString& nome) {
    auto* e = qobject_cast<QLineEdit*>(campo);
    if (!e || e->isReadOnly()) return;
    // What typing could enter, and nothing else: each character goes
    // through the field's key filter; a paste is one line.
    QString testo = QApplication::clipboard()->text();
    testo = testo.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
    QString accettato;
    for (const QChar ch : testo) {
        int KeyAscii = ch.unicode();
        if (KeyAscii < 32) continue;
        if (form_.HaGestoreTasti(nome)) form_.KeyPress(nome, KeyAscii);
        if (KeyAscii != 0) accettato += QChar(KeyAscii);
    }
    if (accettato.isEmpty()) {
        Aggiorna();
        return;
    }
    e->insert(accettato);
    emit e->textEdited(e->text());
}

void FinestraViandora::MenuContestuale(QObject* campo, const QString& nome, const QPoint& dove) {
    auto* e = qobject_cast<QLineEdit*>(campo);
    if (!e) return;
    QMenu menu(e);
    const bool scrivibile = !e->isReadOnly() && e->isEnabled();
    QAction* annulla = menu.addAction(QStringLiteral("&Annulla"), e, &QLineEdit::undo);
    annulla->setEnabled(scrivibile && e->isUndoAvailable());
    QAction* ripeti = menu.addAction(QStringLiteral("&Ripeti"), e, &QLineEdit::redo);
    ripeti->setEnabled(scrivibile && e->isRedoAvailable());
    menu.addSeparator();
    QAction* taglia = menu.addAction(QStringLiteral("&Taglia"), e, [e] {
        e->cut();
        emit e->textEdited(e->text());
    });
    taglia->setEnabled(scrivibile && e->hasSelectedText() && e->echoMode() == QLineEdit::Normal);
    QAction* copia = menu.addAction(QStringLiteral("&Copia"), e, &QLineEdit::copy);
    copia->setEnabled(e->hasSelectedText() && e->echoMode() == QLineEdit::Normal);
    QAction* incolla = menu.addAction(QStringLiteral("&Incolla"), e, [this, e, nome] { Incolla(e, nome); });
    incolla->setEnabled(scrivibile && !QApplication::clipboard()->text().isEmpty());
    QAction* elimina = menu.addAction(QStringLiteral("&Elimina"), e, [e] {
        e->del();
        emit e->textEdited(e->text());
    });
    elimina->setEnabled(scrivibile && e->hasSelectedText());
    menu.addSeparator();
    QAction* tutto = menu.addAction(QStringLiteral("Seleziona &tutto"), e, &QLineEdit::selectAll);
    tutto->setEnabled(!e->text().isEmpty());
    menu.exec(dove);
    // The edits above went to the model; let the window show its answer.
    Aggiorna();
}

bool FinestraViandora::eventFilter(QObject* oggetto, QEvent* evento) {
    const QString nome = nomi_.value(oggetto);
    if (nome.isEmpty()) return QWidget::eventFilter(oggetto, evento);
    if (evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (qobject_cast<QLineEdit*>(oggetto) && tasto->matches(QKeySequence::Paste)) {
            Incolla(oggetto, nome);
            return true;
        }
        if (auto* lista = qobject_cast<QListWidget*>(oggetto);
            lista && (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)) {
            if (QListWidgetItem* voce = lista->currentItem()) emit lista->itemClicked(voce);
            return true;
        }
        const QString testo = tasto->text();
        // Tab moves the focus, Enter and Esc belong to the default and cancel
        // buttons, Delete edits: none of them reaches a field's key filter.
        const bool tastoDellaFinestra = tasto->key() == Qt::Key_Tab || tasto->key() == Qt::Key_Backtab ||
                                        tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter ||
                                        tasto->key() == Qt::Key_Escape || tasto->key() == Qt::Key_Delete;
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
            const int codice = CodiceTastoGriglia(tasto);
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
        if (c->TipoControllo() != Controllo::Tipo::Pulsante) continue;
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
        resize(DimensioneIniziale(area.size()));
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}
