#pragma once
// Qt's own texts (file dialogs, standard buttons, the line edit's menu) in
// Italian, like the rest of the program.
class QCoreApplication;

// Installs Qt's Italian translations on the application; false when they
// are not installed on the system (the texts stay in English).
bool CaricaTraduzioniQt(QCoreApplication& applicazione);
