// Writing the exchange file: the chosen trips, their stages, the whole guide.
#include <QSet>

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

} // namespace

bool EsportaMete(Database& db, const QStringList& codici, const QString& percorso, Avanzamento* avanzamento,
                 EsitoEsportazione& esito, QString& errore) {
    esito = EsitoEsportazione();
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
        QStringList trovati;
        Passi passi(avanzamento, QStringLiteral("Esportazione mète"), esportati.size());
        for (const QString& codice : esportati) {
            // A code held by two trips would make the file ambiguous: the
            // first one goes.
            bool scritto = false;
            db.Leggi(Query(mete).Dove(QStringLiteral("CodiceMeta"), codice), campiMete,
                     [&](qint64, const QStringList& valori) {
                         if (scritto) return;
                         scrivi(valori, SezMete);
                         scritto = true;
                     });
            if (scritto) trovati.append(codice);
            passi.Avanza();
        }
        esito.mete = int(trovati.size());

        const QString itinerari = QString::fromLatin1(TabelleScambio[SezItinerari]);
        const QStringList campiItinerari = NomiCampi(db, itinerari);
        righe.append(RigaScambio(campiItinerari, SezItinerari));
        passi.Inizia(QStringLiteral("Esportazione itinerari"), trovati.size());
        for (const QString& codice : trovati) {
            db.Leggi(Query(itinerari).Dove(QStringLiteral("CodiceMeta"), codice), campiItinerari,
                     [&](qint64, const QStringList& valori) {
                         scrivi(valori, SezItinerari);
                         ++esito.tappe;
                     });
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
