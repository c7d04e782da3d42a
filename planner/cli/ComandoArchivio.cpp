// viandora-cli crea, mete: the database file itself.
//   crea DB    makes a new, empty database as the planner's first start
//              does; an existing file is never replaced;
//   mete DB    the stored trips: code, destination, country, start date
//              gg/mm/aaaa and number of stages, tab-separated, by code;
//              the file is read into memory and never written.
#include <QDir>

#include "cli/Comandi.h"
#include "database/Database.h"
#include "startup/DatabaseNuovo.h"
#include "trip/ElencoMete.h"

namespace Cli {

int Crea(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    QString errore;
    if (!CreaDatabaseNuovo(argomenti.at(0), errore)) {
        err << errore << '\n';
        return Errore;
    }
    out << "Database creato: " << QDir::toNativeSeparators(argomenti.at(0)) << '\n';
    return Riuscita;
}

int Mete(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    Database db;
    if (!ApriDatabase(db, argomenti.at(0), true, err)) return Errore;
    for (const VoceElencoMete& m : ElencoMete(db))
        out << m.codice << '\t' << m.localita << '\t' << m.nazione << '\t' << m.dataInizio << '\t' << m.tappe
            << '\n';
    return Riuscita;
}

} // namespace Cli
