#include "trip/VeicoloMeta.h"

#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "database/Database.h"

namespace {

const QStringList Campi = {
    QStringLiteral("CodiceMeta"), QStringLiteral("Consumo"),        QStringLiteral("Serbatoio"),
    QStringLiteral("Riserva"),    QStringLiteral("Prezzo"),         QStringLiteral("Pedaggio"),
    QStringLiteral("CostoNotte"), QStringLiteral("CostoTraghetto"), QStringLiteral("GuidaMassima")};

QString Tabella(const Database& db) {
    return db.Schema().NomeTabella[TabVeicoli];
}

// A stored value another tool has spoilt keeps the default.
void Leggi(double& valore, const QString& testo) {
    if (const std::optional<double> v = NumeroDecimale(testo)) valore = *v;
}

std::optional<Veicolo> Riga(Database& db, const QString& codice) {
    std::optional<Veicolo> trovato;
    db.Leggi(Query(Tabella(db)).Dove(QStringLiteral("CodiceMeta"), codice), Campi.mid(1),
             [&](qint64, const QStringList& v) {
                 if (!trovato) trovato = VeicoloDaTesti(v);
             });
    return trovato;
}

} // namespace

QStringList NomiCampiVeicolo() {
    return Campi.mid(1);
}

QStringList TestiVeicolo(const Veicolo& v) {
    return {TestoDecimale(v.Consumo),        TestoDecimale(v.Serbatoio),
            TestoDecimale(v.Riserva),        TestoDecimale(v.Prezzo),
            TestoDecimale(v.Pedaggio),       TestoDecimale(v.CostoNotte),
            TestoDecimale(v.CostoTraghetto), TestoMinuti(v.GuidaMassima).remove(u':')};
}

std::optional<Veicolo> VeicoloDaTesti(const QStringList& v) {
    if (v.size() < 8) return std::nullopt;
    Veicolo veicolo;
    Leggi(veicolo.Consumo, v.at(0));
    Leggi(veicolo.Serbatoio, v.at(1));
    Leggi(veicolo.Riserva, v.at(2));
    Leggi(veicolo.Prezzo, v.at(3));
    Leggi(veicolo.Pedaggio, v.at(4));
    Leggi(veicolo.CostoNotte, v.at(5));
    Leggi(veicolo.CostoTraghetto, v.at(6));
    const QString guida = v.at(7).trimmed();
    if (const std::optional<int> m = MinutiOra(guida.left(2) + u':' + guida.mid(2, 2)); m && *m > 0)
        veicolo.GuidaMassima = *m;
    if (!veicolo.Errore().isEmpty()) return std::nullopt;
    return veicolo;
}

Veicolo LeggiVeicolo(Database& db, const QString& codiceMeta) {
    if (std::optional<Veicolo> proprio = Riga(db, codiceMeta.trimmed())) return *proprio;
    if (std::optional<Veicolo> predefinito = Riga(db, QString())) return *predefinito;
    return Veicolo{};
}

bool VeicoloProprio(Database& db, const QString& codiceMeta) {
    return !codiceMeta.trimmed().isEmpty() && Riga(db, codiceMeta.trimmed()).has_value();
}

void ScriviVeicolo(Database& db, const QString& codiceMeta, const Veicolo& v) {
    const QStringList riga = QStringList{codiceMeta.trimmed()} + TestiVeicolo(v);
    Database::Transazione transazione(db);
    db.SostituisciRighe(Query(Tabella(db)).Dove(QStringLiteral("CodiceMeta"), codiceMeta.trimmed()), Campi,
                        {riga});
    transazione.Conferma();
}

void CancellaVeicolo(Database& db, const QString& codiceMeta) {
    if (codiceMeta.trimmed().isEmpty()) return;
    Database::Transazione transazione(db);
    db.SostituisciRighe(Query(Tabella(db)).Dove(QStringLiteral("CodiceMeta"), codiceMeta.trimmed()), Campi,
                        {});
    transazione.Conferma();
}

bool HaSostaCamper(Database& db, const QString& localita) {
    if (localita.trimmed().isEmpty()) return false;
    bool trovata = false;
    db.Leggi(
        Query(db.Schema().NomeTabella[TabGuida]).DoveCome(QStringLiteral("Localita"), LikeTesto(localita)),
        {QStringLiteral("CodiceGuida")}, [&](qint64, const QStringList& v) {
            const double codice = Val(v.at(0));
            // Punto Sosta, PS e CS, Campeggio.
            if (codice == 5 || codice == 6 || codice == 7) trovata = true;
        });
    return trovata;
}
