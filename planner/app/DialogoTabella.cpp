#include "app/DialogoTabella.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// The colour of the rows that stand out: the grid's end-of-day yellow.
const QColor ColoreEvidenza(0xFF, 0xF2, 0xA8);
} // namespace

QDialog* CreaDialogoTabella(QWidget* genitore, const QString& titolo, const QStringList& intestazioni,
                            const QList<QStringList>& righe, const QList<int>& evidenziate) {
    auto* dialogo = new QDialog(genitore);
    dialogo->setWindowTitle(titolo);
    if (genitore) dialogo->setFont(genitore->font());
    auto* tabella = new QTableWidget(int(righe.size()), int(intestazioni.size()), dialogo);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setHorizontalHeaderLabels(intestazioni);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setWordWrap(false);
    tabella->verticalHeader()->setVisible(false);
    // Figures, times and dates to the right, words to the left.
    static const QRegularExpression cifre(QStringLiteral("^[0-9.:,-]*$"));
    QFont grassetto = dialogo->font();
    grassetto.setBold(true);
    for (int r = 0; r < righe.size(); ++r) {
        const bool totale = r == righe.size() - 1;
        for (int c = 0; c < intestazioni.size(); ++c) {
            const QString testo = righe.at(r).value(c);
            auto* cella = new QTableWidgetItem(testo);
            cella->setTextAlignment(Qt::AlignVCenter |
                                    (cifre.match(testo).hasMatch() ? Qt::AlignRight : Qt::AlignLeft));
            if (evidenziate.contains(r)) cella->setBackground(ColoreEvidenza);
            if (totale) cella->setFont(grassetto);
            if (c == intestazioni.size() - 1 && !testo.isEmpty()) cella->setToolTip(testo);
            tabella->setItem(r, c, cella);
        }
    }
    tabella->resizeColumnsToContents();
    tabella->resizeRowsToContents();
    tabella->horizontalHeader()->setStretchLastSection(true);

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Close, dialogo);
    pulsanti->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Chiudi"));
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, dialogo, &QDialog::reject);
    auto* disposizione = new QVBoxLayout(dialogo);
    disposizione->addWidget(tabella);
    disposizione->addWidget(pulsanti);

    // As large as the table, within most of the screen.
    int larghezza = tabella->verticalScrollBar()->sizeHint().width() + 2 * tabella->frameWidth();
    for (int c = 0; c < tabella->columnCount(); ++c)
        larghezza += tabella->columnWidth(c);
    int altezza = tabella->horizontalHeader()->sizeHint().height() + 2 * tabella->frameWidth();
    for (int r = 0; r < tabella->rowCount(); ++r)
        altezza += tabella->rowHeight(r);
    QSize massima(1600, 1000);
    if (QScreen* schermo = genitore ? genitore->screen() : nullptr) massima = schermo->availableSize() * 0.9;
    const QMargins margini = disposizione->contentsMargins();
    const int larghezzaVoluta = larghezza + margini.left() + margini.right();
    // Narrower than the table: its scroll bar takes a row's room, and the
    // totals stay in view.
    if (larghezzaVoluta > massima.width()) altezza += tabella->horizontalScrollBar()->sizeHint().height();
    const QSize voluta(larghezzaVoluta, altezza + pulsanti->sizeHint().height() + disposizione->spacing() +
                                            margini.top() + margini.bottom());
    dialogo->resize(voluta.boundedTo(massima));
    return dialogo;
}
