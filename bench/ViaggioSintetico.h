#pragma once
// The synthetic trips of the calculation benchmarks: a city guide of 20,000
// entries and a trip of any number of stages over its localities.
#include <random>

#include "common/Stringhe.h"
#include "shell/FormViandora.h"

namespace ViaggioSintetico {

constexpr int VociGuida = 20000;
constexpr int VociPerLocalita = 5;

// One name in twenty has an apostrophe, whose pattern no index serves.
inline QString NomeLocalita(int i) {
    const QString numero = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
    return (i % 20 == 0 ? QStringLiteral("SANT'ANGELO ") : QStringLiteral("LOCALITA ")) + numero;
}

inline void RiempiGuida(FormViandora& f) {
    Database::Transazione t(f.Db);
    f.Db.RecordSetImposta(
        7, Query(QStringLiteral("GuidaCitta")).Dove(QStringLiteral("Localita"), QStringLiteral("\\")));
    RecordSet& rs = f.Db.Rs(7);
    for (int i = 0; i < VociGuida; ++i) {
        rs.AddNew();
        rs.Imposta(QStringLiteral("Localita"), NomeLocalita(i / VociPerLocalita));
        rs.Imposta(QStringLiteral("CodiceGuida"), Zero(1 + i % 9, 2));
        rs.Imposta(QStringLiteral("Descrizione"), QStringLiteral("Voce %1").arg(i));
        rs.Imposta(QStringLiteral("TempoSosta"),
                   i % 3 == 0 ? QStringLiteral("00:00") : QStringLiteral("00:45"));
        rs.Imposta(QStringLiteral("FlagVisto"), QStringLiteral("0"));
        rs.Update();
    }
    t.Conferma();
    f.Db.RecordSetImpostaDefault();
}

// A trip of n stages over the guide's localities, some of them twice, with
// stops, ends of day, ferries and every road type; it cannot fit one day, so
// the run makes all eleven passes.
inline void PreparaViaggio(FormViandora& f, int tappe) {
    std::mt19937 caso(12345);
    f.cmbInizio[0].SetText(QStringLiteral("01"));
    f.cmbInizio[1].SetText(QStringLiteral("06"));
    f.cmbInizio[2].SetText(QStringLiteral("2007"));
    f.cmbInizio[3].SetText(QStringLiteral("08"));
    f.cmbInizio[4].SetText(QStringLiteral("00"));
    f.CancellaMatrice();
    f.mfgTab.SetRows(tappe + 2);
    const QString tipi = QStringLiteral("ASPL");
    for (int r = 1; r <= tappe; ++r) {
        const int localita = int(caso() % (VociGuida / VociPerLocalita + 1000));
        QString sosta;
        if (r % 3 == 0) sosta = QStringLiteral("01:30");
        if (r % 7 == 0) sosta = QStringLiteral("01:00:00");
        if (r % 5 == 0) sosta.prepend(u'*');
        f.mfgTab.SetTextMatrix(r, 0, QString::number(r));
        f.mfgTab.SetTextMatrix(r, 1, NomeLocalita(localita));
        f.mfgTab.SetTextMatrix(
            r, 2, r % 50 == 0 ? QStringLiteral("TRAGHETTO") : QStringLiteral("SS%1").arg(r % 90));
        f.mfgTab.SetTextMatrix(r, 3, QString::number(r % 50 == 0 ? 0 : 20 + int(caso() % 380)));
        f.mfgTab.SetTextMatrix(r, 4, tipi.mid(r % 4, 1));
        f.mfgTab.SetTextMatrix(r, 7, sosta);
    }
    f.CalcolaKmTempiItinerario();
    f.cmbGiorni.SetText(QStringLiteral("001"));
    f.cmbRipH.SetText(QStringLiteral("03"));
}

} // namespace ViaggioSintetico
