// Loading the open trip's stages from "Itinerari" into the stage grid and
// storing them back.
//
// Record-set slot: SlotMeta, the trip's stages.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "database/Database.h"
#include "guide/PassaggioGuida.h"
#include "itinerary/ControlloreItinerario.h"
#include "itinerary/MemorizzaTappe.h"
#include "model/ColonneGriglie.h"
#include "model/ColonneTabella.h"
#include "model/ValoriTappa.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/Itinerario.h"
#include "shell/SlotRecordSet.h"
#include "trip/Meta.h"
#include "trip/OrariFissi.h"

void ControlloreItinerario::CaricaTappeItinerario() {
    CancellaMatrice();
    meta_.ControllaVariabiliConvertite();

    Db().RecordSetImposta(SlotMeta, Query(Db().Schema().NomeTabella[TabItinerari])
                                        .Dove(QStringLiteral("CodiceMeta"), Meta.CodiceMetaCorrente)
                                        .OrdinaPer(QStringLiteral("Sequenza")));
    RecordSet& rs = Db().Rs(SlotMeta);
    const int record = int(qMin<qint64>(rs.RecordCount(), 32000));
    Itinerario.NumeroTappe = qint16(record);
    mfgTab.SetRows(qMax(record + 2, int(FinestraComune::RigheVisibili)));
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
    // The ferries' departures and the booked nights go with their rows.
    QList<Tappa> tappe;
    for (int k = 1; k <= r; ++k)
        tappe << TappaDaCelle(
            {QString(), mfgTab.TextMatrix(k, TappaLocalita), mfgTab.TextMatrix(k, TappaStrada)});
    AttaccaOrariFissi(Db(), Meta.CodiceMetaCorrente, tappe);
    for (int k = 1; k <= r; ++k) {
        mfgTab.SetTextMatrix(k, TappaTraghetto, CellaTraghetto(tappe.at(k - 1).Orari));
        mfgTab.SetTextMatrix(k, TappaNottePrenotata, CellaNottePrenotata(tappe.at(k - 1).NottePrenotata));
    }

    try {
        Database::Transazione transazione(Db());
        QStringList localita;
        for (int k = 1; k <= r; ++k)
            localita << mfgTab.TextMatrix(k, TappaLocalita);
        PassaggioGuida guida(Db(), &CentesimiTempoGuida, localita);
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

bool ControlloreItinerario::MemorizzaTappeItinerario() {
    QList<Tappa> tappe;
    tappe.reserve(mfgTab.Rows());
    for (int i = 1; i < mfgTab.Rows(); ++i) {
        QStringList celle;
        for (int c = 0; c < ColonneMatrice; ++c)
            celle << mfgTab.TextMatrix(i, c);
        Tappa tappa = TappaDaCelle(celle);
        OrariFissiDaCelle(celle, tappa);
        tappe << tappa;
    }
    f_.FineAvanzamento();
    QString errore;
    try {
        errore = MemorizzaTappe(Db(), Meta.CodiceMetaCorrente, tappe, &f_, true);
    } catch (...) {
        f_.FineAvanzamento();
        throw;
    }
    f_.FineAvanzamento();
    if (errore.isEmpty()) return true;
    f_.Sistema().MsgBox(errore, Msg::OkOnly | Msg::Exclamation,
                        QStringLiteral("Memorizzazione dell'itinerario"));
    return false;
}
