// viandora-cli traghetto, notte, orari: the fixed times of a trip.
//   traghetto DB CODICE SEQUENZA [--partenze HH:MM,...] [--giorni lun,...]
//             [--durata HH:MM] [--anticipo MINUTI] [--costo EUR] | --nessuno
//   notte DB CODICE SEQUENZA [--data GG/MM/AAAA | --nessuna]
//   orari DB LOCALITA DESCRIZIONE [--chiuso lun,...] [--dalle HH:MM --alle HH:MM] | --nessuno
// Without options each prints what is stored; with options it stores first.
#include <QDate>

#include "cli/Comandi.h"
#include "cli/Opzioni.h"
#include "common/Date.h"
#include "common/Stringhe.h"
#include "database/Database.h"
#include "trip/CaricaViaggio.h"
#include "trip/OrariFissi.h"
#include "trip/Veicolo.h"

namespace Cli {

namespace {

// Opens the database (to write when scrive) and finds the stage of that
// number of a stored trip; false with the message.
bool TappaMeta(Database& db, const Opzioni& o, bool scrive, QString& codice, RecordTappa& tappa, int& numero,
               QTextStream& err) {
    codice = CodiceMeta(o.posizionali.at(1));
    if (!ApriDatabase(db, o.posizionali.at(0), !scrive, err)) return false;
    const QString sequenza = o.posizionali.at(2);
    if (!LeggiRecordMeta(db, codice)) {
        err << "Mèta inesistente: " << codice << '\n';
        return false;
    }
    bool numerico = false;
    numero = sequenza.trimmed().toInt(&numerico);
    const QList<RecordTappa> tappe = LeggiTappe(db, codice);
    if (!numerico || numero < 1 || numero > tappe.size()) {
        err << "La mèta " << codice << " non ha la tappa " << sequenza << " (le tappe vanno da 1 a "
            << tappe.size() << ")\n";
        return false;
    }
    tappa = tappe.at(numero - 1);
    return true;
}

// The stored data of the stage, matched as a calculation matches them.
Tappa TappaConOrari(Database& db, const QString& codice, int numero) {
    const QList<RecordTappa> record = LeggiTappe(db, codice);
    QList<Tappa> tappe;
    for (int r = 0; r < record.size(); ++r)
        tappe << TappaDaCelle(CelleDaRecordTappa(record.at(r), r + 1));
    AttaccaOrariFissi(db, codice, tappe);
    return tappe.at(numero - 1);
}

bool Scorretto(const Opzioni& o, int posizionali, const char* servono, QTextStream& err) {
    if (o.errore.isEmpty() && o.posizionali.size() == posizionali) return false;
    err << (o.errore.isEmpty() ? QString::fromUtf8(servono) : o.errore) << '\n';
    return true;
}

} // namespace

int Traghetto(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const QString partenze = QStringLiteral("--partenze"), giorni = QStringLiteral("--giorni"),
                  durata = QStringLiteral("--durata"), anticipo = QStringLiteral("--anticipo"),
                  costo = QStringLiteral("--costo"), nessuno = QStringLiteral("--nessuno");
    const Opzioni o = Analizza(argomenti, {partenze, giorni, durata, anticipo, costo}, {nessuno});
    if (Scorretto(o, 3, "Servono FILE_DATABASE, CODICE_META e SEQUENZA", err)) return Uso;
    if (o.interruttori.contains(nessuno) && !o.valori.isEmpty()) {
        err << "--nessuno non va con altre opzioni\n";
        return Uso;
    }
    const bool scrive = !o.valori.isEmpty() || !o.interruttori.isEmpty();
    Database db;
    QString codice;
    RecordTappa record;
    int numero = 0;
    if (!TappaMeta(db, o, scrive, codice, record, numero, err)) return Errore;
    if (!record.NomeStrada.contains(QLatin1String("TRAGH"))) {
        err << "La tappa " << numero << " (" << record.Localita.trimmed()
            << ") non è un traghetto: la sua strada non contiene TRAGH\n";
        return Errore;
    }
    std::optional<OrariTraghetto> orari = TappaConOrari(db, codice, numero).Orari;
    if (o.interruttori.contains(nessuno)) {
        orari.reset();
    } else if (!o.valori.isEmpty()) {
        OrariTraghetto nuovi = orari.value_or(OrariTraghetto{});
        auto valore = [&](const QString& opzione) {
            return o.valori.contains(opzione) ? std::optional<QString>(o.valori.value(opzione))
                                              : std::nullopt;
        };
        const EsitoOrariTraghetto esito = ImpostaOrariTraghetto(
            nuovi, {valore(partenze), valore(giorni), valore(durata), valore(anticipo), valore(costo)});
        if (!esito.Errore.isEmpty()) {
            err << esito.Errore << '\n';
            return esito.Malformato ? Uso : Errore;
        }
        orari = nuovi;
    }
    if (scrive) ScriviTraghetto(db, codice, numero, record.Localita, orari);
    if (!orari) {
        out << "Nessun orario di partenza per la tappa " << numero << '\n';
        return Riuscita;
    }
    out << "partenze\t" << TestoPartenze(orari->Partenze) << '\n'
        << "giorni\t" << TestoGiorni(orari->Giorni) << '\n'
        << "durata\t" << TestoMinuti(orari->Durata) << '\n'
        << "anticipo\t" << orari->Anticipo << '\n'
        << "costo\t" << (orari->Costo ? TestoDecimale(*orari->Costo) : QString()) << '\n';
    return Riuscita;
}

int Notte(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const QString data = QStringLiteral("--data"), nessuna = QStringLiteral("--nessuna");
    const Opzioni o = Analizza(argomenti, {data}, {nessuna});
    if (Scorretto(o, 3, "Servono FILE_DATABASE, CODICE_META e SEQUENZA", err)) return Uso;
    if (o.interruttori.contains(nessuna) && o.valori.contains(data)) {
        err << "--nessuna non va con --data\n";
        return Uso;
    }
    QString stored;
    if (o.valori.contains(data)) {
        const QDate d = QDate::fromString(o.valori.value(data).trimmed(), QStringLiteral("dd/MM/yyyy"));
        stored = d.isValid() ? d.toString(QStringLiteral("ddMMyyyy")) : QString();
        if (!DataPrenotabile(stored)) {
            err << "Data non valida (gg/mm/aaaa): " << o.valori.value(data) << '\n';
            return Uso;
        }
    }
    const bool scrive = !o.valori.isEmpty() || !o.interruttori.isEmpty();
    Database db;
    QString codice;
    RecordTappa record;
    int numero = 0;
    if (!TappaMeta(db, o, scrive, codice, record, numero, err)) return Errore;
    if (scrive) ScriviNottePrenotata(db, codice, numero, record.Localita, stored);
    const std::optional<float> notte = TappaConOrari(db, codice, numero).NottePrenotata;
    if (notte)
        out << "data\t" << Data2Data(Giu2Datas(*notte)) << '\n';
    else
        out << "Nessuna notte prenotata alla tappa " << numero << '\n';
    return Riuscita;
}

int Orari(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const QString chiuso = QStringLiteral("--chiuso"), dalle = QStringLiteral("--dalle"),
                  alle = QStringLiteral("--alle"), nessuno = QStringLiteral("--nessuno");
    const Opzioni o = Analizza(argomenti, {chiuso, dalle, alle}, {nessuno});
    if (Scorretto(o, 3, "Servono FILE_DATABASE, LOCALITA e DESCRIZIONE", err)) return Uso;
    if (o.interruttori.contains(nessuno) && !o.valori.isEmpty()) {
        err << "--nessuno non va con altre opzioni\n";
        return Uso;
    }
    const bool scrive = !o.valori.isEmpty() || !o.interruttori.isEmpty();
    Database db;
    if (!ApriDatabase(db, o.posizionali.at(0), !scrive, err)) return Errore;
    // The entry as the guide stores it: its own spelling is kept.
    QString localita, descrizione;
    db.Leggi(Query(db.Schema().NomeTabella[TabGuida])
                 .Dove(QStringLiteral("Localita"), o.posizionali.at(1).trimmed())
                 .Dove(QStringLiteral("Descrizione"), o.posizionali.at(2).trimmed()),
             {QStringLiteral("Localita"), QStringLiteral("Descrizione")}, [&](qint64, const QStringList& v) {
                 if (localita.isEmpty()) {
                     localita = v.at(0).trimmed();
                     descrizione = v.at(1).trimmed();
                 }
             });
    if (localita.isEmpty()) {
        err << "La guida non ha la voce \"" << o.posizionali.at(2).trimmed() << "\" a "
            << o.posizionali.at(1).trimmed() << '\n';
        return Errore;
    }
    OrariVoce orari = LeggiOrariVoce(db, localita, descrizione);
    if (o.interruttori.contains(nessuno)) orari = OrariVoce{};
    if (o.valori.contains(chiuso)) {
        const std::optional<quint8> g = GiorniDaTesto(o.valori.value(chiuso));
        if (!g) {
            err << "Giorni non validi (lun,mar,mer,gio,ven,sab,dom): " << o.valori.value(chiuso) << '\n';
            return Uso;
        }
        orari.Chiuso = *g;
    }
    if (o.valori.contains(dalle) != o.valori.contains(alle)) {
        err << "--dalle e --alle vanno indicate insieme\n";
        return Uso;
    }
    if (o.valori.contains(dalle)) {
        orari.Dalle = MinutiOra(o.valori.value(dalle));
        orari.Alle = MinutiOra(o.valori.value(alle));
        if (!orari.Dalle || !orari.Alle) {
            err << "Ore non valide (hh:mm): " << o.valori.value(dalle) << ' ' << o.valori.value(alle) << '\n';
            return Uso;
        }
    }
    if (const QString errore = ErroreOrariVoce(orari); !errore.isEmpty()) {
        err << errore << '\n';
        return Errore;
    }
    if (scrive) ScriviOrariVoce(db, localita, descrizione, orari);
    if (orari.Vuoti()) {
        out << "Sempre aperta: " << descrizione << " a " << localita << '\n';
        return Riuscita;
    }
    out << "chiuso\t" << TestoGiorni(orari.Chiuso) << '\n'
        << "dalle\t" << (orari.Dalle ? TestoMinuti(*orari.Dalle) : QString()) << '\n'
        << "alle\t" << (orari.Alle ? TestoMinuti(*orari.Alle) : QString()) << '\n';
    return Riuscita;
}

} // namespace Cli
