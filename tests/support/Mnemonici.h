#pragma once
// The Alt+letters a window offers: every control that answers one (buttons,
// labels with a buddy, titled frames) while it is shown and enabled.
#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>

// "Alt+S: first/second" for each letter two of them share.
inline QStringList MnemoniciDoppi(const QWidget& finestra) {
    QHash<QKeySequence, QString> visti;
    QStringList doppi;
    for (QWidget* w : finestra.findChildren<QWidget*>()) {
        QString testo;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            testo = b->text();
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            testo = l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            testo = g->title();
        if (!testo.contains(u'&') || !w->isVisibleTo(&finestra) || !w->isEnabled()) continue;
        const QKeySequence tasto = QKeySequence::mnemonic(testo);
        if (tasto.isEmpty()) continue;
        const QString nome = w->objectName().isEmpty() ? testo : w->objectName();
        if (visti.contains(tasto))
            doppi << tasto.toString() + ": " + visti.value(tasto) + "/" + nome;
        else
            visti.insert(tasto, nome);
    }
    return doppi;
}
