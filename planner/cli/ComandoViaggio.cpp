// viandora-cli veicolo, riepilogo, esporta-tabella: the journey outside the
// timetable.
//   veicolo DB CODICE [--consumo N] ... [--guida-max HH:MM]
//       the trip's vehicle and costs; without options prints them, one
//       "name<TAB>value" a line; with options stores them first;
//   riepilogo DB CODICE
//       one tab-separated line per day of the timetable, then "Totale";
//   esporta-tabella DB CODICE FILE.ics|FILE.csv [--fuso ZONA]
//       the timetable as an iCalendar file or a CSV sheet.
// Only "veicolo" with options writes the database.
#include <QFileInfo>

#include "cli/Comandi.h"
#include "cli/Opzioni.h"
#include "common/FileOrdinario.h"
#include "database/Database.h"
#include "journey/Esportazioni.h"
#include "journey/Riepilogo.h"
#include "trip/CaricaViaggio.h"
#include "trip/VeicoloMeta.h"

namespace Cli {

namespace {

struct CampoVeicolo {
    const char* opzione;
    const char* nome;
    double Veicolo::*valore;
};

const CampoVeicolo CampiVeicolo[] = {
    {"--consumo", "consumo", &Veicolo::Consumo},
    {"--serbatoio", "serbatoio", &Veicolo::Serbatoio},
    {"--riserva", "riserva", &Veicolo::Riserva},
    {"--prezzo", "prezzo", &Veicolo::Prezzo},
    {"--pedaggio", "pedaggio", &Veicolo::Pedaggio},
    {"--notte", "notte", &Veicolo::CostoNotte},
    {"--traghetto", "traghetto", &Veicolo::CostoTraghetto},
};
const char* const OpzioneGuida = "--guida-max";

bool Esiste(Database& db, const QString& codice, QTextStream& err) {
    if (LeggiRecordMeta(db, codice)) return true;
    err << "Mèta inesistente: " << codice << '\n';
    return false;
}

// The summary of the trip's calculated timetable; false with the message.
bool Riassumi(Database& db, const QString& codice, EsitoCalcolo& esito, Riepilogo& riepilogo,
              QTextStream& err) {
    esito = CalcolaMeta(db, codice);
    if (!esito.Riuscito) {
        err << esito.Errore << '\n';
        return false;
    }
    const Veicolo veicolo = LeggiVeicolo(db, codice);
    riepilogo = CalcolaRiepilogo(esito.Tabella, veicolo,
                                 [&db](const QString& localita) { return HaSostaCamper(db, localita); });
    return true;
}

} // namespace

int VeicoloMeta(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    QStringList conValore{QLatin1String(OpzioneGuida)};
    for (const CampoVeicolo& c : CampiVeicolo)
        conValore << QLatin1String(c.opzione);
    const Opzioni o = Analizza(argomenti, conValore, {});
    if (!o.errore.isEmpty() || o.posizionali.size() != 2) {
        err << (o.errore.isEmpty() ? QStringLiteral("Servono FILE_DATABASE e CODICE_META") : o.errore)
            << '\n';
        return Uso;
    }
    const QString codice = CodiceMeta(o.posizionali.at(1));
    const bool scrive = !o.valori.isEmpty();
    Database db;
    if (!ApriDatabase(db, o.posizionali.at(0), !scrive, err)) return Errore;
    if (!Esiste(db, codice, err)) return Errore;

    Veicolo v = LeggiVeicolo(db, codice);
    for (const CampoVeicolo& c : CampiVeicolo) {
        const QString opzione = QLatin1String(c.opzione);
        if (!o.valori.contains(opzione)) continue;
        const std::optional<double> numero = NumeroDecimale(o.valori.value(opzione));
        if (!numero) {
            err << "Valore non valido per " << opzione << ": " << o.valori.value(opzione) << '\n';
            return Uso;
        }
        v.*c.valore = *numero;
    }
    if (o.valori.contains(QLatin1String(OpzioneGuida))) {
        const std::optional<int> minuti = MinutiOra(o.valori.value(QLatin1String(OpzioneGuida)));
        if (!minuti || *minuti == 0) {
            err << "Valore non valido per " << OpzioneGuida
                << " (hh:mm): " << o.valori.value(QLatin1String(OpzioneGuida)) << '\n';
            return Uso;
        }
        v.GuidaMassima = *minuti;
    }
    if (const QString errore = v.Errore(); !errore.isEmpty()) {
        err << errore << '\n';
        return Errore;
    }
    if (scrive) ScriviVeicolo(db, codice, v);
    for (const CampoVeicolo& c : CampiVeicolo)
        out << c.nome << '\t' << TestoDecimale(v.*c.valore) << '\n';
    out << "guida-max\t" << TestoMinuti(v.GuidaMassima) << '\n';
    return Riuscita;
}

int RiepilogoMeta(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    Database db;
    if (!ApriInLettura(db, argomenti.at(0), err)) return Errore;
    EsitoCalcolo esito;
    Riepilogo riepilogo;
    if (!Riassumi(db, CodiceMeta(argomenti.at(1)), esito, riepilogo, err)) return Errore;
    for (const QString& riga : RigheRiepilogo(riepilogo))
        out << riga << '\n';
    return Riuscita;
}

int EsportaTabella(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const Opzioni o = Analizza(argomenti, {QStringLiteral("--fuso")}, {});
    if (!o.errore.isEmpty() || o.posizionali.size() != 3) {
        err << (o.errore.isEmpty() ? QStringLiteral("Servono FILE_DATABASE, CODICE_META e FILE") : o.errore)
            << '\n';
        return Uso;
    }
    const QString file = o.posizionali.at(2);
    const QString estensione = QFileInfo(file).suffix().toLower();
    if (estensione != QLatin1String("ics") && estensione != QLatin1String("csv")) {
        err << "Il file deve finire con .ics (calendario) o .csv (foglio di calcolo): " << file << '\n';
        return Uso;
    }
    const QString fuso = FusoCalendario(o.valori.value(QStringLiteral("--fuso")));
    if (!FusoConosciuto(fuso)) {
        err << "Fuso orario sconosciuto: " << fuso << " (per esempio Europe/Rome)\n";
        return Uso;
    }
    QString errore;
    // Looked at before the calculation: a path that cannot take the file is
    // refused at once, and never waited on.
    if (!ControllaFileDaScrivere(file, &errore)) {
        err << errore << '\n';
        return Errore;
    }
    Database db;
    if (!ApriInLettura(db, o.posizionali.at(0), err)) return Errore;
    EsitoCalcolo esito;
    Riepilogo riepilogo;
    if (!Riassumi(db, CodiceMeta(o.posizionali.at(1)), esito, riepilogo, err)) return Errore;
    const QByteArray contenuto = estensione == QLatin1String("ics")
                                     ? CalendarioIcs(esito.Tabella, riepilogo, fuso)
                                     : FoglioCsv(esito.Tabella, riepilogo);
    if (!ScriviFileIntero(file, contenuto, &errore)) {
        err << errore << '\n';
        return Errore;
    }
    out << "Scritto " << file << '\n';
    return Riuscita;
}

} // namespace Cli
