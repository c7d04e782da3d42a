#pragma once
// The subcommands of viandora-cli. Each one is a function over its own
// arguments (the words after its name) that writes to standard output and
// standard error and gives the exit status; main() only dispatches.
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace Cli {

enum Uscita { Riuscita = 0, Errore = 1, Uso = 2 };

using Esecuzione = int (*)(const QStringList& argomenti, QTextStream& out, QTextStream& err);

struct Comando {
    const char* nome;
    const char* uso; // the arguments, as "--help" and a wrong call show them
    int numeroArgomentiMinimo;
    int numeroArgomentiMassimo; // -1: no upper bound
    Esecuzione esegui;
};

// A trip code typed as a number is the stored six-digit code.
QString CodiceMeta(const QString& testo);

int Calcola(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int ImportaPercorso(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Elenca(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Esporta(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int Importa(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int StampaTabella(const QStringList& argomenti, QTextStream& out, QTextStream& err);
int StampaGuida(const QStringList& argomenti, QTextStream& out, QTextStream& err);

} // namespace Cli
