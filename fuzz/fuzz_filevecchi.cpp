// The reader of the earlier version's data files on arbitrary bytes: the
// first byte chooses the kind of file (trips, itinerary, city guide), the
// rest is the file. Every slot must read back whole and every record must
// become values that fit the fields they are written to.
#include <QBuffer>
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "Verifica.h"
#include "planner/conversion/FileARecord.h"
#include "planner/conversion/RecordVecchi.h"

namespace {

void Meta(const QByteArray& record) {
    const std::optional<MetaVecchia> meta = MetaDaRecord(record);
    if (!meta) return;
    VERIFICA(meta->codice.size() == 6);
    VERIFICA(meta->campi.size() == 20);
    // Not blank, nor a deleted trip; no control character in any field.
    const QString& localita = meta->campi.at(0).second;
    VERIFICA(localita.count(u' ') < localita.size() && !localita.endsWith(u' '));
    VERIFICA(!localita.startsWith(QLatin1String("..")));
    for (const auto& [campo, valore] : meta->campi) {
        int larghezza = 0;
        for (const CampoVecchio& c : CampiMetaVecchia)
            if (campo == QLatin1String(c.destinazione)) larghezza = c.larghezza;
        VERIFICA(larghezza > 0 && valore.size() <= larghezza);
        for (QChar c : valore)
            VERIFICA(c.unicode() >= 0x20 && c.unicode() != 0x7F);
    }
}

void Tappa(const QByteArray& record) {
    const std::optional<TappaVecchia> tappa = TappaDaRecord(record);
    if (!tappa) return;
    VERIFICA(!tappa->localita.isEmpty() && tappa->localita.size() <= 24);
    VERIFICA(tappa->localita.at(0) >= u'A' && tappa->localita.at(0) <= u'Z');
    VERIFICA(!tappa->localita.contains(u'*') && !tappa->localita.endsWith(u' '));
    VERIFICA(tappa->strada.endsWith(u' ') && tappa->strada.size() <= 24);
    VERIFICA(tappa->chilometri.size() == 3 && tappa->tipo.size() == 1);
    VERIFICA(tappa->sosta == QLatin1String(" ") || (tappa->sosta.size() == 8 && tappa->sosta.at(2) == u':'));
}

void Voce(const QByteArray& record) {
    const VoceGuidaVecchia voce = VoceDaRecord(record);
    VERIFICA(voce.localita.size() <= 30 && !voce.localita.endsWith(u' '));
    VERIFICA(voce.descrizione.size() <= 60 && !voce.descrizione.endsWith(u' '));
    VERIFICA(voce.codice.size() == 2 && voce.visto.size() == 1);
    VERIFICA(voce.tempo.size() == 5 && voce.tempo.at(2) == u':');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    if (dimensione == 0) return 0;
    const int tipo = dati[0] % 3;
    QByteArray contenuto(reinterpret_cast<const char*>(dati + 1), qsizetype(dimensione - 1));
    QBuffer buffer(&contenuto);
    VERIFICA(buffer.open(QIODevice::ReadOnly));
    const int slot = tipo == 1 ? LunghezzaSlotItinerario : tipo == 0 ? LunghezzaSlotMete : LunghezzaSlotGuida;
    FileARecord file(buffer, slot, QStringLiteral("vecchio.dat"));
    VERIFICA(file.NumeroRecord() == (contenuto.size() + slot - 1) / slot);

    // An itinerary reads as many stages as its header says, past the end
    // of the file too.
    const qint64 ultimo = tipo == 1 ? qMax<qint64>(TappeIntestazione(file.Record(1)) + 1, file.NumeroRecord())
                                    : file.NumeroRecord();
    for (qint64 n = 1; n <= ultimo + 1; ++n) {
        const QByteArray record = file.Record(n);
        VERIFICA(record.size() == slot);
        VERIFICA(record.left(qMax<qint64>(0, contenuto.size() - (n - 1) * slot)) ==
                 contenuto.mid((n - 1) * slot, slot));
        if (tipo == 0)
            Meta(record);
        else if (tipo == 1)
            Tappa(record);
        else
            Voce(record);
    }
    return 0;
}
