#pragma once
// A message box with the buttons and icon that Msg names, in Italian; its
// answer as a Msg value.
#include <QString>

class QWidget;

int RiquadroMessaggio(QWidget* padre, const QString& testo, int pulsanti, const QString& titolo);
