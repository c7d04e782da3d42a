#pragma once
// The subcommands of viandora-cli. Each one is a function over its own
// arguments (the words after its name) that writes to standard output and
// standard error and gives the exit status; main() only dispatches.
#include <QString>
#include <QStringList>
#include <QTextStream>

class Database;

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

// A file named on the command line that the command reads (a database, an
// exchange or route file) is a regular file; otherwise false, with
// "File inesistente: ..." or the reason it cannot be read on err.
bool FileDaLeggere(const QString& file, QTextStream& err);
// Opens a database file of ours, brought to the current tables; with
// soloLettura a copy in memory, the file untouched. False, with the message
// on err, when it is missing or not a readable database.
bool ApriDatabase(Database& db, const QString& file, bool soloLettura, QTextStream& err);
// Read-only, as the planner would see the file: the guide's types in place.
bool ApriInLettura(Database& db, const QString& file, QTextStream& err);

int Calcola(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int VeicoloMeta(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Traghetto(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Notte(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Orari(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int RiepilogoMeta(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int EsportaTabella(const QStringList& argomenti, QTextStream& out, QTextStream& err);
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
