#include "common/Testo1252.h"

#include "common/FileOrdinario.h"

#include <QFile>
#include <QSaveFile>

#include <array>

namespace {

// Qt's own encoder writes 0x1A for characters it cannot hold, so both directions use this table:
// bytes 0x80-0x9F are the only ones that differ from Latin-1. The five bytes the code page leaves
// undefined map to the control characters of the same value, so every byte survives a round trip.
constexpr std::array<char16_t, 32> Caratteri80_9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t CarattereDelByte(unsigned char b) {
    return b >= 0x80 && b <= 0x9F ? Caratteri80_9F[b - 0x80] : char16_t(b);
}

// The byte of a character, or '?' when the code page does not have it.
char ByteDelCarattere(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < Caratteri80_9F.size(); ++i)
        if (Caratteri80_9F[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

QString Messaggio(const char* azione, const QString& percorso) {
    return QStringLiteral("Impossibile %1 il file %2").arg(QLatin1String(azione), percorso);
}

} // namespace

QByteArray CodificaWindows1252(const QString& testo) {
    QByteArray byte;
    byte.reserve(testo.size());
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        // A character outside the 16-bit range is one character, so it becomes one "?".
        if (c.isHighSurrogate() && i + 1 < testo.size() && testo[i + 1].isLowSurrogate()) ++i;
        byte += c.isSurrogate() ? '?' : ByteDelCarattere(c.unicode());
    }
    return byte;
}

QString DecodificaWindows1252(const QByteArray& byte) {
    QString testo(byte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < byte.size(); ++i)
        testo[i] = QChar(CarattereDelByte(static_cast<unsigned char>(byte[i])));
    return testo;
}

QStringList RigheWindows1252(const QByteArray& contenuto) {
    const QString testo = DecodificaWindows1252(contenuto);
    QStringList righe;
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i] != u'\r' && testo[i] != u'\n') continue;
        righe.append(testo.mid(inizio, i - inizio));
        if (testo[i] == u'\r' && i + 1 < testo.size() && testo[i + 1] == u'\n') ++i;
        inizio = i + 1;
    }
    if (inizio < testo.size()) righe.append(testo.mid(inizio));
    return righe;
}

bool LeggiRigheWindows1252(const QString& percorso, QStringList& righe, QString* errore) {
    righe.clear();
    if (!ControllaFileDaLeggere(percorso, errore)) return false;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errore) *errore = Messaggio("leggere", percorso);
        return false;
    }
    const QByteArray contenuto = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (errore) *errore = Messaggio("leggere", percorso);
        return false;
    }

    righe = RigheWindows1252(contenuto);
    return true;
}

bool ScriviRigheWindows1252(const QString& percorso, const QStringList& righe, QString* errore) {
    if (!ControllaFileDaScrivere(percorso, errore)) return false;
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errore) *errore = Messaggio("scrivere", percorso);
        return false;
    }
    for (const QString& riga : righe) {
        const QByteArray byte = CodificaWindows1252(riga) + "\r\n";
        if (file.write(byte) != byte.size()) {
            file.cancelWriting();
            break;
        }
    }
    if (!file.commit()) {
        if (errore) *errore = Messaggio("scrivere", percorso);
        return false;
    }
    return true;
}
