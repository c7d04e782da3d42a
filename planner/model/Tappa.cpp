#include "model/Tappa.h"

#include "common/Numeri.h"
#include "common/Tempi.h"
#include "model/ColonneGriglie.h"

Tappa TappaDaCelle(const QStringList& celle) {
    Tappa t;
    t.Localita = celle.value(TappaLocalita);
    t.Strada = celle.value(TappaStrada);
    t.Km = KmCella(celle.value(TappaKm));
    t.TipoStrada = celle.value(TappaTipoStrada);
    const QString sosta = celle.value(TappaSosta).trimmed();
    t.SenzaSosta = sosta.isEmpty();
    t.FineGiornata = sosta.startsWith(u'*');
    t.SostaTesto = t.FineGiornata ? sosta.mid(1) : sosta;
    QString tempo = t.SostaTesto;
    t.Sosta = ghmStringa2Centesimi(tempo, CentesimiGiorno);
    return t;
}

QStringList CelleDaRecordTappa(const RecordTappa& r, int numero) {
    QStringList celle(ColonneMatrice);
    celle[TappaNumero] = QString::number(numero);
    celle[TappaLocalita] = r.Localita;
    celle[TappaStrada] = r.NomeStrada;
    celle[TappaKm] = Formato(Val(r.Chilometri), QStringLiteral("#,###"));
    celle[TappaTipoStrada] = r.TipoStrada;
    const QString segno = r.FineGiorno == QLatin1String("1") ? QStringLiteral("*") : QStringLiteral(" ");
    celle[TappaSosta] = (segno + r.TempoSosta).trimmed();
    celle[TappaFineGiornata] = r.FineGiorno;
    return celle;
}
