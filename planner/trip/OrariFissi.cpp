#include "trip/OrariFissi.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>

#include "common/Date.h"
#include "common/Stringhe.h"
#include "database/Database.h"
#include "trip/Veicolo.h"

namespace {

const QString CampoCodice = QStringLiteral("CodiceMeta");
const QString CampoSequenza = QStringLiteral("Sequenza");
const QString CampoLocalita = QStringLiteral("Localita");
const QString CampoDescrizione = QStringLiteral("Descrizione");

const QStringList CampiTraghetto = {CampoCodice,
                                    CampoSequenza,
                                    CampoLocalita,
                                    QStringLiteral("Partenze"),
                                    QStringLiteral("Giorni"),
                                    QStringLiteral("Durata"),
                                    QStringLiteral("Anticipo"),
                                    QStringLiteral("Costo")};
const QStringList CampiNotte = {CampoCodice, CampoSequenza, CampoLocalita, QStringLiteral("Data")};
const QStringList CampiOrari = {CampoLocalita, CampoDescrizione, QStringLiteral("Chiuso"),
                                QStringLiteral("Dalle"), QStringLiteral("Alle")};

QString Tabella(const Database& db, int tabella) {
    return db.Schema().NomeTabella[tabella];
}

QString Chiave(const QString& testo) {
    return testo.trimmed().toUpper();
}

} // namespace

std::optional<OrariTraghetto> TraghettoDaTesti(const QStringList& v) {
    if (v.size() < 5) return std::nullopt;
    OrariTraghetto o;
    const std::optional<QList<int>> partenze = PartenzeDaTesto(v.at(0));
    const std::optional<quint8> giorni = v.at(1).trimmed().isEmpty() ? quint8(0x7F) : GiorniDaTesto(v.at(1));
    const std::optional<int> durata = MinutiDurata(v.at(2));
    bool anticipoValido = true;
    const int anticipo = v.at(3).trimmed().isEmpty() ? 60 : v.at(3).trimmed().toInt(&anticipoValido);
    if (!partenze || !giorni || !durata || !anticipoValido) return std::nullopt;
    o.Partenze = *partenze;
    o.Giorni = *giorni;
    o.Durata = *durata;
    o.Anticipo = anticipo;
    if (!v.at(4).trimmed().isEmpty()) {
        o.Costo = NumeroDecimale(v.at(4));
        if (!o.Costo) return std::nullopt;
    }
    if (!ErroreOrariTraghetto(o).isEmpty()) return std::nullopt;
    return o;
}

QStringList TestiTraghetto(const OrariTraghetto& o) {
    return {TestoPartenze(o.Partenze), TestoGiorni(o.Giorni), TestoMinuti(o.Durata),
            QString::number(o.Anticipo), o.Costo ? TestoDecimale(*o.Costo) : QString()};
}

namespace {

// The stage a stored row belongs to: the one of its number when the
// locality is still there, otherwise the first free one of that locality.
int TappaDellaRiga(const QList<Tappa>& tappe, const QList<bool>& prese, int sequenza, const QString& localita,
                   bool soloTraghetti) {
    auto adatta = [&](int k) {
        return !prese.at(k) && !tappe.at(k).Vuota() && Chiave(tappe.at(k).Localita) == Chiave(localita) &&
               (!soloTraghetti || tappe.at(k).Traghetto());
    };
    if (sequenza >= 1 && sequenza <= tappe.size() && adatta(sequenza - 1)) return sequenza - 1;
    for (int k = 0; k < tappe.size(); ++k)
        if (adatta(k)) return k;
    return -1;
}

} // namespace

bool DataPrenotabile(const QString& data) {
    const QDate d = QDate::fromString(data, QStringLiteral("ddMMyyyy"));
    return data.size() == 8 && d.isValid() && d.year() > 1900 && d.year() < 2100;
}

