#include "routeimport/ServizioPercorso.h"

#include <QFile>

#include "common/FileOrdinario.h"
#include "common/Numeri.h"
#include "database/Database.h"
#include "itinerary/MemorizzaTappe.h"
#include "routeimport/LetturaPercorso.h"
#include "trip/CaricaViaggio.h"

namespace {

const char* const TestoRifiuto = "Impossibile: sono presenti delle tappe!\r\n\r\n"
                                 "E' ammesso solo con itinerario vuoto.\r\n\r\n"
                                 "Se vuoi procedere con l'import da MapPoint,\r\n"
                                 "è necessario cancellare l'itinerario.";
const char* const TestoNonRiconosciuto = "Attenzione!\r\n\r\nFile non riconosciuto!\r\n\r\n"
                                         "Attualmente sono riconosciuti:\r\n. MapPoint\r\n. Autoroute 66\r\n"
                                         ". Route 2000-2001\r\n\r\n"
                                         "Contatta l'autore per l'eventuale abilitazione.";

// A route file is a few hundred kilobytes; anything far larger is no route.
constexpr qint64 DimensioneMassima = 64 * 1024 * 1024;

} // namespace

QString RifiutoConTappe() {
    return QString::fromUtf8(TestoRifiuto);
}

PercorsoLetto LeggiFilePercorso(const QString& file) {
    PercorsoLetto p;
    QString errore;
    if (!ControllaFileDaLeggere(file, &errore)) {
        p.Errore = errore;
        p.Critico = true;
        return p;
    }
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() > DimensioneMassima) {
        p.Errore = QStringLiteral("Impossibile leggere il file:\r\n") + file;
        p.Critico = true;
        return p;
    }
    const QByteArray contenuto = f.readAll();
    f.close();

    LetturaPercorso lettura;
    switch (lettura.Leggi(contenuto)) {
    case LetturaPercorso::Esito::NonRiconosciuto:
        p.Errore = QString::fromUtf8(TestoNonRiconosciuto);
        return p;
    case LetturaPercorso::Esito::DistanzaNonCredibile:
        p.Errore = QStringLiteral("Impossibile: il file indica %1 km per arrivare a %2, una distanza non "
                                  "credibile tra due località del percorso.")
                       .arg(Formato(double(lettura.KmNonCredibili), QStringLiteral("#,##0")),
                            lettura.LocalitaNonCredibile);
        return p;
    case LetturaPercorso::Esito::TroppoLungo:
        p.Errore =
            QStringLiteral("Impossibile: il percorso supera %1 tappe.").arg(LetturaPercorso::MassimoTappe);
        return p;
    case LetturaPercorso::Esito::Letto:
        break;
    }
    if (lettura.Tappe.isEmpty()) {
        p.Errore = QStringLiteral("Nel file non è indicata alcuna località del percorso.");
        return p;
    }
    for (int r = 0; r < lettura.Tappe.size(); ++r) {
        const TappaPercorso& t = lettura.Tappe.at(r);
        QStringList celle = {QString::number(r + 1), t.Localita, t.Strada,  QString::number(t.Km),
                             t.TipoStrada,           QString(),  QString(), t.Sosta};
        p.Tappe << TappaDaCelle(celle);
        celle.remove(5, 2);
        p.Celle << celle;
    }
    return p;
}

EsitoImportaPercorso ImportaPercorso(Database& db, const QString& codiceMeta, const QString& file) {
    EsitoImportaPercorso esito;
    Database::Transazione transazione(db);
    if (!LeggiRecordMeta(db, codiceMeta)) {
        esito.Errore = QStringLiteral("Mèta inesistente: ") + codiceMeta;
        return esito;
    }
    // As the window refuses it, before any file is read.
    for (const RecordTappa& t : LeggiTappe(db, codiceMeta))
        if (!t.Localita.trimmed().isEmpty()) {
            esito.Errore = RifiutoConTappe();
            return esito;
        }
    const PercorsoLetto percorso = LeggiFilePercorso(file);
    if (!percorso.Errore.isEmpty()) {
        esito.Errore = percorso.Errore;
        return esito;
    }
    esito.Errore = MemorizzaTappe(db, codiceMeta, percorso.Tappe);
    if (!esito.Errore.isEmpty()) return esito;
    transazione.Conferma();
    esito.Tappe = int(percorso.Tappe.size());
    for (const Tappa& t : percorso.Tappe)
        esito.Km += t.Km;
    return esito;
}
