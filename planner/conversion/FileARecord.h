#pragma once
// Reading the data files of the earlier version: files of fixed-length
// slots, record n (from 1) in the slot that begins at byte (n - 1) x slot
// length, each record a run of blank-padded text fields in code page 1252.
#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QSet>
#include <QString>
#include <stdexcept>

class QIODevice;

// An old file that cannot be read, or a conversion that cannot go on. The
// message is Italian, names the file and says why.
class ErroreConversione : public std::runtime_error {
public:
    explicit ErroreConversione(const QString& messaggio)
        : std::runtime_error(messaggio.toStdString()), messaggio_(messaggio) {}
    const QString& Messaggio() const { return messaggio_; }

private:
    QString messaggio_;
};

// The number of records of a file of that length: the integer part of
// (length / slot + 0.998), so that a last slot that ends right after its
// last field, without the unused tail, still counts.
qint64 ContaRecord(qint64 lunghezzaFile, int lunghezzaSlot);

// The field of a record at that offset and width, decoded from code page
// 1252. What lies beyond the record, and control characters, read as
// blanks.
QString CampoRecord(const QByteArray& record, int offset, int larghezza);

class FileARecord {
public:
    // The device must be open for reading and able to seek; nome is the
    // file name that error messages give.
    FileARecord(QIODevice& dispositivo, int lunghezzaSlot, const QString& nome);

    qint64 NumeroRecord() const { return numeroRecord_; }
    // The slot of record n, always lunghezzaSlot bytes long: a record cut
    // short, or past the end of the file, is completed with blanks. Throws
    // ErroreConversione when the device fails.
    QByteArray Record(qint64 n);

private:
    QIODevice& dispositivo_;
    int lunghezzaSlot_;
    QString nome_;
    qint64 lunghezza_;
    qint64 numeroRecord_;
};

// The names in a folder, read once. Cerca gives the path of the entry of
// that name: the exact name first, otherwise one that differs only in
// letter case (files copied from another system); empty when there is none.
// Names are compared as texts, never used as patterns.
class ElencoFile {
public:
    explicit ElencoFile(const QString& cartella);
    QString Cerca(const QString& nome) const;

private:
    QDir dir_;
    QSet<QString> nomi_;
    QHash<QString, QString> perMinuscole_;
};