std::optional<int> MinutiDurata(const QString& testo) {
    static const QRegularExpression durata(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch m = durata.match(testo.trimmed());
    if (!m.hasMatch() || m.captured(2).toInt() > 59) return std::nullopt;
    return m.captured(1).toInt() * 60 + m.captured(2).toInt();
}

std::optional<QList<int>> PartenzeDaTesto(const QString& testo) {
    QList<int> partenze;
    for (const QString& parte : testo.split(u',', Qt::SkipEmptyParts)) {
        const std::optional<int> minuti = MinutiOra(parte);
        if (!minuti || *minuti >= 24 * 60) return std::nullopt;
        if (!partenze.contains(*minuti)) partenze << *minuti;
    }
    if (partenze.isEmpty()) return std::nullopt;
    std::sort(partenze.begin(), partenze.end());
    return partenze;
}

QString TestoPartenze(const QList<int>& partenze) {
    QStringList testi;
    for (int p : partenze)
        testi << TestoMinuti(p);
    return testi.join(u',');
}

QString ErroreOrariTraghetto(const OrariTraghetto& o) {
    if (o.Partenze.isEmpty()) return QStringLiteral("Indicare almeno un orario di partenza (hh:mm)");
    if ((o.Giorni & 0x7F) == 0)
        return QStringLiteral("Il traghetto deve partire almeno un giorno della settimana");
    if (TestoPartenze(o.Partenze).size() > 120) return QStringLiteral("Al massimo 20 orari di partenza");
    if (o.Durata <= 0) return QStringLiteral("Indicare la durata della traversata (hh:mm)");
    if (o.Anticipo < 0 || o.Anticipo > 24 * 60)
        return QStringLiteral("L'anticipo dell'imbarco va da 0 a 1440 minuti");
    if (o.Costo && (*o.Costo < 0 || *o.Costo > 1e6))
        return QStringLiteral("Il costo del traghetto non è valido");
    return QString();
}

EsitoOrariTraghetto ImpostaOrariTraghetto(OrariTraghetto& orari, const TestiOrariTraghetto& testi) {
    OrariTraghetto o = orari;
    auto malformato = [](CampoTraghetto campo, const QString& messaggio) {
        return EsitoOrariTraghetto{messaggio, campo, true};
    };
    if (testi.Partenze) {
        const std::optional<QList<int>> p = PartenzeDaTesto(*testi.Partenze);
        if (!p)
            return malformato(CampoTraghetto::Partenze,
                              QStringLiteral("Orari di partenza non validi (hh:mm,hh:mm,...): ") +
                                  *testi.Partenze);
        o.Partenze = *p;
    }
    if (testi.Giorni) {
        const std::optional<quint8> g = GiorniDaTesto(*testi.Giorni);
        if (!g)
            return malformato(CampoTraghetto::Giorni,
                              QStringLiteral("Giorni non validi (lun,mar,mer,gio,ven,sab,dom): ") +
                                  *testi.Giorni);
        o.Giorni = *g;
    }
    if (testi.Durata) {
        const std::optional<int> d = MinutiDurata(*testi.Durata);
        if (!d)
            return malformato(CampoTraghetto::Durata,
                              QStringLiteral("Durata non valida (hh:mm): ") + *testi.Durata);
        o.Durata = *d;
    }
    if (testi.Anticipo) {
        bool valido = false;
        o.Anticipo = testi.Anticipo->trimmed().toInt(&valido);
        if (!valido)
            return malformato(CampoTraghetto::Anticipo,
                              QStringLiteral("Anticipo non valido (minuti): ") + *testi.Anticipo);
    }
    if (testi.Costo) {
        o.Costo.reset();
        if (!testi.Costo->trimmed().isEmpty()) {
            o.Costo = NumeroDecimale(*testi.Costo);
            if (!o.Costo)
                return malformato(CampoTraghetto::Costo, QStringLiteral("Costo non valido: ") + *testi.Costo);
        }
    }
    if (const QString errore = ErroreOrariTraghetto(o); !errore.isEmpty()) {
        CampoTraghetto campo = CampoTraghetto::Costo;
        if (o.Partenze.isEmpty() || TestoPartenze(o.Partenze).size() > 120)
            campo = CampoTraghetto::Partenze;
        else if ((o.Giorni & 0x7F) == 0)
            campo = CampoTraghetto::Giorni;
        else if (o.Durata <= 0)
            campo = CampoTraghetto::Durata;
        else if (o.Anticipo < 0 || o.Anticipo > 24 * 60)
            campo = CampoTraghetto::Anticipo;
        return {errore, campo, false};
    }
    orari = o;
    return {};
}

QString ErroreOrariVoce(const OrariVoce& o) {
    if (bool(o.Dalle) != bool(o.Alle))
        return QStringLiteral("Indicare sia l'ora di apertura sia quella di chiusura");
    if (o.Dalle && *o.Dalle >= *o.Alle)
        return QStringLiteral("L'ora di apertura deve precedere quella di chiusura");
    if ((o.Chiuso & 0x7F) == 0x7F)
        return QStringLiteral("Una voce chiusa tutti i giorni non si può visitare");
    return QString();
}

QList<TraghettoTappa> LeggiTraghetti(Database& db, const QString& codiceMeta) {
    QList<TraghettoTappa> traghetti;
    db.Leggi(
        Query(Tabella(db, TabTraghetti)).Dove(CampoCodice, codiceMeta.trimmed()).OrdinaPer(CampoSequenza),
        CampiTraghetto.mid(1), [&](qint64, const QStringList& v) {
            if (const std::optional<OrariTraghetto> o = TraghettoDaTesti(v.mid(2)))
                traghetti.append({v.at(0).trimmed().toInt(), v.at(1).trimmed(), *o});
        });
    return traghetti;
}

void ScriviTraghetto(Database& db, const QString& codiceMeta, int sequenza, const QString& localita,
                     const std::optional<OrariTraghetto>& orari) {
    const QString codice = codiceMeta.trimmed();
    QVector<QStringList> righe;
    if (orari)
        righe.append(QStringList{codice, Zero(double(sequenza), 4), localita.trimmed()} +
                     TestiTraghetto(*orari));
    Database::Transazione transazione(db);
    db.SostituisciRighe(Query(Tabella(db, TabTraghetti))
                            .Dove(CampoCodice, codice)
                            .Dove(CampoSequenza, Zero(double(sequenza), 4)),
                        CampiTraghetto, righe);
    transazione.Conferma();
}

QList<NottePrenotata> LeggiNottiPrenotate(Database& db, const QString& codiceMeta) {
    QList<NottePrenotata> notti;
    db.Leggi(Query(Tabella(db, TabNotti)).Dove(CampoCodice, codiceMeta.trimmed()).OrdinaPer(CampoSequenza),
             CampiNotte.mid(1), [&](qint64, const QStringList& v) {
                 const QString data = v.at(2).trimmed();
                 if (DataPrenotabile(data))
                     notti.append({v.at(0).trimmed().toInt(), v.at(1).trimmed(), data});
             });
    return notti;
}

void ScriviNottePrenotata(Database& db, const QString& codiceMeta, int sequenza, const QString& localita,
                          const QString& data) {
    const QString codice = codiceMeta.trimmed();
    QVector<QStringList> righe;
    if (!data.isEmpty()) righe.append({codice, Zero(double(sequenza), 4), localita.trimmed(), data});
    Database::Transazione transazione(db);
    db.SostituisciRighe(
        Query(Tabella(db, TabNotti)).Dove(CampoCodice, codice).Dove(CampoSequenza, Zero(double(sequenza), 4)),
        CampiNotte, righe);
    transazione.Conferma();
}

std::optional<OrariVoce> OrariVoceDaTesti(const QStringList& v) {
    if (v.size() < 3) return std::nullopt;
    OrariVoce o;
    const std::optional<quint8> chiuso = GiorniDaTesto(v.at(0));
    if (!chiuso) return std::nullopt;
    o.Chiuso = *chiuso;
    if (!v.at(1).trimmed().isEmpty() || !v.at(2).trimmed().isEmpty()) {
        o.Dalle = MinutiOra(v.at(1));
        o.Alle = MinutiOra(v.at(2));
        if (!o.Dalle || !o.Alle) return std::nullopt;
    }
    if (!ErroreOrariVoce(o).isEmpty()) return std::nullopt;
    return o;
}

QStringList TestiOrariVoce(const OrariVoce& o) {
    return {TestoGiorni(o.Chiuso), o.Dalle ? TestoMinuti(*o.Dalle) : QString(),
            o.Alle ? TestoMinuti(*o.Alle) : QString()};
}

void AggiungiOrariGuida(Database& db, const QString& modelloLocalita, QList<VoceGuida>& voci) {
    if (voci.isEmpty()) return;
    db.Leggi(Query(Tabella(db, TabOrariGuida)).DoveCome(CampoLocalita, modelloLocalita), CampiOrari,
             [&](qint64, const QStringList& v) {
                 const std::optional<OrariVoce> o = OrariVoceDaTesti(v.mid(2));
                 if (!o) return;
                 for (VoceGuida& voce : voci)
                     if (Chiave(voce.Localita) == Chiave(v.at(0)) &&
                         Chiave(voce.Descrizione) == Chiave(v.at(1))) {
                         voce.Chiuso = o->Chiuso;
                         voce.Dalle = o->Dalle;
                         voce.Alle = o->Alle;
                     }
             });
}

void LeggiTuttiOrariGuida(Database& db,
                          const std::function<void(const QString&, const QString&, const OrariVoce&)>& voce) {
    db.Leggi(Query(Tabella(db, TabOrariGuida)), CampiOrari, [&](qint64, const QStringList& v) {
        if (const std::optional<OrariVoce> o = OrariVoceDaTesti(v.mid(2))) voce(v.at(0), v.at(1), *o);
    });
}

const QStringList ColonneTappaScambio = {QStringLiteral("Partenze"), QStringLiteral("Giorni"),
                                         QStringLiteral("Durata"),   QStringLiteral("Anticipo"),
                                         QStringLiteral("Costo"),    QStringLiteral("NottePrenotata")};
const QStringList ColonneVoceScambio = {QStringLiteral("Chiuso"), QStringLiteral("Dalle"),
                                        QStringLiteral("Alle")};

QStringList TestiTappaScambio(const Tappa& tappa) {
    QStringList testi = tappa.Orari ? TestiTraghetto(*tappa.Orari) : QStringList(5);
    return testi << (tappa.NottePrenotata ? Giu2Datas(*tappa.NottePrenotata) : QString());
}

OrariVoce LeggiOrariVoce(Database& db, const QString& localita, const QString& descrizione) {
    VoceGuida voce;
    voce.Localita = localita;
    voce.Descrizione = descrizione;
    QList<VoceGuida> voci{voce};
    AggiungiOrariGuida(db, LikeTesto(localita.trimmed()), voci);
    return {voci.at(0).Chiuso, voci.at(0).Dalle, voci.at(0).Alle};
}

void ScriviOrariVoce(Database& db, const QString& localita, const QString& descrizione, const OrariVoce& o) {
    QVector<QStringList> righe;
    if (!o.Vuoti()) righe.append(QStringList{localita.trimmed(), descrizione.trimmed()} + TestiOrariVoce(o));
    Database::Transazione transazione(db);
    db.SostituisciRighe(Query(Tabella(db, TabOrariGuida))
                            .Dove(CampoLocalita, localita.trimmed())
                            .Dove(CampoDescrizione, descrizione.trimmed()),
                        CampiOrari, righe);
    transazione.Conferma();
}

void AttaccaOrariFissi(Database& db, const QString& codiceMeta, QList<Tappa>& tappe) {
    if (codiceMeta.trimmed().isEmpty()) return;
    QList<bool> prese(tappe.size(), false);
    for (const TraghettoTappa& t : LeggiTraghetti(db, codiceMeta)) {
        const int k = TappaDellaRiga(tappe, prese, t.Sequenza, t.Localita, true);
        if (k < 0) continue;
        prese[k] = true;
        tappe[k].Orari = t.Orari;
    }
    prese.fill(false);
    for (const NottePrenotata& n : LeggiNottiPrenotate(db, codiceMeta)) {
        const int k = TappaDellaRiga(tappe, prese, n.Sequenza, n.Localita, false);
        if (k < 0) continue;
        prese[k] = true;
        tappe[k].NottePrenotata = Data2Giul(n.Data);
    }
}

void CancellaOrariFissi(Database& db, const QString& codiceMeta) {
    const QString codice = codiceMeta.trimmed();
    if (codice.isEmpty()) return;
    Database::Transazione transazione(db);
    db.SostituisciRighe(Query(Tabella(db, TabTraghetti)).Dove(CampoCodice, codice), CampiTraghetto, {});
    db.SostituisciRighe(Query(Tabella(db, TabNotti)).Dove(CampoCodice, codice), CampiNotte, {});
    transazione.Conferma();
}
