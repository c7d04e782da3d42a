// The reader of route files exported by route planners, on arbitrary bytes:
// every stage it gives is one a stage row can hold, and a file it does not
// take gives no stage.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "Verifica.h"
#include "routeimport/LetturaPercorso.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    LetturaPercorso lettura;
    const auto esito =
        lettura.Leggi(QByteArray::fromRawData(reinterpret_cast<const char*>(dati), qsizetype(dimensione)));
    VERIFICA(esito == LetturaPercorso::Esito::Letto || lettura.Tappe.isEmpty());
    VERIFICA(esito == LetturaPercorso::Esito::NonRiconosciuto ||
             dimensione >= std::size_t(LetturaPercorso::LunghezzaMinima));
    VERIFICA(lettura.Tappe.size() <= LetturaPercorso::MassimoTappe);
    for (const TappaPercorso& t : lettura.Tappe) {
        VERIFICA(!t.Localita.trimmed().isEmpty() && t.Localita == t.Localita.toUpper());
        VERIFICA(t.Km >= 0 && t.Km <= LetturaPercorso::KmMassimiRiga);
        VERIFICA(t.TipoStrada == QLatin1String("A") || t.TipoStrada == QLatin1String("P"));
        VERIFICA(t.Sosta.isEmpty() || t.Strada.startsWith(QLatin1String("TRAGH")));
    }
    return 0;
}
