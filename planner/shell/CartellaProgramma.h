#pragma once
#include <QString>

// The folder of the database and of the files the planner writes, with a
// trailing "/": the program's own folder, or the user's data folder when the
// program's folder cannot be written (an installed copy). Empty when neither
// can be used.
QString ScegliCartellaProgramma(const QString& cartellaEseguibile, const QString& cartellaUtente);
