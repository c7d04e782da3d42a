#include "FileARecord.h"

#include <QIODevice>

#include "common/Numeri.h"
#include "common/Testo1252.h"

qint64 ContaRecord(qint64 lunghezzaFile, int lunghezzaSlot) {
    if (lunghezzaFile <= 0 || lunghezzaSlot <= 0) return 0;
    return qint64(Int(double(lunghezzaFile) / lunghezzaSlot + 0.998));
}

QString CampoRecord(const QByteArray& record, int offset, int larghezza) {
    QByteArray byte = offset >= 0 && offset < record.size() ? record.mid(offset, larghezza) : QByteArray();
    if (byte.size() < larghezza) byte.append(QByteArray(larghezza - byte.size(), ' '));
    // Control characters belong to no text: NULs of a slot never written,
    // line ends and tabs of a damaged file. As blanks they can neither make
    // a blank field count as filled nor break a line of a text file later.
    for (char& b : byte)
        if (static_cast<unsigned char>(b) < 0x20 || b == 0x7F) b = ' ';
    return DecodificaWindows1252(byte);
}

FileARecord::FileARecord(QIODevice& dispositivo, int lunghezzaSlot, const QString& nome)
    : dispositivo_(dispositivo), lunghezzaSlot_(qMax(1, lunghezzaSlot)), nome_(nome),
      lunghezza_(qMax<qint64>(0, dispositivo.size())),
      numeroRecord_(ContaRecord(lunghezza_, lunghezzaSlot_)) {}

QByteArray FileARecord::Record(qint64 n) {
    QByteArray record;
    const qint64 inizio = (n - 1) * lunghezzaSlot_;
    if (n >= 1 && inizio < lunghezza_) {
        if (!dispositivo_.seek(inizio))
            throw ErroreConversione(
                QStringLiteral("Impossibile leggere il record %1 del file %2: posizione non raggiungibile")
                    .arg(n)
                    .arg(nome_));
        record = dispositivo_.read(qMin<qint64>(lunghezzaSlot_, lunghezza_ - inizio));
        if (record.isNull() && lunghezza_ - inizio > 0)
            throw ErroreConversione(
                QStringLiteral("Impossibile leggere il record %1 del file %2: errore di lettura")
                    .arg(n)
                    .arg(nome_));
    }
    if (record.size() < lunghezzaSlot_) record.append(QByteArray(lunghezzaSlot_ - record.size(), ' '));
    return record;
}

ElencoFile::ElencoFile(const QString& cartella) : dir_(cartella) {
    // Folders and broken links too: a name taken by something that is not a
    // readable file must be reported, not taken as absent.
    QStringList nomi = dir_.entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden |
                                      QDir::NoDotAndDotDot | QDir::CaseSensitive);
    nomi.sort();
    for (const QString& nome : std::as_const(nomi)) {
        nomi_.insert(nome);
        if (!perMinuscole_.contains(nome.toLower())) perMinuscole_.insert(nome.toLower(), nome);
    }
}

QString ElencoFile::Cerca(const QString& nome) const {
    if (nomi_.contains(nome)) return dir_.filePath(nome);
    const QString simile = perMinuscole_.value(nome.toLower());
    return simile.isEmpty() ? QString() : dir_.filePath(simile);
}
