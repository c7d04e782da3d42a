#pragma once
// A table in a dialog of its own: column headings, rows of cells, some rows
// standing out, the last row (the totals) in bold; closed with "Chiudi".
#include <QList>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// The dialog, not yet shown; it takes the font of the window it belongs to.
QDialog* CreaDialogoTabella(QWidget* genitore, const QString& titolo, const QStringList& intestazioni,
                            const QList<QStringList>& righe, const QList<int>& evidenziate);
