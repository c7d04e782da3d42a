#pragma once
// What a path names, asked before a file is opened: a name typed by the user
// or found in a folder may be a folder, a device, a FIFO or a socket. Only a
// regular file is ever read, and only a regular file or a new name is ever
// written (and then replaced by renaming a temporary file over it). Asking
// never opens the path, so a FIFO cannot make the program wait.
#include <QString>

enum class TipoPercorso { Assente, File, Cartella, Fifo, Socket, Dispositivo, Altro, Inaccessibile };

// Links are followed: a link is what it points to (a broken one is Assente).
TipoPercorso TipoDelPercorso(const QString& percorso);

// True when the path names a regular file; otherwise false, with
// "Impossibile leggere il file ...: <why>" in errore.
bool ControllaFileDaLeggere(const QString& percorso, QString* errore = nullptr);

// True when a file may be written at the path: nothing is there yet, or a
// regular file that will be replaced; otherwise false, with
// "Impossibile scrivere il file ...: <why>" in errore.
bool ControllaFileDaScrivere(const QString& percorso, QString* errore = nullptr);

// Writes the bytes to the path through a temporary file renamed over it, after
// ControllaFileDaScrivere; false, with the reason in errore, when it could not.
bool ScriviFileIntero(const QString& percorso, const QByteArray& dati, QString* errore = nullptr);

// A text (a destination) as part of a file name: characters that no file
// system accepts become blanks.
QString PerNomeFile(const QString& testo);
