// viandora-cli: the planner without a window, one subcommand per capability.
#include <QCoreApplication>
#include <QTextStream>
#include <exception>
#include <iterator>

#include "cli/Comandi.h"
#include "database/ErroreDatabase.h"

namespace {

// Every subcommand, in the order "--help" lists them.
const Cli::Comando Comandi[] = {
    {"calcola", "FILE_DATABASE CODICE_META", 2, 2, Cli::Calcola, Cli::AiutoCalcola},
};

void ScriviUso(QTextStream& s, bool aiuto = false) {
    for (const Cli::Comando& c : Comandi) {
        s << "Uso: viandora-cli " << c.nome << ' ' << c.uso << '\n';
        if (aiuto && c.aiuto) s << QString::fromUtf8(c.aiuto) << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList argomenti = app.arguments().mid(1);
    if (argomenti.size() == 1 &&
        (argomenti.at(0) == QLatin1String("--help") || argomenti.at(0) == QLatin1String("-h"))) {
        ScriviUso(out, true);
        return Cli::Riuscita;
    }
    const Cli::Comando* comando = nullptr;
    if (!argomenti.isEmpty())
        for (const Cli::Comando& c : Comandi)
            if (argomenti.at(0) == QLatin1String(c.nome)) comando = &c;
    if (!comando) {
        ScriviUso(err);
        return Cli::Uso;
    }
    const QStringList propri = argomenti.mid(1);
    if (propri.size() < comando->numeroArgomentiMinimo ||
        (comando->numeroArgomentiMassimo >= 0 && propri.size() > comando->numeroArgomentiMassimo)) {
        err << "Uso: viandora-cli " << comando->nome << ' ' << comando->uso << '\n';
        return Cli::Uso;
    }
    try {
        return comando->esegui(propri, out, err);
    } catch (const ErroreDatabase& e) {
        err << e.Messaggio() << '\n';
    } catch (const std::exception& e) {
        err << "Errore: " << e.what() << '\n';
    }
    return Cli::Errore;
}
