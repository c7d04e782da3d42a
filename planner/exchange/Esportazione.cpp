// Writing the exchange file: the chosen trips, their stages, the whole guide.
#include <QHash>
#include <QSet>

#include "common/FileOrdinario.h"
#include "common/Testo1252.h"
#include "exchange/Passi.h"
#include "exchange/Scambio.h"
#include "trip/CaricaViaggio.h"
#include "trip/OrariFissi.h"
#include "trip/VeicoloMeta.h"

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

int PosizioneCampo(const QStringList& campi, const QString& nome) {
    for (int i = 0; i < campi.size(); ++i)
        if (campi.at(i).compare(nome, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

bool TuttiVuoti(const QStringList& testi) {
    for (const QString& t : testi)
        if (!t.isEmpty()) return false;
    return true;
}

// The ferries and booked nights of a trip's stages by stored sequence, as a
// calculation matches them to the stages.
QHash<QString, QStringList> DatiTappe(Database& db, const QString& codice) {
    QHash<QString, QStringList> dati;
    const QList<RecordTappa> record = LeggiTappe(db, codice);
    QList<Tappa> tappe;
    for (int r = 0; r < record.size(); ++r)
        tappe << TappaDaCelle(CelleDaRecordTappa(record.at(r), r + 1));
    AttaccaOrariFissi(db, codice, tappe);
    for (int r = 0; r < record.size(); ++r)
        if (const QStringList testi = TestiTappaScambio(tappe.at(r)); !TuttiVuoti(testi))
            dati.insert(record.at(r).Sequenza.trimmed(), testi);
    return dati;
}

QString ChiaveVoce(const QString& localita, const QString& descrizione) {
    return localita.trimmed().toUpper() + QChar(0x1F) + descrizione.trimmed().toUpper();
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
        // Data kept beyond a section's table travel in more columns after
        // its own fields, and only when an exported record has some: a
        // reader matches the header's names to its fields and passes over
        // the names it does not know, and a file without such data is the
        // same as ever.
        QHash<QString, QStringList> veicoli;
        for (const QString& codice : esportati)
            if (VeicoloProprio(db, codice)) veicoli.insert(codice, TestiVeicolo(LeggiVeicolo(db, codice)));
        const QString mete = QString::fromLatin1(TabelleScambio[SezMete]);
        const QStringList campiMete = NomiCampi(db, mete);
        righe.append(RigaScambio(veicoli.isEmpty() ? campiMete : campiMete + NomiCampiVeicolo(), SezMete));
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
                if (veicoli.isEmpty())
                    scrivi(*r, SezMete);
                else
                    scrivi(*r + veicoli.value(codice, QStringList(NomiCampiVeicolo().size())), SezMete);
                trovati.append(codice);
            }
            passi.Avanza();
        }
        esito.mete = int(trovati.size());

        const QString itinerari = QString::fromLatin1(TabelleScambio[SezItinerari]);
        const QStringList campiItinerari = NomiCampi(db, itinerari);
        QHash<QString, QHash<QString, QStringList>> datiTappe;
        for (const QString& codice : trovati)
            if (QHash<QString, QStringList> dati = DatiTappe(db, codice); !dati.isEmpty())
                datiTappe.insert(codice, dati);
        righe.append(RigaScambio(datiTappe.isEmpty() ? campiItinerari : campiItinerari + ColonneTappaScambio,
                                 SezItinerari));
        const int colonnaCodiceTappa = PosizioneCodice(campiItinerari);
        const int colonnaSequenza = PosizioneCampo(campiItinerari, QStringLiteral("Sequenza"));
        QHash<QString, QVector<QStringList>> tappe;
        db.Leggi(Query(itinerari), campiItinerari, [&](qint64, const QStringList& valori) {
            const QString& codice = valori.at(colonnaCodiceTappa);
            if (recordMeta.contains(codice)) tappe[codice].append(valori);
        });
        passi.Inizia(QStringLiteral("Esportazione itinerari"), trovati.size());
        for (const QString& codice : trovati) {
            const QHash<QString, QStringList> dati = datiTappe.value(codice);
            for (const QStringList& tappa : tappe.value(codice)) {
                if (datiTappe.isEmpty())
                    scrivi(tappa, SezItinerari);
                else
                    scrivi(tappa + dati.value(colonnaSequenza >= 0 ? tappa.at(colonnaSequenza).trimmed()
                                                                   : QString(),
                                              QStringList(ColonneTappaScambio.size())),
                           SezItinerari);
                ++esito.tappe;
            }
            passi.Avanza();
        }

        const QString guida = QString::fromLatin1(TabelleScambio[SezGuida]);
        const QStringList campiGuida = NomiCampi(db, guida);
        QHash<QString, QStringList> orari;
        LeggiTuttiOrariGuida(db,
                             [&](const QString& localita, const QString& descrizione, const OrariVoce& o) {
                                 orari.insert(ChiaveVoce(localita, descrizione), TestiOrariVoce(o));
                             });
        const int colonnaLocalita = PosizioneCampo(campiGuida, QStringLiteral("Localita"));
        const int colonnaDescrizione = PosizioneCampo(campiGuida, QStringLiteral("Descrizione"));
        if (colonnaLocalita < 0 || colonnaDescrizione < 0) orari.clear();
        righe.append(RigaScambio(orari.isEmpty() ? campiGuida : campiGuida + ColonneVoceScambio, SezGuida));
        QVector<QStringList> voci;
        db.Leggi(Query(guida), campiGuida, [&](qint64, const QStringList& valori) {
            if (orari.isEmpty()) {
                voci.append(valori);
                return;
            }
            voci.append(valori +
                        orari.value(ChiaveVoce(valori.at(colonnaLocalita), valori.at(colonnaDescrizione)),
                                    QStringList(ColonneVoceScambio.size())));
        });
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
