// The run of the engine: the estimate of the days, the passes that scale the
// stops until the trip fits the days asked for, and the final message.
#include "timetable/CalcoloTabellaDiMarcia.h"

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"

CalcoloTabellaDiMarcia::CalcoloTabellaDiMarcia(IngressoCalcolo ingresso, GuidaCalcolo& guida,
                                               ServiziCalcolo servizi)
    : in_(std::move(ingresso)), guida_(guida), servizi_(std::move(servizi)) {
    s_.Parametri = in_.Meta.Parametri;
}

bool CalcoloTabellaDiMarcia::Passate() {
    StimaGiorni();
    ParametriMetaTipo& p = s_.Parametri;
    s_.TolleranzaPasti = Maggiore<qint16>(qint16(p.RiposoMinuti + 1), 10);
    s_.FattoreSoste = 1;
    s_.NumeroTentativo = 0;
    do {
        if (servizi_.Ricontrolla) servizi_.Ricontrolla(p);
        const qint16 giorniRichiesti = p.GiorniAdeguamento;
        s_.FattoreSoste =
            giorniRichiesti == 0
                ? 1.0f
                : float(Int(giorniRichiesti / (s_.GiorniStimati + 0.00000000001) * 1000) / 1000);
        ++s_.NumeroTentativo;
        if (servizi_.Etichetta) servizi_.Etichetta(EtichettaTentativo());
        const bool finita = Passaggio();
        if (servizi_.FinePassata) servizi_.FinePassata(s_);
        if (!finita) return false;
        // As the trip screen shows the days: a whole number.
        s_.GiorniStimati = Val(TestoNumero(*s_.Totali.Giorni));
    } while (s_.GiorniStimati != p.GiorniAdeguamento && p.GiorniAdeguamento != 0 && s_.NumeroTentativo <= 10);
    return true;
}

// The whole days of driving and stops, with a quarter more for meals and
// nights. With neither there is no days part: the trip takes one day.
void CalcoloTabellaDiMarcia::StimaGiorni() {
    const QString totale = ghmCentesimi2Stringa(s_.TotaleSoste + in_.TempoGuidaTotale, CentesimiGiorno);
    const qsizetype duePunti = totale.indexOf(u':');
    const double D = duePunti < 0 ? 0 : Val(totale.left(duePunti));
    s_.GiorniStimati = Int((D + 1) * 1.25 + 0.5);
}

QString CalcoloTabellaDiMarcia::EtichettaTentativo() const {
    QString etichetta = QStringLiteral("Calcolo della tabella di marcia, text n. ") +
                        QString::number(s_.NumeroTentativo) + QStringLiteral("/11");
    if (s_.GiorniStimati > 0)
        etichetta += QStringLiteral(" [") + TestoNumero(s_.GiorniStimati) + u'/' +
                     QString::number(s_.Parametri.GiorniAdeguamento) + QStringLiteral("*I=") +
                     TestoNumero(s_.FattoreSoste) + u']';
    return etichetta;
}

QString CalcoloTabellaDiMarcia::MessaggioFinale() const {
    const qint16 giorniRichiesti = s_.Parametri.GiorniAdeguamento;
    if (giorniRichiesti <= 0) return {};
    return s_.GiorniStimati == giorniRichiesti
               ? QStringLiteral("Elaborazione conclusa in %1 tentativi!").arg(s_.NumeroTentativo)
               : QStringLiteral("Elaborazione impossibile! (tentativi effettuati n. %1)")
                     .arg(s_.NumeroTentativo);
}

std::array<QString, ColonneMarcia> CalcoloTabellaDiMarcia::Celle(int riga) const {
    if (riga < 1 || riga >= s_.Righe.size()) return {};
    return CelleRiga(s_.Righe.at(riga), riga, in_.TipiGuida);
}

RigaMarcia& CalcoloTabellaDiMarcia::Riga(int riga) {
    if (riga >= s_.Righe.size()) s_.Righe.resize(riga + 1);
    return s_.Righe[riga];
}

void CalcoloTabellaDiMarcia::AvanzaRigaTabella() {
    ++s_.RigaTabella;
    if (s_.RigaTabella >= s_.RigheTabella - 3) s_.RigheTabella = s_.RigaTabella + 5;
}

void CalcoloTabellaDiMarcia::Avanza(double posizione, double totale) {
    if (servizi_.Avanzamento) servizi_.Avanzamento(posizione, totale);
}
