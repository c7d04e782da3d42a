// The texts of the help buttons and the handlers that show them.
#include <QStringList>
#include <span>

#include "shell/FormViandora.h"

namespace {
// One line of a text: the spaces it starts with, then the words.
struct Riga {
    int spazi;
    const char* testo;
};
constexpr Riga Vuota{0, ""};

const Riga Generico[] = {
    {0, "Istruzioni sulle funzioni principali:"},
    Vuota,
    {0, "- NUOVO: predispone per l'inserimento di una nuova mèta;"},
    {0, "- RICERCA: ricerca, tramite lista, una mèta memorizzata negli archivi;"},
    {0, "- SALVA: salva i dati relativi alla mèta (se già presente, modifica i dati);"},
    {0, "- CANC. META: cancella la mèta attiva (compreso l'itinerario);"},
    {0, "- ITINERARIO: attiva il form per l'inserimento delle singole tappe;"},
    {0, "- GUIDA CITTA': attiva il form per l'inserimento delle informazioni logistiche;"},
    {0, "- CANC.ITIN.: cancella l'itinerario (la mèta resta nel database);"},
    {0, "- CALCOLA: calcola la tabella di marcia (se richiesto, adeguata a quanto indicato);"},
    {0, "- STAMPA: stampa la tabella di marcia e, se richiesto, anche i moduli per il diario (su file e "
        "stampante);"},
    {0, "- IMPORT: permette di importare da file mète, itinerari e guide città;"},
    {0, "- EXPORT: esporta su file le mète in archivio (selezionabili);"},
    {0, "- ESCE: chiude il programma e ritorna a Windows."},
    Vuota,
    {0, "Altre informazioni nei singoli form, con il pulsante [?]."},
};

const Riga Totale1[] = {
    {0, "Filosofia della procedura:"},
    Vuota,
    {0, "Sono previsti tre oggetti: la META, l'ITINERARIO, la GUIDA CITTA'."},
    Vuota,
    {0, "Ciclo per la creazione di una tabella di marcia completa:"},
    Vuota,
    {0, "Tramite NUOVO, inserire i dati di base della META (parte superiore del form) e salvare."},
    {0, "Tramite RICERCA, attivare una mèta e con:"},
    {0, "- ITINERARIO, inserire i vari tratti stradali;"},
    {0, "- GUIDA CITTA', inserire le indicazioni sui luoghi da visitare e notizie logistiche;"},
    {0, "- CALCOLA, calcolare la tabella di marcia (possibile la modifica dei parametri della meta senza "
        "salvare);"},
    {0, "- STAMPA, stampare su file (ed a scelta anche su stampante) la tabella di marcia"},
    {20, "ed eventuali moduli per redigere il proprio diario di bordo."},
    Vuota,
    {0, "Nei vari form sono presenti pulsanti [?] di informazione."},
};

const Riga Totale2[] = {
    {0, "Istruzioni di base sui dai relativi alle mète:"},
    Vuota,
    {0, "LOCALITA': indica la località generica principale del viaggio (Parigi, Capo Nord, ecc.);"},
    {0, "NAZIONE: indica la Nazione principale del viaggio."},
    Vuota,
    {0, "Periodo del viaggio:"},
    {0, "Indicare la data e l'ora presunta di inizio del viaggio;"},
    {0, "Selezionare le soste da prendere in considerazione (dall'itinerario o guida città e modalità)."},
    {0,
     "Gli altri dati del form (Giorno della settimana, data finale e giorni sono calcolati in automatico)."},
    Vuota,
    {0, "Percorrenze:"},
    {0,
     "Indicare le medie presunte per le quattro tipologie di strade; tutti gli altri dati sono calcolati."},
    Vuota,
    {0, "Per i dati inerenti i tempi tecnici clicca sul pulsante [?] del riquadro."},
    Vuota,
    {0,
     "Solo i campi in celeste chiaro sono disponibili per l'inserimento di dati; gli altri sono calcolati."},
};

const Riga Tt[] = {
    {0, "Istruzioni di base sui dai relativi ai Tempi tecnici giornalieri/Riposi/Visite, ecc.:"},
    Vuota,
    {0, "Indicare:"},
    {0, "- l'ora di inizio attività del mattino (dopo la colazione);"},
    {0, "- l'ora e la durata del pranzo e della cena;"},
    {0, "- l'ora della fine della giornata (fine della guida di trasferimento)."},
    Vuota,
    {0, "Se desiderato, indicare (altrimenti lasciare a zero):"},
    {0, "- l'orario di attività nei luoghi visitati;"},
    {0, "- i riposi - break - espressi in minuti per ore continuative di viaggio;"},
    {0, "- i riposi pari a giorni interi per giorni continuativi senza pause lunghe almeno un giorno;"},
    {0, "- il numero massimo di giorni disponibili per il viaggio (adeguamento tabella di marcia);"},
    {0, "- i tempi medi per i traghetti (se si prevedono tempi superiori, inserirli nell'itinerario)."},
    Vuota,
    {0, "Gestione dati di default:"},
    {0, "SALVA: i dati correnti vengono salvati come dati di default personali;"},
    {0, "CARICA: i dati di default personali vengono caricati per la mèta corrente;"},
    {0, "RESET: vengono caricati i dati standard impostati dal programma."},
};

const Riga Km[] = {
    {0, "Informazioni sull'inserimento dei dati:"},
    Vuota,
    {0, "TAPPA: indicare la località di arrivo del tratto stradale;"},
    {0, "NUMERO STRADA: indicare l 'identificativo della strada (inserire TRAGH se trattasi di traghetto);"},
    Vuota,
    {0, "DISTANZA in KM: indicare la distanza in chilometri (dalla tappa precedente) con il seguente "
        "accorgimento:"},
    {20, "se la casella 'Km. Progress' è spuntata, è possibile inserire il progressivo della tappa,"},
    {20, "e la differenza sarà calcolata in automatico;"},
    {20, "(Esempio: progress.=550, inserendo 1000, saranno calcolati 450 km (1000-450)."},
    Vuota,
    {0, "TIPO STRADA: selezionare la tipologia (influisce sul tempo di percorrenza);"},
    {0, "EVENTUALE SOSTA: il dato è obbligatorio se non sono indicati km. o 'TRAGH' su numero strada;"},
    {0, "FINE GIORNATA: se spuntato, forza la sosta fino all'inizio del giorno successivo."},
    Vuota,
    {0, "Per inserire la tappa, cliccare su INSERISCE TAPPA."},
    Vuota,
    {0, "Per il significato dei pulsanti di questo form, cliccare sugli altri Help [?] in basso."},
};

const Riga Duplica[] = {
    {0, "Informazioni sulla duplicazione di tratti stradali da altri itinerari:"},
    Vuota,
    {0, "Ricercare la tappa iniziale e selezionarla, quindi cliccare su 'ASSEGNA TAPPA INIZIALE';"},
    {0, "Ricercare la tappa finale e selezionarla, quindi cliccare su 'ASSEGNA TAPPA FINALE';"},
    {0, "L'assegnazione determina il senso del percorso."},
    Vuota,
    {0, "Se si desidera copiare anche le soste, spuntare la casella INSERIRE ANCHE LE SOSTE."},
    Vuota,
    {0, "INSERISCE PERCORSO: inserisce il tratto stradale selezionato dopo la località"},
    {42, "indicata nel form."},
    Vuota,
    {0, "Ricordarsi di verificare la distanza della prima tappa duplicata!"},
};

const Riga Export[] = {
    {0, "Informazioni sulle funzioni di Import ed Export:"},
    Vuota,
    {0, "ESPORTA"},
    {0, "   Selezionare, cliccando, sulla finestra di sinistra, le mète da esportare;"},
    {0, "   Selezionare, cliccando, sulla finestra di destra, le mète da non esportare;"},
    {0, "   ESPORTA: esporta le mète elencate nella finestra di destra in un file (seguire istruzioni)."},
    Vuota,
    {0, "IMPORT"},
    {0, "   Ricercare il file con estensione .iei"},
    {0, "   Selezionare, cliccando, sulla finestra di sinistra, le mète da importare;"},
    {0, "   Selezionare, cliccando, sulla finestra di destra, le mète da non importare;"},
    {0, "   IMPORTA: importa le mète selezionate;"},
    {0, "   Sono escluse le mète presenti in archivio (stessa località);"},
    {0, "   sono importati i dati delle singole mète, itinerari ed informazioni di guida."},
    Vuota,
    {0, "Funzioni comuni IMPORT EXPORT:"},
    {0, "   [nn] TUTTI ->: seleziona tutte le mète della finestra di sinistra;"},
    {0, "   <- TUTTI [nn]: seleziona tutte le mète della finestra di destra;"},
    Vuota,
    {0, "RINUNCIA: rinuncia alla funzione richiesta."},
};

const Riga GuidaPulsanti[] = {
    {0, "Istruzioni per l'inserimento di informazioni logistiche:"},
    Vuota,
    {0, "Funzioni dei pulsanti:"},
    {0, "CERCA: propone una lista delle località dell'itinerario per selezionare quella desiderata;"},
    {0, "SALVA RIGA: memorizza la riga del form con le informazioni inserite:"},
    {25, "dato inserito su riga vuota: Nuova voce; su riga già occupata: Modifica voce;"},
    {0, "CANCELLA RIGA: cancella la riga selezionata;"},
    {0, "STAMPA: stampa il database, con/senza dettaglio, località corrente/tutte le località;"},
    {0, "FINE INSERIMENTO: fine della fase di inserimento."},
    Vuota,
    {0, "Per il significato dei campi, clicca sul vicino [?] (dopo aver chiuso questo messaggio)."},
};

const Riga GuidaCampi[] = {
    {0, "Istruzioni per l'inserimento di informazioni logistiche:"},
    Vuota,
    {0, "Significato del campi:"},
    {0, "LOCALITA': il dato è inserito in automatico selezionandolo dalla griglia o tramite funzione Cerca;"},
    {0, "MONUMENTO…: inserire la descrizione più opportuna (spazio limitato a circa 100 caratteri);"},
    {0, "TEMPO: se trattasi di oggetto di visita è obbligatorio (dato non logistico);"},
    {0,
     "TIPOLOGIA: scegliere uno fra i 4 livelli di interesse per Monumenti, chiese, ecc; oppure se trattasi"},
    {23, "di informazione logistica: Punto sosta, PS e CS, Campeggio, Ristorante e stazione Gpl."},
    Vuota,
    {0, "L'informazione è disponibile per tutti gli itinerari."},
    Vuota,
    {0, "Per il significato dei pulsanti, clicca sul vicino [?] (dopo aver chiuso questo messaggio)."},
};

const Riga Itin0[] = {
    {0, "INSERISCE TAPPA: memorizza la tappa alla riga selezionata (se già presente, sovrascrive);"},
    Vuota,
    {0, "AGGIUNGE RIGA VUOTA: inserisce una riga vuota per l'inserimento di una tappa intermedia;"},
    Vuota,
    {0, "RITORNO A START:  inserisce automaticamente le tappe per il ritorno alla località di partenza:"},
    {37, "inserisce tappe ritornando a ritroso finchè non trova una tappa omonima,"},
    {37, "in pratica ricerca la prima tappa nell'itinerario uguale all'ultima nella lista."},
};

const Riga Itin1[] = {
    {0, "CANCELLA RIGA/TAPPA: elimina la tappa corrente selezionata;"},
    Vuota,
    {0, "RICALCOLA PERCORSO: calcola la tabella di marcia con i dati in fase di inserimento;"},
    Vuota,
    {0, "CERCA LOCALITA': propone una lista alfabetica delle località oggetto dei singoli tratti."},
    Vuota,
};

const Riga Itin2[] = {
    {0, "AZZERA SOSTE ITINER: cancella tutte le soste già inserite nell'itinerario;"},
    Vuota,
    {0, "COPIA SOSTE GUIDE -> ITIN.: trasferisce le soste dalla guida città all'itinerario;"},
    Vuota,
    {0, "ALTRI PACCHETTI: importa gli itinerari prodotti con altri pacchetti:"},
    {35, "per maggiori informazioni clicca su [?] a destra del pulsante del comando."},
};

const Riga Itin3[] = {
    {0, "COPIA DA ALTRE METE: consente di copiare tratti d'itinerario da altri già memorizzati;"},
    {44, "(altre informazioni [?] attivando la funzione)."},
    Vuota,
    {0, "SALVA RESET: salva le modifiche apportate all'itinerario o ripristina la situazione in memoria;"},
    Vuota,
    {0, "FINE INSER.: chiude la funzione, chiedendo se salvare i dati immessi."},
};

const Riga Itin4[] = {
    {0, "Informazioni sulla funzione particolare:"},
    Vuota,
    {0, "ALTRI PACCHETTI: importa gli itinerari prodotti con altri pacchetti."},
    Vuota,
    {0, "La funzione è attiva solo se l'itinerario è vuoto!"},
    Vuota,
    {10, "Al momento sono attivi:"},
    {10, ". MapPoint ((c) Microsoft)"},
    {10, ". Autoroute 66"},
    {10, ". Route 2000-2001"},
    Vuota,
    {0, "In tutti i casi è necessario disporre di un file in formato *.TXT che di solito"},
    {0, "viene prodotto trasferendo i dati elaborati dal pacchetto originario ad Excel."},
    {0, "Non apportare alcuna modifica ai dati prodotti dal pacchetto (importante!), e"},
    {0, "salvare il file in formato 'Testo (delimitato da tabulazione)(*.txt)'."},
    {0, "Per le modalità di trasferimento vedere le istruzioni del pacchetto stesso."},
    Vuota,
    {0, "Per pacchetti non previsti, contattatemi!"},
};

const Riga VeicoloCosti[] = {
    {0, "Veicolo e costi della mèta:"},
    Vuota,
    {0, "CONSUMO: litri di carburante ogni 100 km;"},
    {0, "SERBATOIO e RISERVA: litri del serbatoio e litri che restano quando si fa rifornimento"},
    {20, "(l'autonomia è data da serbatoio meno riserva, diviso il consumo, per 100 km);"},
    {0, "CARBURANTE: prezzo di un litro; PEDAGGIO: euro per km di autostrada (strade di tipo A);"},
    {0, "COSTO NOTTE e COSTO TRAGHETTO: costo di una notte e di una traversata;"},
    {0, "GUIDA MAX: ore di guida in un giorno (hh:mm) oltre le quali il riepilogo avvisa."},
    Vuota,
    {0, "I decimali si scrivono con il punto o con la virgola (1.85 oppure 1,85)."},
    {0, "I valori si salvano con la mèta (SALVA); i pulsanti Default valgono anche per questi."},
    {0, "La tabella di marcia non cambia: i valori servono al riepilogo giornaliero con costi,"},
    {0, "rifornimenti e avvisi (pulsanti RIEPILOGO e CALENDARIO della tabella calcolata, opzione"},
    {0, "di stampa \"Riepilogo e costi\")."},
};

struct Testo {
    const char* pulsante;
    std::span<const Riga> righe;
    // The row of itinerary commands named in the heading; 0 for no heading.
    int linea;
    bool finisceACapo;
};

const Testo Testi[] = {
    {"cmdHelpGenerico", Generico, 0, false},
    {"cmdHelpTotale1", Totale1, 0, false},
    {"cmdHelpTotale2", Totale2, 0, false},
    {"cmdHelpTt", Tt, 0, true},
    {"cmdHelpKm", Km, 0, false},
    {"cmdHelpItin(0)", Itin0, 1, true},
    {"cmdHelpItin(1)", Itin1, 2, true},
    {"cmdHelpItin(2)", Itin2, 3, true},
    {"cmdHelpItin(3)", Itin3, 4, true},
    {"cmdHelpItin(4)", Itin4, 0, true},
    {"cmdHelpDuplica", Duplica, 0, false},
    {"cmdHelpExport", Export, 0, true},
    {"cmdHelpVeicolo", VeicoloCosti, 0, false},
    {"cmdHelpGuida(0)", GuidaPulsanti, 0, false},
    {"cmdHelpGuida(1)", GuidaCampi, 0, false},
};

const QString ACapo = QStringLiteral("\r\n");
} // namespace

