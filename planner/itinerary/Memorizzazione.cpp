// Loading the open trip's stages from "Itinerari" into the stage grid and
// storing them back.
//
// Record-set slot: 8, the trip's stages.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "itinerary/PassaggioGuida.h"
#include "itinerary/ValoriTappa.h"
#include "shell/FormViandora.h"

namespace {

constexpr int SlotTappe = 8;

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

    Db.RecordSetImposta(SlotTappe, Query(Db.Schema().NomeTabella[TabItinerari])
                                       .Dove(QStringLiteral("CodiceMeta"), CodiceMetaCorrente)
                                       .OrdinaPer(QStringLiteral("Sequenza")));
    RecordSet& rs = Db.Rs(SlotTappe);
    const int record = int(qMin<qint64>(rs.RecordCount(), 32000));
    NumeroTappe = qint16(record);
    mfgTab.SetRows(qMax(record + 2, int(RigheVisibili)));
    ColoreBaseCelle = mfgTab.Stile(1, 1).BackColor;

    // The stages first, all of them: a failure in the guide must not leave
    // a partial itinerary on screen, which "Salva Reset" would then store
    // over the whole one.
    int r = 0;
    for (rs.MoveFirst(); !rs.Eof() && r < record; rs.MoveNext()) {
        ++r;
        const QString fineGiorno = rs.Testo(QStringLiteral("FineGiorno"));
        mfgTab.SetTextMatrix(r, 0, QString::number(r));
        mfgTab.SetTextMatrix(r, 1, rs.Testo(QStringLiteral("Localita")));
        mfgTab.SetTextMatrix(r, 2, rs.Testo(QStringLiteral("NomeStrada")));
        mfgTab.SetTextMatrix(r, 3,
                             Formato(Val(rs.Testo(QStringLiteral("Chilometri"))), QStringLiteral("#,###")));
        mfgTab.SetTextMatrix(r, 4, rs.Testo(QStringLiteral("TipoStrada")));
        const QString segno = fineGiorno == QLatin1String("1") ? QStringLiteral("*") : QStringLiteral(" ");
        mfgTab.SetTextMatrix(r, 7, (segno + rs.Testo(QStringLiteral("TempoSosta"))).trimmed());
        mfgTab.SetTextMatrix(r, 9, QString());
        mfgTab.SetTextMatrix(r, 10, QString());
        mfgTab.SetTextMatrix(r, 11, QString());
        mfgTab.SetTextMatrix(r, 14, fineGiorno);
        if (fineGiorno == QLatin1String("1")) ColoraFineGiornata(r);
    }

    try {
        Database::Transazione transazione(Db);
        QStringList localita;
        for (int k = 1; k <= r; ++k)
            localita << mfgTab.TextMatrix(k, 1);
        PassaggioGuida guida(Db, &CentesimiTempoGuida, localita);
        for (int k = 1; k <= r; ++k) {
            const double tempo = guida.TempoLocalita(mfgTab.TextMatrix(k, 1));
            mfgTab.SetTextMatrix(k, 8,
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
    if (CodiceMetaCorrente.trimmed().isEmpty()) {
        piattaforma_.MsgBox(
            QStringLiteral("Impossibile memorizzare l'itinerario: la mèta non è stata salvata!"),
            Msg::OkOnly | Msg::Exclamation, titolo);
        return false;
    }
    const Griglia& g = mfgTab;
    qint64 daScrivere = 0;
    for (int i = 1; i < g.Rows(); ++i)
        if (!g.TextMatrix(i, 1).trimmed().isEmpty())
            daScrivere += qMax(1, (KmCella(g.TextMatrix(i, 3)) + KmPerRecord - 1) / KmPerRecord);
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

        QStringList tutte;
        for (int i = 1; i < g.Rows(); ++i)
            tutte << g.TextMatrix(i, 1).left(lunghezzaLocalita);
        PassaggioGuida guida(Db, &TempoSommatoComeStringa, tutte);
        InizioAvanzamento(QStringLiteral("Memorizza tappe itinerario"), g.Rows() - 1);
        QVector<QStringList> record;
        record.reserve(daScrivere);
        for (int i = 1; i < g.Rows(); ++i) {
            AvanzaPercentuale(i);
            if (g.TextMatrix(i, 1).trimmed().isEmpty()) continue;
            const QString localita = g.TextMatrix(i, 1).left(lunghezzaLocalita);
            const double centesimiGuida = guida.TempoLocalita(localita);
            QString tempoGuida =
                centesimiGuida > 0 ? ghmCentesimi2Stringa(float(centesimiGuida), CentesimiGiorno) : QString();
            if (tempoGuida.isEmpty()) tempoGuida = QStringLiteral(" ");
            // Trailing blanks dropped first, so that the blank added for an
            // empty road does not pile up at every save.
            QString strada = g.TextMatrix(i, 2);
            while (strada.endsWith(u' '))
                strada.chop(1);
            QString sosta = g.TextMatrix(i, 7).trimmed();
            const bool fineGiorno = sosta.startsWith(u'*');
            if (fineGiorno) sosta = sosta.mid(1).trimmed();

            qint16 km = KmCella(g.TextMatrix(i, 3));
            do {
                const qint16 tratto = Minore(km, KmPerRecord);
                record << QStringList{CodiceMetaCorrente,
                                      Zero(double(record.size() + 1), 4),
                                      localita,
                                      QString::number(tratto),
                                      strada + u' ',
                                      g.TextMatrix(i, 4).left(1) + u' ',
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
        Db.SostituisciRighe(Query(tabella)
                                .Dove(QStringLiteral("CodiceMeta"), CodiceMetaCorrente)
                                .OrdinaPer(QStringLiteral("Sequenza")),
                            CampiItinerario, record);
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
