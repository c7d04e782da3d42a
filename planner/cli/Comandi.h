#pragma once
// The subcommands of viandora-cli. Each one is a function over its own
// arguments (the words after its name) that writes to standard output and
// standard error and gives the exit status; main() only dispatches.
#include <QString>
#include <QStringList>
#include <QTextStream>

class Database;
class FormViandora;

namespace Cli {

enum Uscita { Riuscita = 0, Errore = 1, Uso = 2 };

using Esecuzione = int (*)(const QStringList& argomenti, QTextStream& out, QTextStream& err);

struct Comando {
    const char* nome;
    const char* uso; // the arguments, as "--help" and a wrong call show them
    int numeroArgomentiMinimo;
    int numeroArgomentiMassimo; // -1: no upper bound
    Esecuzione esegui;
    const char* aiuto; // what "--help" prints after the usage line
};

// A trip code typed as a number is the stored six-digit code.
QString CodiceMeta(const QString& testo);

// Opens the database file read-only, on a copy in memory brought to the
// current tables; false, with the message on err, when it cannot.
bool ApriInLettura(Database& db, const QString& file, QTextStream& err);

// Shows the stored trip as the planner shows a trip chosen from the list;
// false, with the message on err, when there is none with that code.
bool MostraMeta(FormViandora& form, const QString& codice, QTextStream& err);

// Opens a database file of ours, brought to the current tables; with
// soloLettura a copy in memory, the file untouched. False, with the message
// on err, when it is missing or not a readable database.
bool ApriDatabase(Database& db, const QString& file, bool soloLettura, QTextStream& err);

int Calcola(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Converti(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Crea(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Mete(const QStringList& argomenti, QTextStream& out, QTextStream& err);
extern const char* const AiutoCalcola;
int ImportaPercorso(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Elenca(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Esporta(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Importa(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int StampaTabella(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int StampaGuida(const QStringList& argomenti, QTextStream& out, QTextStream& err);

} // namespace Cli
