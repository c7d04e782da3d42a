#include "app/ModelloGriglia.h"

#include <QBrush>
#include <QColor>
#include <QFont>

ModelloGriglia::ModelloGriglia(const Griglia& griglia, QObject* parent)
    : QAbstractTableModel(parent), griglia_(griglia), revisione_(griglia.Revisione()),
      righe_(qMax(0, griglia.Rows() - griglia.FixedRows)),
      colonne_(qMax(0, griglia.Cols() - griglia.FixedCols)), fisseRighe_(griglia.FixedRows),
      fisseColonne_(griglia.FixedCols) {}

int ModelloGriglia::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : righe_;
}

int ModelloGriglia::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colonne_;
}

static QColor Colore(int rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QVariant ModelloGriglia::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    // The grid is read as it is now; a cell it no longer has is empty.
    const int r = RigaGriglia(index.row());
    const int c = ColonnaGriglia(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return griglia_.TextMatrix(r, c);
    case Qt::TextAlignmentRole: {
        const int a = griglia_.ColAlignment(c);
        const Qt::Alignment h = a == Griglia::Destra   ? Qt::AlignRight
                                : a == Griglia::Centro ? Qt::AlignHCenter
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
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal)
        return griglia_.FixedRows > 0 ? griglia_.TextMatrix(0, ColonnaGriglia(section)) : QVariant();
    return griglia_.FixedCols > 0 ? griglia_.TextMatrix(RigaGriglia(section), 0) : QVariant(section + 1);
}

void ModelloGriglia::Aggiorna() {
    if (revisione_ == griglia_.Revisione()) return;
    revisione_ = griglia_.Revisione();
    const int righe = qMax(0, griglia_.Rows() - griglia_.FixedRows);
    const int colonne = qMax(0, griglia_.Cols() - griglia_.FixedCols);
    if (colonne != colonne_ || fisseRighe_ != griglia_.FixedRows || fisseColonne_ != griglia_.FixedCols) {
        beginResetModel();
        righe_ = righe;
        colonne_ = colonne;
        fisseRighe_ = griglia_.FixedRows;
        fisseColonne_ = griglia_.FixedCols;
        endResetModel();
        return;
    }
    // Rows added or dropped at the end; the view keeps its place.
    if (righe > righe_) {
        beginInsertRows({}, righe_, righe - 1);
        righe_ = righe;
        endInsertRows();
    } else if (righe < righe_) {
        beginRemoveRows({}, righe, righe_ - 1);
        righe_ = righe;
        endRemoveRows();
    }
    // The view repaints only the cells it shows.
    if (righe_ > 0 && colonne_ > 0) emit dataChanged(index(0, 0), index(righe_ - 1, colonne_ - 1));
    if (colonne_ > 0) emit headerDataChanged(Qt::Horizontal, 0, colonne_ - 1);
}
