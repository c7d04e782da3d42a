#pragma once
// Shows a grid of the window module in a QTableView: the fixed rows and
// columns become the headers. A change of the grid repaints what the view
// shows; only a change of its shape moves rows in the view.
#include <QAbstractTableModel>

#include "shell/Controlli.h"

class ModelloGriglia : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloGriglia(const Griglia& griglia, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Re-reads the grid when it changed since the last call.
    void Aggiorna();

    // Model position <-> grid row and column.
    int RigaGriglia(int riga) const { return riga + fisseRighe_; }
    int ColonnaGriglia(int colonna) const { return colonna + fisseColonne_; }

private:
    const Griglia& griglia_;
    int revisione_ = -1;
    // The shape last told to the view: the grid itself may already hold
    // another one until Aggiorna.
    int righe_ = 0, colonne_ = 0, fisseRighe_ = 0, fisseColonne_ = 0;
};
