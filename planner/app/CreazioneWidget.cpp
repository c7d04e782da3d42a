// The widgets of the window, one kind of control at a time, each with its
// signals forwarded to the window module's handlers.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>

#include "app/FinestraViandora.h"
#include "app/ModelloGriglia.h"
#include "app/StileFinestra.h"

using StileFinestra::ColoraCampo;
using StileFinestra::ListaAperta;

QWidget* FinestraViandora::CreaWidget(Controllo& c, QWidget* genitore) {
    const QString nome = c.NomeCompleto();
    switch (c.TipoControllo()) {
    case Controllo::Tipo::Pannello: {
        auto* g = new QGroupBox(genitore);
        // A panel shown over others hides what lies beneath.
        g->setAutoFillBackground(true);
        return g;
    }
    case Controllo::Tipo::Pulsante:
        return CreaPulsante(nome, genitore);
    case Controllo::Tipo::CasellaTesto:
        return CreaCasellaTesto(static_cast<CasellaTesto&>(c), nome, genitore);
    case Controllo::Tipo::Etichetta:
        return new QLabel(genitore);
    case Controllo::Tipo::Elenco:
        if (ListaAperta(c)) return CreaListaRicerca(static_cast<Elenco&>(c), nome, genitore);
        return CreaElenco(static_cast<Elenco&>(c), nome, genitore);
    case Controllo::Tipo::CasellaSpunta:
        return CreaCasellaSpunta(static_cast<CasellaSpunta&>(c), nome, genitore);
    case Controllo::Tipo::ListaVoci:
        return CreaListaVoci(static_cast<ListaVoci&>(c), nome, genitore);
    case Controllo::Tipo::Opzione:
        return CreaOpzione(static_cast<Opzione&>(c), nome, genitore);
    case Controllo::Tipo::Griglia:
        return CreaGriglia(static_cast<Griglia&>(c), nome, genitore);
    }
    return new QWidget(genitore);
}

QWidget* FinestraViandora::CreaPulsante(const QString& nome, QWidget* genitore) {
    auto* b = new QPushButton(genitore);
    b->setAutoDefault(false);
    // Commands are given by their mnemonics, Enter and Esc: Tab goes
    // through the input fields only, and a click leaves the focus where
    // the work is.
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, [this, nome] { Evento([this, nome] { form_.Click(nome); }); });
    return b;
}

QWidget* FinestraViandora::CreaCasellaTesto(CasellaTesto& casella, const QString& nome, QWidget* genitore) {
    auto* e = new QLineEdit(genitore);
    connect(e, &QLineEdit::textEdited, this, [this, casella = &casella, nome](const QString& testo) {
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

QWidget* FinestraViandora::CreaListaRicerca(Elenco& elenco, const QString& nome, QWidget* genitore) {
    // A search list: open on its entries, the numbers at their end aligned
    // in a fixed-pitch font.
    auto* lista = new QListWidget(genitore);
    lista->setProperty("ricerca", true);
    connect(lista, &QListWidget::itemClicked, this,
            [this, lista, elenco = &elenco, nome](QListWidgetItem* voce) {
                elenco->SetListIndex(lista->row(voce));
                Evento([this, nome] { form_.Click(nome); });
            });
    lista->installEventFilter(this);
    return lista;
}

QWidget* FinestraViandora::CreaElenco(Elenco& elenco, const QString& nome, QWidget* genitore) {
    auto* cb = new QComboBox(genitore);
    cb->setEditable(true);
    cb->setInsertPolicy(QComboBox::NoInsert);
    cb->setMaxVisibleItems(12);
    connect(cb, &QComboBox::activated, this, [this, elenco = &elenco, nome](int i) {
        elenco->SetListIndex(i);
        Evento([this, nome] { form_.Click(nome); });
    });
    connect(cb->lineEdit(), &QLineEdit::textEdited, this,
            [this, elenco = &elenco, nome](const QString& testo) {
                elenco->SetText(testo);
                Evento([this, nome] { form_.Change(nome); });
            });
    cb->lineEdit()->installEventFilter(this);
    cb->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cb->lineEdit(), &QWidget::customContextMenuRequested, this, [this, cb, nome](const QPoint& p) {
        MenuContestuale(cb->lineEdit(), nome, cb->lineEdit()->mapToGlobal(p));
    });
    if (form_.HaGestoreTasti(nome)) cb->lineEdit()->setAcceptDrops(false);
    nomi_.insert(cb->lineEdit(), nome);
    cb->installEventFilter(this);
    ColoraCampo(cb, true);
    return cb;
}

QWidget* FinestraViandora::CreaCasellaSpunta(CasellaSpunta& spunta, const QString& nome, QWidget* genitore) {
    auto* cb = new QCheckBox(genitore);
    connect(cb, &QCheckBox::toggled, this, [this, spunta = &spunta, nome](bool spuntata) {
        if (aggiornamento_) return;
        spunta->Value = spuntata;
        Evento([this, nome] { form_.Click(nome); });
    });
    return cb;
}

QWidget* FinestraViandora::CreaListaVoci(ListaVoci& lista, const QString& nome, QWidget* genitore) {
    auto* lw = new QListWidget(genitore);
    connect(lw, &QListWidget::currentRowChanged, this, [this, lista = &lista, nome](int riga) {
        if (aggiornamento_) return;
        lista->ListIndex = riga;
        Evento([this, nome] { form_.Click(nome); });
    });
    return lw;
}

QWidget* FinestraViandora::CreaOpzione(Opzione& opzione, const QString& nome, QWidget* genitore) {
    auto* rb = new QRadioButton(genitore);
    // The module keeps one button of a group on.
    rb->setAutoExclusive(false);
    connect(rb, &QRadioButton::toggled, this, [this, opzione = &opzione, nome](bool acceso) {
        if (aggiornamento_) return;
        opzione->Value = acceso;
        Evento([this, nome] { form_.Click(nome); });
    });
    return rb;
}

QWidget* FinestraViandora::CreaGriglia(Griglia& griglia, const QString& nome, QWidget* genitore) {
    auto* v = new QTableView(genitore);
    auto* m = new ModelloGriglia(griglia, v);
    v->setModel(m);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setWordWrap(false);
    // Tab leaves the grid for the next field.
    v->setTabKeyNavigation(false);
    v->verticalHeader()->setVisible(false);
    v->horizontalHeader()->setHighlightSections(false);
    connect(v, &QTableView::clicked, this, [this, griglia = &griglia, m, nome](const QModelIndex& indice) {
        griglia->Row = griglia->RowSel = m->RigaGriglia(indice.row());
        griglia->Col = griglia->ColSel = m->ColonnaGriglia(indice.column());
        Evento([this, nome] { form_.Click(nome); });
    });
    // The grid moved its current row by itself (a letter typed, a page of
    // the scroll bar): the module refreshes as for the arrow keys. A mouse
    // press is followed by its click.
    connect(v->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, griglia = &griglia, m, nome](const QModelIndex& attuale) {
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
    // The user's scrolling is the grid's first visible row, as the module
    // keeps it: a list loaded afterwards that shows its first row moves the
    // view back there.
    connect(v->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this, griglia = &griglia, v](int valore) {
                if (aggiornamento_) return;
                griglia->TopRow = valore + griglia->FixedRows;
                for (Legame& l : legami_)
                    if (l.widget == v) l.primaRiga = griglia->TopRow;
            });
    v->installEventFilter(this);
    return v;
}
