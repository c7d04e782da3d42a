#include "itinerary/MemorizzaTappe.h"

#include <QSet>

#include "common/Avanzamento.h"
#include "common/Date.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "database/Database.h"
#include "guide/PassaggioGuida.h"
#include "model/ColonneGriglie.h"
#include "trip/OrariFissi.h"

namespace {

// The most one stored record carries; a longer stage takes several.
constexpr qint16 KmPerRecord = 999;
// Sequenza has four digits.
constexpr int MassimoRecord = 9999;

const QStringList CampiItinerario = {
    QStringLiteral("CodiceMeta"), QStringLiteral("Sequenza"),        QStringLiteral("Localita"),
    QStringLiteral("Chilometri"), QStringLiteral("NomeStrada"),      QStringLiteral("TipoStrada"),
    QStringLiteral("TempoSosta"), QStringLiteral("SostaGuidaCitta"), QStringLiteral("FineGiorno")};

double TempoSommatoComeStringa(const QString& tempo) {
    QString testo = tempo;
    return ghmStringa2Centesimi(testo, CentesimiGiorno);
}

int DimensioneCampo(const QList<InfoCampo>& campi, const QString& campo) {
    for (const InfoCampo& c : campi)
        if (c.nome.compare(campo, Qt::CaseInsensitive) == 0) return c.dimensione;
    return 0;
}

} // namespace

QString CellaTraghetto(const std::optional<OrariTraghetto>& orari) {
    return orari ? TestiTraghetto(*orari).join(u'|') : QString();
}

QString CellaNottePrenotata(const std::optional<float>& notte) {
    return notte ? Giu2Datas(*notte) : QString();
}

void OrariFissiDaCelle(const QStringList& celle, Tappa& tappa) {
    const QString traghetto = celle.value(TappaTraghetto);
    tappa.Orari = traghetto.isEmpty() ? std::nullopt : TraghettoDaTesti(traghetto.split(u'|'));
    const QString notte = celle.value(TappaNottePrenotata);
    tappa.NottePrenotata = DataPrenotabile(notte) ? std::optional<float>(Data2Giul(notte)) : std::nullopt;
}

QString MemorizzaTappe(Database& db, const QString& codiceMeta, const QList<Tappa>& tappe,
                       Avanzamento* avanzamento, bool orariFissi) {
    // Stages without a trip would belong to no one.
    if (codiceMeta.trimmed().isEmpty())
        return QStringLiteral("Impossibile memorizzare l'itinerario: la mèta non è stata salvata!");
    qint64 daScrivere = 0;
    for (const Tappa& t : tappe)
        if (!t.Vuota()) daScrivere += qMax(1, (t.Km + KmPerRecord - 1) / KmPerRecord);
    // Beyond four digits the sequence numbers would repeat and the order
    // of the stages would be lost.
    if (daScrivere > MassimoRecord)
        return QStringLiteral("Impossibile memorizzare l'itinerario: supera %1 registrazioni!")
            .arg(MassimoRecord);

    // The old stages are replaced in the same transaction as the new ones are
    // written: a failure leaves the itinerary stored last.
    Database::Transazione transazione(db);
    const QString tabella = db.Schema().NomeTabella[TabItinerari];
    const int lunghezzaLocalita =
        qMax(1, DimensioneCampo(db.CampiTabella(tabella), QStringLiteral("Localita")) - 1);
    const Query memorizzate =
        Query(tabella).Dove(QStringLiteral("CodiceMeta"), codiceMeta).OrdinaPer(QStringLiteral("Sequenza"));
    // A typed locality keeps the field's size less one; one stored already
    // (an import, a file of a later version) goes back whole.
    QSet<QString> lunghe;
    db.Leggi(memorizzate, {QStringLiteral("Localita")}, [&](qint64, const QStringList& v) {
        if (v.at(0).size() > lunghezzaLocalita) lunghe.insert(v.at(0));
    });
    auto localitaDi = [&](const Tappa& t) {
        return lunghe.contains(t.Localita) ? t.Localita : t.Localita.left(lunghezzaLocalita);
    };

    QStringList tutte;
    tutte.reserve(tappe.size());
    for (const Tappa& t : tappe)
        tutte << localitaDi(t);
    PassaggioGuida guida(db, &TempoSommatoComeStringa, tutte);
    if (avanzamento)
        avanzamento->InizioAvanzamento(QStringLiteral("Memorizza tappe itinerario"), tappe.size());
    QVector<QStringList> record;
    record.reserve(daScrivere);
    // The number of each stage's first record, by which its fixed times are
    // found again.
    QList<int> sequenze;
    for (const Tappa& t : tappe) {
        if (avanzamento) avanzamento->Avanza();
        if (t.Vuota()) {
            sequenze << 0;
            continue;
        }
        sequenze << int(record.size()) + 1;
        const QString localita = localitaDi(t);
        const double centesimiGuida = guida.TempoLocalita(localita);
        QString tempoGuida =
            centesimiGuida > 0 ? ghmCentesimi2Stringa(float(centesimiGuida), CentesimiGiorno) : QString();
        if (tempoGuida.isEmpty()) tempoGuida = QStringLiteral(" ");
        // Trailing blanks dropped first, so that the blank added for an
        // empty road does not pile up at every save.
        QString strada = t.Strada;
        while (strada.endsWith(u' '))
            strada.chop(1);
        const QString sosta = t.SostaTesto.trimmed();

        qint16 km = t.Km;
        do {
            const qint16 tratto = Minore(km, KmPerRecord);
            record << QStringList{codiceMeta,
                                  Zero(double(record.size() + 1), 4),
                                  localita,
                                  QString::number(tratto),
                                  strada + u' ',
                                  t.TipoStrada.left(1) + u' ',
                                  (sosta + u' ').left(8),
                                  tempoGuida,
                                  t.FineGiornata ? QStringLiteral("1") : QStringLiteral("0")};
            tempoGuida = QStringLiteral(" ");
            km = qint16(km - tratto);
        } while (km > 0);
    }

    // The stored records, in their order, take the new values: a stage that
    // did not change costs nothing, the others are rewritten in place, and
    // the count is then made even.
    db.SostituisciRighe(memorizzate, CampiItinerario, record);
    if (orariFissi) {
        CancellaOrariFissi(db, codiceMeta);
        for (int k = 0; k < tappe.size(); ++k) {
            const Tappa& t = tappe.at(k);
            if (sequenze.at(k) == 0) continue;
            if (t.Traghetto() && t.Orari)
                ScriviTraghetto(db, codiceMeta, sequenze.at(k), localitaDi(t), t.Orari);
            if (t.NottePrenotata)
                ScriviNottePrenotata(db, codiceMeta, sequenze.at(k), localitaDi(t),
                                     CellaNottePrenotata(t.NottePrenotata));
        }
    }
    guida.ScriviVisti();
    transazione.Conferma();
    return {};
}
