// The exchange file reader on arbitrary bytes: a file it accepts is whole
// (three sections, every record as wide as its header, clean values, trips
// with distinct codes) and is read back the same once written again; a
// value made fit for the file stays as it is when made fit again.
#include <QByteArray>
#include <QSet>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "Verifica.h"
#include "common/Testo1252.h"
#include "planner/exchange/FileScambio.h"

namespace {

bool Pulito(const QString& valore) {
    for (const QChar c : valore)
        if (c.unicode() < 32 && c != u'\t') return false;
    return valore == valore.trimmed();
}

QByteArray Riscrivi(const ContenutoScambio& contenuto) {
    QString testo;
    for (int s = 0; s < NumeroSezioniScambio; ++s) {
        testo += RigaScambio(contenuto.sezioni[s].campi, s) + QStringLiteral("\r\n");
        for (const QStringList& record : contenuto.sezioni[s].record)
            testo += RigaScambio(record, s) + QStringLiteral("\r\n");
    }
    return CodificaWindows1252(testo);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const QByteArray byte(reinterpret_cast<const char*>(dati), qsizetype(dimensione));
    ContenutoScambio contenuto;
    qint64 ultimo = -1;
    const EsitoScambio esito = AnalizzaFileScambio(byte, contenuto, [&](qint64 letti) {
        VERIFICA(letti > ultimo && letti <= byte.size());
        ultimo = letti;
    });

    if (esito.stato != EsitoScambio::Valido) {
        VERIFICA(esito.stato == EsitoScambio::SenzaMete || !esito.motivo.isEmpty());
        for (const SezioneScambio& s : contenuto.sezioni)
            VERIFICA(!s.presente && s.campi.isEmpty() && s.record.isEmpty());
    } else {
        QSet<QString> codici;
        for (const ContenutoScambio::Meta& m : contenuto.Mete()) {
            VERIFICA(!m.codice.isEmpty() && !m.localita.isEmpty() && !codici.contains(m.codice));
            codici.insert(m.codice);
        }
        VERIFICA(!codici.isEmpty());
        for (int s = 0; s < NumeroSezioniScambio; ++s) {
            const SezioneScambio& sezione = contenuto.sezioni[s];
            VERIFICA(sezione.presente && !sezione.campi.isEmpty());
            VERIFICA(sezione.record.size() == sezione.righe.size());
            for (const QStringList& record : sezione.record) {
                VERIFICA(record.size() == sezione.campi.size());
                for (const QString& valore : record)
                    VERIFICA(Pulito(valore) && !valore.contains(QChar(SeparatoriScambio[s])));
            }
        }
        ContenutoScambio riletto;
        VERIFICA(AnalizzaFileScambio(Riscrivi(contenuto), riletto).stato == EsitoScambio::Valido);
        for (int s = 0; s < NumeroSezioniScambio; ++s) {
            VERIFICA(riletto.sezioni[s].campi == contenuto.sezioni[s].campi);
            VERIFICA(riletto.sezioni[s].record == contenuto.sezioni[s].record);
        }
    }

    // Any line of the input, made fit to be a value of the file.
    const QString testo = DecodificaWindows1252(byte.left(4096));
    bool cambiato = false;
    const QString valore = ValorePerFileScambio(testo, cambiato);
    VERIFICA(Pulito(valore));
    for (const char16_t separatore : SeparatoriScambio)
        VERIFICA(!valore.contains(QChar(separatore)));
    bool ancora = true;
    VERIFICA(ValorePerFileScambio(valore, ancora) == valore && !ancora);
    return 0;
}
