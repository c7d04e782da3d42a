// Writing the exchange file: the chosen trips, their stages, the whole guide.
#include <QHash>
#include <QSet>

#include "common/FileOrdinario.h"
#include "common/Testo1252.h"
#include "exchange/Passi.h"
#include "exchange/Scambio.h"

namespace {

QStringList NomiCampi(Database& db, const QString& tabella) {
    QStringList nomi;
    for (const InfoCampo& c : db.CampiTabella(tabella))
        nomi.append(c.nome);
    return nomi;
}

// Where CodiceMeta stands among a table's fields.
int PosizioneCodice(const QStringList& campi) {
    for (int i = 0; i < campi.size(); ++i)
        if (campi.at(i).compare(QStringLiteral("CodiceMeta"), Qt::CaseInsensitive) == 0) return i;
    throw ErroreDatabase(QStringLiteral("Manca il campo CodiceMeta"));
}

} // namespace

bool EsportaMete(Database& db, const QStringList& codici, const QString& percorso, Avanzamento* avanzamento,
                 EsitoEsportazione& esito, QString& errore) {
    esito = EsitoEsportazione();
    // A device or FIFO of that name is refused before the archive is read.
    if (!ControllaFileDaScrivere(percorso, &errore)) return false;
    QStringList righe;
    auto scrivi = [&](const QStringList& valori, int sezione) {
        QStringList scritti;
        scritti.reserve(valori.size());
        for (const QString& v : valori) {
            bool cambiato = false;
            scritti.append(ValorePerFileScambio(v, cambiato));
            if (cambiato) ++esito.valoriModificati;
        }
        righe.append(RigaScambio(scritti, sezione));
    };

    QStringList esportati;
    QSet<QString> visti;
    for (const QString& codice : codici)
        if (!codice.isEmpty() && !visti.contains(codice)) {
            visti.insert(codice);
            esportati.append(codice);
        }

    try {
        const QString mete = QString::fromLatin1(TabelleScambio[SezMete]);
        const QStringList campiMete = NomiCampi(db, mete);
        righe.append(RigaScambio(campiMete, SezMete));
        // Each table is read once, in its order, whatever the number of
        // trips: the time grows with the data and no more.
        const int colonnaCodiceMeta = PosizioneCodice(campiMete);
        QHash<QString, QStringList> recordMeta;
        db.Leggi(Query(mete), campiMete, [&](qint64, const QStringList& valori) {
            const QString& codice = valori.at(colonnaCodiceMeta);
            // A code held by two trips would make the file ambiguous: the
            // first one goes.
            if (visti.contains(codice) && !recordMeta.contains(codice)) recordMeta.insert(codice, valori);
        });
        QStringList trovati;
        Passi passi(avanzamento, QStringLiteral("Esportazione mète"), esportati.size());
        for (const QString& codice : esportati) {
            if (const auto r = recordMeta.constFind(codice); r != recordMeta.constEnd()) {
                scrivi(*r, SezMete);
                trovati.append(codice);
            }
            passi.Avanza();
        }
        esito.mete = int(trovati.size());

        const QString itinerari = QString::fromLatin1(TabelleScambio[SezItinerari]);
        const QStringList campiItinerari = NomiCampi(db, itinerari);
        righe.append(RigaScambio(campiItinerari, SezItinerari));
        const int colonnaCodiceTappa = PosizioneCodice(campiItinerari);
        QHash<QString, QVector<QStringList>> tappe;
        db.Leggi(Query(itinerari), campiItinerari, [&](qint64, const QStringList& valori) {
            const QString& codice = valori.at(colonnaCodiceTappa);
            if (recordMeta.contains(codice)) tappe[codice].append(valori);
        });
        passi.Inizia(QStringLiteral("Esportazione itinerari"), trovati.size());
        for (const QString& codice : trovati) {
            for (const QStringList& tappa : tappe.value(codice)) {
                scrivi(tappa, SezItinerari);
                ++esito.tappe;
            }
            passi.Avanza();
        }

        const QString guida = QString::fromLatin1(TabelleScambio[SezGuida]);
        const QStringList campiGuida = NomiCampi(db, guida);
        righe.append(RigaScambio(campiGuida, SezGuida));
        QVector<QStringList> voci;
        db.Leggi(Query(guida), campiGuida, [&](qint64, const QStringList& valori) { voci.append(valori); });
        passi.Inizia(QStringLiteral("Esportazione guida città"), voci.size());
        for (const QStringList& voce : voci) {
            scrivi(voce, SezGuida);
            passi.Avanza();
        }
        esito.voci = int(voci.size());
        passi.Fine();
    } catch (const ErroreDatabase& e) {
        errore = e.Messaggio();
        return false;
    }
    return ScriviRigheWindows1252(percorso, righe, &errore);
}
