#pragma once
#include <QString>
#include <stdexcept>

// A failed read or write of the database file. The message is Italian and
// meant for the user; the command that met it is abandoned and its
// transaction rolled back. The code is SQLite's primary result code of the
// failure (SQLITE_BUSY, SQLITE_FULL, ...), 0 when it did not come from SQLite.
class ErroreDatabase : public std::runtime_error {
public:
    explicit ErroreDatabase(const QString& messaggio, int codice = 0)
        : std::runtime_error(messaggio.toStdString()), messaggio_(messaggio), codice_(codice) {}
    const QString& Messaggio() const { return messaggio_; }
    int Codice() const { return codice_; }

private:
    QString messaggio_;
    int codice_;
};

// In clear words why a database file could not be opened, or brought to the
// schema, from the SQLite result code of the failure: another program holds
// it, it is read-only, the disk is full, it is not a database of ours. file
// is the path as the user should read it.
QString MessaggioErroreApertura(const QString& file, int codice);
