#pragma once
// A new, empty database file, as the planner's first start leaves it.
#include <QString>

// Makes the file with the six tables and their indexes, the application id,
// the built-in default parameters and the default guide types. It is built under a temporary name beside
// the file and takes the name only when complete, and never in place of an
// existing file: false, with the reason, when the file exists, the folder is
// missing or the file cannot be written (nothing is then left behind).
bool CreaDatabaseNuovo(const QString& file, QString& errore);
