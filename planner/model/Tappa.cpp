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

bool OrariTraghetto::NavigaIl(float giorno) const {
    return (Giorni >> GiornoDellaSettimana(giorno)) & 1;
}

namespace {
const char* const Abbreviazioni[7] = {"lun", "mar", "mer", "gio", "ven", "sab", "dom"};
const char* const Nomi[7] = {"lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato", "domenica"};
} // namespace

std::optional<quint8> GiorniDaTesto(const QString& testo) {
    quint8 giorni = 0;
    for (const QString& parte : testo.split(u',', Qt::SkipEmptyParts)) {
        const QString nome = parte.trimmed().toLower().left(3);
        int k = 0;
        while (k < 7 && nome != QLatin1String(Abbreviazioni[k]))
            ++k;
        if (k == 7) return std::nullopt;
        giorni |= quint8(1 << k);
    }
    return giorni;
}

QString TestoGiorni(quint8 giorni) {
    QStringList nomi;
    for (int k = 0; k < 7; ++k)
        if ((giorni >> k) & 1) nomi << QLatin1String(Abbreviazioni[k]);
    return nomi.join(u',');
}

QString NomeGiorno(int giorno) {
    return giorno >= 0 && giorno < 7 ? QString::fromUtf8(Nomi[giorno]) : QString();
}
