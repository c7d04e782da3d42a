// Loading the open trip's stages from "Itinerari" into the stage grid and
// storing them back.
//
// Record-set slot: SlotMeta, the trip's stages.
#include <QSet>

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "itinerary/ColonneGriglie.h"
#include "itinerary/Itinerario.h"
#include "itinerary/PassaggioGuida.h"
#include "itinerary/ValoriTappa.h"
#include "shell/FormViandora.h"
#include "shell/SlotRecordSet.h"
#include "timetable/ColonneTabella.h"
#include "trip/Meta.h"

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

void FormViandora::CaricaTappeItinerario() {
    CancellaMatrice();
    ControllaVariabiliConvertite();

    Db.RecordSetImposta(SlotMeta, Query(Db.Schema().NomeTabella[TabItinerari])
                                      .Dove(QStringLiteral("CodiceMeta"), Meta.CodiceMetaCorrente)
                                      .OrdinaPer(QStringLiteral("Sequenza")));
    RecordSet& rs = Db.Rs(SlotMeta);
    const int record = int(qMin<qint64>(rs.RecordCount(), 32000));
    Itinerario.NumeroTappe = qint16(record);
    mfgTab.SetRows(qMax(record + 2, int(RigheVisibili)));
    Itinerario.ColoreBaseCelle = mfgTab.Stile(1, TappaLocalita).BackColor;

    // The stages first, all of them: a failure in the guide must not leave
    // a partial itinerary on screen, which "Salva Reset" would then store
    // over the whole one.
    int r = 0;
    for (rs.MoveFirst(); !rs.Eof() && r < record; rs.MoveNext()) {
        ++r;
        const QString fineGiorno = rs.Testo(QStringLiteral("FineGiorno"));
        mfgTab.SetTextMatrix(r, TappaNumero, QString::number(r));
        mfgTab.SetTextMatrix(r, TappaLocalita, rs.Testo(QStringLiteral("Localita")));
        mfgTab.SetTextMatrix(r, TappaStrada, rs.Testo(QStringLiteral("NomeStrada")));
        mfgTab.SetTextMatrix(r, TappaKm,
                             Formato(Val(rs.Testo(QStringLiteral("Chilometri"))), QStringLiteral("#,###")));
        mfgTab.SetTextMatrix(r, TappaTipoStrada, rs.Testo(QStringLiteral("TipoStrada")));
        const QString segno = fineGiorno == QLatin1String("1") ? QStringLiteral("*") : QStringLiteral(" ");
        mfgTab.SetTextMatrix(r, TappaSosta, (segno + rs.Testo(QStringLiteral("TempoSosta"))).trimmed());
        mfgTab.SetTextMatrix(r, MarciaGiornoSettimana, QString());
        mfgTab.SetTextMatrix(r, MarciaData, QString());
        mfgTab.SetTextMatrix(r, MarciaOra, QString());
        mfgTab.SetTextMatrix(r, TappaFineGiornata, fineGiorno);
        if (fineGiorno == QLatin1String("1")) ColoraFineGiornata(r);
    }

    try {
        Database::Transazione transazione(Db);
        QStringList localita;
        for (int k = 1; k <= r; ++k)
            localita << mfgTab.TextMatrix(k, TappaLocalita);
        PassaggioGuida guida(Db, &CentesimiTempoGuida, localita);
        for (int k = 1; k <= r; ++k) {
            const double tempo = guida.TempoLocalita(mfgTab.TextMatrix(k, TappaLocalita));
            mfgTab.SetTextMatrix(k, TappaGuida,
                                 tempo > 0 ? ghmCentesimi2Stringa(float(tempo), CentesimiGiorno) : QString());
        }
        guida.ScriviVisti();
        transazione.Conferma();
    } catch (...) {
        CalcolaKmTempiItinerario();
        throw;
    }
    CalcolaKmTempiItinerario();
}

