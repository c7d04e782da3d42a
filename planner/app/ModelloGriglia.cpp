#include "app/ModelloGriglia.h"

#include <QBrush>
#include <QColor>
#include <QFont>

ModelloGriglia::ModelloGriglia(const Griglia& griglia, QObject* parent)
    : QAbstractTableModel(parent), griglia_(griglia), revisione_(griglia.Revisione()) {}

int ModelloGriglia::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : qMax(0, griglia_.Rows() - griglia_.FixedRows);
}

int ModelloGriglia::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : qMax(0, griglia_.Cols() - griglia_.FixedCols);
}

static QColor Colore(int rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

QVariant ModelloGriglia::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int r = RigaGriglia(index.row());
    const int c = ColonnaGriglia(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return griglia_.TextMatrix(r, c);
    case Qt::TextAlignmentRole: {
        const int a = griglia_.ColAlignment(c);
        const Qt::Alignment h = a == Griglia::Destra ? Qt::AlignRight : a == Griglia::Centro ? Qt::AlignHCenter
                                                                                             : Qt::AlignLeft;
        return QVariant::fromValue(h | Qt::AlignVCenter);
    }
    case Qt::FontRole:
        if (griglia_.Stile(r, c).Bold) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case Qt::BackgroundRole: {
        const int colore = griglia_.Stile(r, c).BackColor;
        return colore < 0 ? QVariant() : QVariant(QBrush(Colore(colore)));
    }
    case Qt::ForegroundRole: {
        const int colore = griglia_.Stile(r, c).ForeColor;
        return colore < 0 ? QVariant() : QVariant(QBrush(Colore(colore)));
    }
    default:
        return {};
    }
}

QVariant ModelloGriglia::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return griglia_.FixedRows > 0 ? griglia_.TextMatrix(0, ColonnaGriglia(section)) : QVariant();
    return griglia_.FixedCols > 0 ? griglia_.TextMatrix(RigaGriglia(section), 0) : QVariant(section + 1);
}

void ModelloGriglia::Aggiorna() {
    if (revisione_ == griglia_.Revisione())
        return;
    revisione_ = griglia_.Revisione();
    beginResetModel();
    endResetModel();
}
