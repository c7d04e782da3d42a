#pragma once
// What the window's files share about how controls look: the open search
// lists, the grid rows and the colour of the input fields.
#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>

#include "shell/Controlli.h"

namespace StileFinestra {
// A drop-down list taller than this is a list box, open on its entries.
constexpr int AltezzaListaAperta = 1000;
// Grid rows, in twips.
constexpr int AltezzaRigaGriglia = 270;

inline bool ListaAperta(const Controllo& c) {
    return c.TipoControllo() == Controllo::Tipo::Elenco && c.Height >= AltezzaListaAperta;
}

// Input fields: the light blue the help texts speak of.
inline void ColoraCampo(QWidget* w, bool inserimento) {
    static const QColor ColoreInserimento(0xD2, 0xEC, 0xFF);
    QPalette tavolozza = w->palette();
    const QColor base = inserimento ? ColoreInserimento : QApplication::palette().color(QPalette::Base);
    if (tavolozza.color(QPalette::Active, QPalette::Base) == base) return;
    tavolozza.setColor(QPalette::Active, QPalette::Base, base);
    tavolozza.setColor(QPalette::Inactive, QPalette::Base, base);
    w->setPalette(tavolozza);
}
} // namespace StileFinestra
