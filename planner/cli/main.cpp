// viandora-cli: the planner without a window, one subcommand per capability.
#include <QGuiApplication>
#include <QTextStream>
#include <exception>
#include <iterator>
#include <memory>

#include "cli/Comandi.h"
#include "database/ErroreDatabase.h"

namespace {

// Every subcommand, in the order "--help" lists them.
const Cli::Comando Comandi[] = {
    {"calcola", "FILE_DATABASE CODICE_META", 2, 2, Cli::Calcola, Cli::AiutoCalcola},
    {"importa-percorso", "FILE_DATABASE CODICE_META FILE_PERCORSO", 3, 3, Cli::ImportaPercorso},
    {"elenca", "FILE_IEI", 1, 1, Cli::Elenca},
    {"esporta", "FILE_DATABASE FILE_IEI CODICE_META...", 3, -1, Cli::Esporta},
    {"importa", "FILE_DATABASE FILE_IEI CODICE_META...|--tutte", 3, -1, Cli::Importa},
    {"stampa", "FILE_DATABASE CODICE_META --pdf FILE_PDF [--testo FILE_TESTO]", 4, 6, Cli::StampaTabella},
    {"guida", "FILE_DATABASE --pdf FILE_PDF [--meta CODICE_META] [--dettaglio]", 3, 6, Cli::StampaGuida},
    {"converti", "FILE_DATABASE CARTELLA [--conserva]", 2, 3, Cli::Converti},
};

void ScriviUso(QTextStream& s, bool aiuto = false) {
    for (const Cli::Comando& c : Comandi) {
        s << "Uso: viandora-cli " << c.nome << ' ' << c.uso << '\n';
        if (aiuto && c.aiuto) s << QString::fromUtf8(c.aiuto) << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    // The printouts measure text with the real fonts, which needs the GUI
    // layer, without a display; its notices would only clutter the output.
    std::unique_ptr<QCoreApplication> applicazione;
    if (argc > 1 && (qstrcmp(argv[1], "stampa") == 0 || qstrcmp(argv[1], "guida") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
            if (tipo == QtCriticalMsg || tipo == QtFatalMsg) QTextStream(stderr) << testo << '\n';
        });
        applicazione = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        applicazione = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *applicazione;
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