bool FormViandora::MemorizzaTappeItinerario() {
    const QString titolo = QStringLiteral("Memorizzazione dell'itinerario");
    // Stages without a trip would belong to no one.
    if (Meta.CodiceMetaCorrente.trimmed().isEmpty()) {
        piattaforma_.MsgBox(
            QStringLiteral("Impossibile memorizzare l'itinerario: la mèta non è stata salvata!"),
            Msg::OkOnly | Msg::Exclamation, titolo);
        return false;
    }
    const Griglia& g = mfgTab;
    qint64 daScrivere = 0;
    for (int i = 1; i < g.Rows(); ++i)
        if (!g.TextMatrix(i, TappaLocalita).trimmed().isEmpty())
            daScrivere += qMax(1, (KmCella(g.TextMatrix(i, TappaKm)) + KmPerRecord - 1) / KmPerRecord);
    // Beyond four digits the sequence numbers would repeat and the order
    // of the stages would be lost.
    if (daScrivere > MassimoRecord) {
        piattaforma_.MsgBox(QStringLiteral("Impossibile memorizzare l'itinerario: supera %1 registrazioni!")
                                .arg(MassimoRecord),
                            Msg::OkOnly | Msg::Exclamation, titolo);
        return false;
    }

    AzzeraPercentuale();
    try {
        // The old stages are replaced in the same transaction as the new
        // ones are written: a failure leaves the itinerary stored last.
        Database::Transazione transazione(Db);
        const QString tabella = Db.Schema().NomeTabella[TabItinerari];
        const int lunghezzaLocalita =
            qMax(1, DimensioneCampo(Db.CampiTabella(tabella), QStringLiteral("Localita")) - 1);
        const Query tappe = Query(tabella)
                                .Dove(QStringLiteral("CodiceMeta"), Meta.CodiceMetaCorrente)
                                .OrdinaPer(QStringLiteral("Sequenza"));
        // A typed locality keeps the field's size less one; one stored already
        // (an import, a file of a later version) goes back whole.
        QSet<QString> memorizzate;
        Db.Leggi(tappe, {QStringLiteral("Localita")}, [&](qint64, const QStringList& v) {
            if (v.at(0).size() > lunghezzaLocalita) memorizzate.insert(v.at(0));
        });
        auto localitaDi = [&](int riga) {
            const QString cella = g.TextMatrix(riga, TappaLocalita);
            return memorizzate.contains(cella) ? cella : cella.left(lunghezzaLocalita);
        };

        QStringList tutte;
        for (int i = 1; i < g.Rows(); ++i)
            tutte << localitaDi(i);
        PassaggioGuida guida(Db, &TempoSommatoComeStringa, tutte);
        InizioAvanzamento(QStringLiteral("Memorizza tappe itinerario"), g.Rows() - 1);
        QVector<QStringList> record;
        record.reserve(daScrivere);
        for (int i = 1; i < g.Rows(); ++i) {
            AvanzaPercentuale(i);
            if (g.TextMatrix(i, TappaLocalita).trimmed().isEmpty()) continue;
            const QString localita = localitaDi(i);
            const double centesimiGuida = guida.TempoLocalita(localita);
            QString tempoGuida =
                centesimiGuida > 0 ? ghmCentesimi2Stringa(float(centesimiGuida), CentesimiGiorno) : QString();
            if (tempoGuida.isEmpty()) tempoGuida = QStringLiteral(" ");
            // Trailing blanks dropped first, so that the blank added for an
            // empty road does not pile up at every save.
            QString strada = g.TextMatrix(i, TappaStrada);
            while (strada.endsWith(u' '))
                strada.chop(1);
            QString sosta = g.TextMatrix(i, TappaSosta).trimmed();
            const bool fineGiorno = sosta.startsWith(u'*');
            if (fineGiorno) sosta = sosta.mid(1).trimmed();

            qint16 km = KmCella(g.TextMatrix(i, TappaKm));
            do {
                const qint16 tratto = Minore(km, KmPerRecord);
                record << QStringList{Meta.CodiceMetaCorrente,
                                      Zero(double(record.size() + 1), 4),
                                      localita,
                                      QString::number(tratto),
                                      strada + u' ',
                                      g.TextMatrix(i, TappaTipoStrada).left(1) + u' ',
                                      (sosta + u' ').left(8),
                                      tempoGuida,
                                      fineGiorno ? QStringLiteral("1") : QStringLiteral("0")};
                tempoGuida = QStringLiteral(" ");
                km = qint16(km - tratto);
            } while (km > 0);
        }

        // The stored records, in their order, take the new values: a stage
        // that did not change costs nothing, the others are rewritten in
        // place, and the count is then made even.
        Db.SostituisciRighe(tappe, CampiItinerario, record);
        guida.ScriviVisti();
        transazione.Conferma();
    } catch (...) {
        AzzeraPercentuale();
        throw;
    }
    AzzeraPercentuale();
    return true;
}

void FormViandora::AvanzaPercentuale(double contatore) {
    auto percento = [this](double c) {
        return TotaleProgresso > 0 ? int(Int(c / TotaleProgresso * 100)) : 0;
    };
    // Thousands of rows would otherwise redraw the bar thousands of times.
    const bool ridisegna = ContatoreProgresso == 0 || percento(contatore) != percento(ContatoreProgresso);
    ContatoreProgresso = contatore;
    if (ridisegna) AggiornaPercentuale();
}
