#pragma once
// Text files in Windows-1252, the code page of every file the programs
// exchange. A character the code page cannot hold is written as "?".
#include <QByteArray>
#include <QString>
#include <QStringList>

QByteArray CodificaWindows1252(const QString& testo);
QString DecodificaWindows1252(const QByteArray& byte);

// The lines of a file's bytes (CR LF, LF or CR end a line; a final line end
// adds no empty line).
QStringList RigheWindows1252(const QByteArray& contenuto);

// Reads every line (CR LF, LF or CR end a line; a final line end adds no
// empty line). False with an Italian message when the file cannot be read
// or the path names anything but a regular file.
bool LeggiRigheWindows1252(const QString& percorso, QStringList& righe, QString* errore = nullptr);

// Writes the lines, each ended by CR LF, to a temporary file renamed over
// the target only when everything was written. False with an Italian
// message on failure, or when the path names anything but a regular file or
// a new name (nothing is written then); the previous file is left as it was.
bool ScriviRigheWindows1252(const QString& percorso, const QStringList& righe, QString* errore = nullptr);
