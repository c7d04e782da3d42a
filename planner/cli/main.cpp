// viandora-cli: the planner without a window, one subcommand per capability.
#include <QGuiApplication>
#include <QTextStream>
#include <exception>
#include <iterator>
#include <memory>

#include "cli/Comandi.h"
#include "database/ErroreDatabase.h"

namespace {

// Every subcommand, in the order "--help" lists them, with what it explains.
const Cli::Comando Comandi[] = {
    {"crea", "FILE_DATABASE", 1, 1, Cli::Crea,
     "  Crea un database nuovo e vuoto come il primo avvio del planner: tabelle, indici e tipi\n"
     "  della guida. Un file che esiste già non viene mai sostituito.\n"
     "  Scrive: Database creato: FILE_DATABASE"},
    {"mete", "FILE_DATABASE", 1, 1, Cli::Mete,
     "  Elenca le mète del database in ordine di codice, una per riga, colonne separate da tab:\n"
     "  codice, destinazione, nazione, data di inizio gg/mm/aaaa, numero di tappe.\n"
     "  Il file è letto in memoria e non viene mai modificato."},
    {"calcola", "FILE_DATABASE CODICE_META", 2, 2, Cli::Calcola, Cli::AiutoCalcola},
    {"riepilogo", "FILE_DATABASE CODICE_META", 2, 2, Cli::RiepilogoMeta,
     "  Calcola la tabella di marcia della mèta come \"calcola\" e ne scrive il riepilogo giorno per\n"
     "  giorno, colonne separate da tab: data AAAA-MM-GG, giorno della settimana, km, tempo di guida,\n"
     "  prima e ultima ora del giorno, luogo della notte, rifornimenti, carburante, pedaggi,\n"
     "  traghetti, notte e totale del giorno in euro (due decimali, punto decimale) e gli avvisi\n"
     "  separati da \"; \". L'ultima riga, \"Totale\", somma i giorni. Il database è solo letto."},
    {"esporta-tabella", "FILE_DATABASE CODICE_META FILE.ics|FILE.csv [--fuso ZONA]", 3, 5,
     Cli::EsportaTabella,
     "  Scrive la tabella di marcia della mèta in un calendario iCalendar (.ics: un evento per tratto\n"
     "  di guida e per sosta, uno per giorno con km, guida e avvisi; orari nel fuso ZONA, come\n"
     "  Europe/Rome, altrimenti quello del sistema) o in un foglio CSV (.csv, UTF-8: le colonne di\n"
     "  \"calcola\" con la data AAAA-MM-GG e il giorno del viaggio). Il database è solo letto."},
    {"veicolo",
     "FILE_DATABASE CODICE_META [--consumo N] [--serbatoio N] [--riserva N] [--prezzo N] [--pedaggio N] "
     "[--notte N] [--traghetto N] [--guida-max HH:MM]",
     2, 18, Cli::VeicoloMeta,
     "  Il veicolo e i costi della mèta: consumo in l/100 km, serbatoio e riserva in litri, prezzo\n"
     "  del carburante in euro al litro, pedaggio in euro al km di autostrada, costo di una notte e\n"
     "  di un traghetto, guida massima in un giorno. Con le opzioni memorizza i valori dati (punto\n"
     "  o virgola decimale); poi scrive tutti i valori, uno per riga: nome, tab, valore."},
    {"traghetto",
     "FILE_DATABASE CODICE_META SEQUENZA [--partenze HH:MM,...] [--giorni lun,mar,...] [--durata HH:MM] "
     "[--anticipo MINUTI] [--costo EUR] | --nessuno",
     3, 14, Cli::Traghetto,
     "  Gli orari del traghetto della tappa SEQUENZA (la sua strada contiene TRAGH): partenze,\n"
     "  giorni in cui parte (tutti se non indicati), durata della traversata, anticipo\n"
     "  dell'imbarco in minuti (60 se non indicato), costo proprio. Con gli orari il calcolo\n"
     "  attende al porto la prima partenza utile. --nessuno li toglie. Scrive i valori, uno per\n"
     "  riga: nome, tab, valore."},
    {"notte", "FILE_DATABASE CODICE_META SEQUENZA [--data GG/MM/AAAA | --nessuna]", 3, 5, Cli::Notte,
     "  La notte prenotata alla tappa SEQUENZA: il riepilogo avverte quando il piano non la passa\n"
     "  lì. --nessuna la toglie. Scrive la data."},
    {"orari",
     "FILE_DATABASE LOCALITA DESCRIZIONE [--chiuso lun,...] [--dalle HH:MM --alle HH:MM] | --nessuno", 3, 10,
     Cli::Orari,
     "  I giorni di chiusura e l'orario di apertura di una voce della guida città: una visita\n"
     "  fuori orario è segnata \"(chiuso)\" nella tabella di marcia e nel riepilogo. --nessuno\n"
     "  li toglie. Scrive i valori, uno per riga: nome, tab, valore."},
    {"importa-percorso", "FILE_DATABASE CODICE_META FILE_PERCORSO", 3, 3, Cli::ImportaPercorso,
     "  Riempie l'itinerario, ancora vuoto, della mèta con il percorso esportato da un pacchetto\n"
     "  di percorsi (testo separato da tab) come \"&Altri &Pacch.\" del planner, e lo memorizza.\n"
     "  Scrive: N tappe, K km"},
    {"elenca", "FILE_IEI", 1, 1, Cli::Elenca,
     "  Elenca le mète del file di scambio nell'ordine del file, una per riga, colonne separate\n"
     "  da tab: codice, località, nazione."},
    {"esporta", "FILE_DATABASE FILE_IEI CODICE_META...", 3, -1, Cli::Esporta,
     "  Scrive nel file di scambio le mète indicate, i loro itinerari e tutta la guida città,\n"
     "  come \"E&xport\". Il database è solo letto. Scrive il nome del file e quante mète,\n"
     "  tratti stradali e voci della guida contiene."},
    {"importa", "FILE_DATABASE FILE_IEI CODICE_META...|--tutte", 3, -1, Cli::Importa,
     "  Aggiunge al database le mète indicate del file di scambio (tutte con --tutte), i loro\n"
     "  itinerari e la guida delle loro località, come \"I&mport\": una mèta la cui località è\n"
     "  già in archivio è scartata, un codice già usato ne riceve uno libero; tutto o niente.\n"
     "  Scrive il riepilogo, poi una riga per mèta inserita: codice nel file, tab, codice\n"
     "  assegnato in archivio."},
    {"stampa", "FILE_DATABASE CODICE_META --pdf FILE_PDF [--testo FILE_TESTO]", 4, 6, Cli::StampaTabella,
     "  Calcola la tabella di marcia della mèta come \"&Calcola\" e la stampa nel file PDF come\n"
     "  \"&Stampa\"; con --testo scrive anche il file di testo della tabella (quello che il planner\n"
     "  chiama Viantabl.txt). Il database è solo letto. Scrive i file fatti e le pagine."},
    {"guida", "FILE_DATABASE --pdf FILE_PDF [--meta CODICE_META] [--dettaglio]", 3, 6, Cli::StampaGuida,
     "  Stampa nel file PDF la guida città di tutte le località o, con --meta, di quelle\n"
     "  dell'itinerario della mèta; con --dettaglio ogni voce, altrimenti i soli nomi.\n"
     "  Il database è solo letto. Scrive il file fatto e le pagine."},
    {"converti", "FILE_DATABASE CARTELLA [--conserva]", 2, 3, Cli::Converti,
     "  Porta nel database (creato se manca) i dati della versione precedente che si trovano nella\n"
     "  cartella (VianMete.dat, vianNNNN.dat, VianGuid.dat), come \"Converte\": prima tiene una\n"
     "  copia del database, poi cancella i vecchi file, salvo --conserva. Scrive quante mète,\n"
     "  tappe e voci della guida ha convertito o scartato."},
};

const char* const AiutoUscita =
    "Uscita: 0 se riuscito, 1 per un errore (file, database, mèta; il messaggio è su standard\n"
    "error e i dati restano com'erano), 2 per un comando o argomenti errati.";

void ScriviUso(QTextStream& s, bool aiuto = false) {
    for (const Cli::Comando& c : Comandi) {
        s << "Uso: viandora-cli " << c.nome << ' ' << c.uso << '\n';
        if (aiuto) s << QString::fromUtf8(c.aiuto) << "\n\n";
    }
    if (aiuto) s << QString::fromUtf8(AiutoUscita) << '\n';
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
