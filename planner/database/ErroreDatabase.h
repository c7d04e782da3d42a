#pragma once
#include <QString>
#include <stdexcept>

// A failed read or write of the database file. The message is Italian and
// meant for the user; the command that met it is abandoned and its
// transaction rolled back.
class ErroreDatabase : public std::runtime_error {
public:
    explicit ErroreDatabase(const QString& messaggio)
        : std::runtime_error(messaggio.toStdString()), messaggio_(messaggio) {}
    const QString& Messaggio() const { return messaggio_; }

private:
    QString messaggio_;
};
