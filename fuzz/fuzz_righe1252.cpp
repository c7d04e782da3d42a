// The Windows-1252 line reader on arbitrary bytes.
#include <QByteArray>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "Verifica.h"
#include "common/Testo1252.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const QByteArray byte(reinterpret_cast<const char*>(dati), qsizetype(dimensione));

    // Every byte survives decoding and encoding.
    VERIFICA(CodificaWindows1252(DecodificaWindows1252(byte)) == byte);

    const QStringList righe = RigheWindows1252(byte);
    QByteArray senzaFineRiga = byte;
    senzaFineRiga.replace('\r', QByteArray()).replace('\n', QByteArray());
    QByteArray unite;
    for (const QString& riga : righe) {
        VERIFICA(!riga.contains(u'\r') && !riga.contains(u'\n'));
        unite += CodificaWindows1252(riga);
    }
    // Only line ends are dropped, nothing else is lost or added.
    VERIFICA(unite == senzaFineRiga);

    // Lines written with CR LF read back as they were.
    VERIFICA(RigheWindows1252(CodificaWindows1252(righe.join(QStringLiteral("\r\n")) +
                                                  (righe.isEmpty() ? QString() : QStringLiteral("\r\n")))) ==
             righe);
    return 0;
}
