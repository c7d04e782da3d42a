#pragma once
#include <QString>
#include <functional>

// The folder of the database and of the files the planner writes, with a
// trailing "/": the program's own folder, or the user's data folder when the
// program's folder cannot be written or is that of an installed copy. Empty
// when neither can be used.
//
// When the program's folder holds a database and the user's folder has none,
// the database is copied there first (once: one already there is never
// overwritten), and avviso gets the text that tells the user where their data
// now live. When that copy fails the result is empty and avviso says why: the
// planner never starts on an empty database in place of the user's.
// scrivibile replaces the test of a folder (tests only).
QString ScegliCartellaProgramma(const QString& cartellaEseguibile, const QString& cartellaUtente,
                                QString* avviso = nullptr,
                                const std::function<bool(const QString&)>& scrivibile = {});

// The file whose presence marks an installed copy: the AppStream file that
// the installation puts in the data folder beside the programs' folder.
QString FileSegnoInstallazione(const QString& cartellaEseguibile);
