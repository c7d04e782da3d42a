// viandora-cli calcola FILE CODICE: calculates the timetable of one trip of a
// database file as "&Calcola" does and prints it as tab-separated lines:
//   one line per timetable row with a locality: columns 0 to 13, trimmed,
//     each followed by a tab;
//   one line of totals: km and time of each road type (A, S, P, L), total km
//     and time, ferries, end date gg/mm/aaaa, end time hh:mm, days;
//   one line: the number of passes and the final message (may be empty).
// The file is read into memory and never written.
#include "cli/Comandi.h"
#include "common/Stringhe.h"
#include "database/Database.h"
#include "timetable/ServizioCalcolo.h"

namespace Cli {

// A trip code typed as a number is the stored six-digit code.
QString CodiceMeta(const QString& testo) {
    const QString codice = testo.trimmed();
    bool numero = !codice.isEmpty() && codice.size() <= 6;
    for (QChar c : codice)
        numero = numero && c.isDigit();
    return numero ? Zero(codice, 6) : codice;
}

const char* const AiutoCalcola =
    "  Calcola la tabella di marcia della mèta CODICE_META (anche senza gli zeri iniziali)\n"
    "  come \"&Calcola\" del planner e la scrive su standard output, colonne separate da tab.\n"
    "  Il file è letto in memoria e non viene mai modificato.\n"
    "  Una riga per ogni riga della tabella con una località, colonne:\n"
    "     0 numero della riga (vuoto per soste e voci della guida)\n"
    "     1 tappa: località, \"verso: ...\", \"a: ...\" o \" > \" e una voce della guida\n"
    "     2 numero o nome della strada\n"
    "     3 chilometri del tratto\n"
    "     4 tipo di strada (A, S, P, L)\n"
    "     5 chilometri progressivi\n"
    "     6 tempo di guida del tratto (hh:mm)\n"
    "     7 sosta (gg:hh:mm, \"*\" se fine giornata) o tempo di visita della voce\n"
    "     8 guida (vuota)\n"
    "     9 giorno della settimana\n"
    "    10 giorno e mese\n"
    "    11 ora di arrivo o di fine sosta (\"* \" se seguono giorni di riposo)\n"
    "    12 note: pasti, notte, riposi, visite, traghetti, tipo della voce della guida\n"
    "    13 limite ritorno\n"
    "  Poi una riga dei totali: km e tempo per autostrada, superstrada, principale, locale,\n"
    "  km e tempo totali, traghetti, data di fine gg/mm/aaaa, ora di fine hh:mm, giorni.\n"
    "  Infine una riga: numero di passaggi del calcolo e messaggio finale (anche vuoto).";

namespace {

void ScriviCelle(QTextStream& out, const QStringList& celle) {
    for (const QString& c : celle)
        out << c << '\t';
    out << '\n';
}

void ScriviTabella(QTextStream& out, const TabellaCalcolata& t) {
    for (int r = 1; r < t.RigheTabella; ++r) {
        const std::array<QString, ColonneMarcia> celle = t.Celle(r);
        if (celle[MarciaLocalita].trimmed().isEmpty()) continue;
        QStringList testi;
        for (const QString& c : celle)
            testi << c.trimmed();
        ScriviCelle(out, testi);
    }
    const TestiTotali totale = t.Totale();
    QStringList totali;
    for (size_t k = 0; k < 5; ++k)
        totali << *totale.Km[k] << *totale.Tempo[k];
    totali << *totale.Traghetti;
    totali << *totale.Fine[0] + u'/' + *totale.Fine[1] + u'/' + *totale.Fine[2]
           << *totale.Fine[3] + u':' + *totale.Fine[4];
    totali << *totale.Giorni;
    ScriviCelle(out, totali);
    ScriviCelle(out, {QString::number(t.Passate), t.Messaggio});
}

} // namespace

int Calcola(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const QString file = argomenti.at(0);
    const QString codice = CodiceMeta(argomenti.at(1));
    Database db;
    if (!ApriInLettura(db, file, err)) return Errore;
    const EsitoCalcolo esito = CalcolaMeta(db, codice);
    if (!esito.Riuscito) {
        err << esito.Errore << '\n';
        return Errore;
    }
    ScriviTabella(out, esito.Tabella);
    return Riuscita;
}

} // namespace Cli