QString FormViandora::TestoAiuto(const QString& pulsante) {
    for (const Testo& t : Testi) {
        if (pulsante != QLatin1String(t.pulsante)) continue;
        QStringList righe;
        if (t.linea > 0)
            righe << QStringLiteral("Significato dei singoli pulsanti (%1. linea):").arg(t.linea)
                  << QString();
        for (const Riga& r : t.righe)
            righe << QString(r.spazi, QLatin1Char(' ')) + QString::fromUtf8(r.testo);
        QString testo = righe.join(ACapo);
        if (t.finisceACapo) testo += ACapo;
        return testo;
    }
    return {};
}

void FormViandora::MostraAiuto(const QString& pulsante) {
    piattaforma_.MsgBox(TestoAiuto(pulsante), Msg::OkOnly | Msg::Information, Caption);
}

void FormViandora::cmdHelpGenerico_Click() {
    MostraAiuto(cmdHelpGenerico.NomeCompleto());
}
void FormViandora::cmdHelpTotale1_Click() {
    MostraAiuto(cmdHelpTotale1.NomeCompleto());
}
void FormViandora::cmdHelpTotale2_Click() {
    MostraAiuto(cmdHelpTotale2.NomeCompleto());
}
void FormViandora::cmdHelpTt_Click() {
    MostraAiuto(cmdHelpTt.NomeCompleto());
}
void FormViandora::cmdHelpKm_Click() {
    MostraAiuto(cmdHelpKm.NomeCompleto());
}
void FormViandora::cmdHelpItin_Click(int Index) {
    MostraAiuto(cmdHelpItin.at(Index).NomeCompleto());
}
void FormViandora::cmdHelpDuplica_Click() {
    MostraAiuto(cmdHelpDuplica.NomeCompleto());
}
void FormViandora::cmdHelpExport_Click() {
    MostraAiuto(cmdHelpExport.NomeCompleto());
}
void FormViandora::cmdHelpVeicolo_Click() {
    MostraAiuto(cmdHelpVeicolo.NomeCompleto());
}
void FormViandora::cmdHelpGuida_Click(int Index) {
    MostraAiuto(cmdHelpGuida.at(Index).NomeCompleto());
}
