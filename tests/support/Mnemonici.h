#pragma once
// "Alt+S: first/second" for each letter that two of a window's buttons,
// labels with a buddy or titled frames, shown and enabled, share.
#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>

inline QStringList MnemoniciDoppi(const QWidget& finestra) {
    QHash<QKeySequence, QString> visti;
    QStringList doppi;
    for (QWidget* w : finestra.findChildren<QWidget*>()) {
        const auto* l = qobject_cast<QLabel*>(w);
        const auto* g = qobject_cast<QGroupBox*>(w);
        const auto* b = qobject_cast<QAbstractButton*>(w);
        const QString testo = b ? b->text() : g ? g->title() : l && l->buddy() ? l->text() : QString();
        const QKeySequence tasto = QKeySequence::mnemonic(testo);
        if (tasto.isEmpty() || !w->isVisibleTo(&finestra) || !w->isEnabled()) continue;
        if (visti.contains(tasto)) doppi << tasto.toString() + ": " + visti.value(tasto) + "/" + testo;
        visti.insert(tasto, testo);
    }
    return doppi;
}
