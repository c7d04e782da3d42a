#pragma once
// Key filters shared by the window's fields: each leaves the typed character
// in KeyAscii, changes it, or sets it to 0 to discard it.
#include <QString>

// Letters in upper case.
inline void FiltroMaiuscolo(int& KeyAscii) {
    const QString c = QString(QChar(KeyAscii)).toUpper();
    if (c.size() == 1) KeyAscii = c.at(0).unicode();
}

// Digits, and the control keys that correct them (backspace).
inline void FiltroCifre(int& KeyAscii) {
    if (KeyAscii >= 32 && (KeyAscii < '0' || KeyAscii > '9')) KeyAscii = 0;
}

// A list that only takes a choice from its items.
inline void FiltroSoloLista(int& KeyAscii) {
    KeyAscii = 0;
}
