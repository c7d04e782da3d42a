#include "finestre/RiquadroMessaggio.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QMessageBox>

#include "common/Msg.h"

int RiquadroMessaggio(QWidget* padre, const QString& testo, int pulsanti, const QString& titolo) {
    QMessageBox box(padre);
    box.setWindowTitle(titolo);
    box.setText(testo);
    switch (pulsanti & 0x70) {
    case Msg::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Msg::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Msg::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Msg::Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    const int scelta = pulsanti & 0x7;
    if (scelta == Msg::YesNo || scelta == Msg::YesNoCancel) {
        box.setStandardButtons(scelta == Msg::YesNo
                                   ? QMessageBox::Yes | QMessageBox::No
                                   : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sì"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
        if (scelta == Msg::YesNoCancel) box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // The frame shows the title whole: at least as wide as the title in a
    // bold face, with room for the frame's icon and buttons. The box sizes
    // itself from its layout, so the room is an empty item there.
    QFont grassetto = box.font();
    grassetto.setBold(true);
    const QFontMetrics metrica(grassetto);
    const int larghezza = metrica.horizontalAdvance(titolo) + 8 * metrica.height();
    if (auto* griglia = qobject_cast<QGridLayout*>(box.layout()))
        griglia->addItem(new QSpacerItem(larghezza, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                         griglia->rowCount(), 0, 1, griglia->columnCount());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Msg::Yes;
    case QMessageBox::No:
        return Msg::No;
    case QMessageBox::Cancel:
        return Msg::Cancel;
    default:
        // Closed from its frame: No for a Yes/No box, Cancel when it has one.
        return scelta == Msg::YesNo ? Msg::No : scelta == Msg::YesNoCancel ? Msg::Cancel : Msg::Ok;
    }
}
