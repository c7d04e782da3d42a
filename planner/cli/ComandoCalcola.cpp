// viandora-cli calcola FILE CODICE: calculates the timetable of one trip of a
// database file as "&Calcola" does and prints it as tab-separated lines:
//   one line per timetable row with a locality: columns 0 to 13, trimmed,
//     each followed by a tab;
//   one line of totals: km and time of each road type (A, S, P, L), total km
//     and time, ferries, end date gg/mm/aaaa, end time hh:mm, days;
//   one line: the number of passes and the final message (may be empty).
// The file is read into memory and never written.
#include <QFileInfo>

#include "cli/Comandi.h"
#include "cli/PiattaformaSenzaSchermo.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "shell/FormViandora.h"

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
    "  Infine una riga: numero di passaggi del calcolo e messaggio finale (anche vuoto).\n"
    "  Uscita 0 se riuscito, 1 per un errore (file, database, mèta), 2 per argomenti errati.";

namespace {

void ScriviCelle(QTextStream& out, const QStringList& celle) {
    for (const QString& c : celle)
        out << c << '\t';
    out << '\n';
}

void ScriviTabella(QTextStream& out, FormViandora& f, const QString& messaggio) {
    const Griglia& g = f.mfgTab;
    for (int r = 1; r < g.Rows(); ++r) {
        if (g.TextMatrix(r, 1).trimmed().isEmpty()) continue;
        QStringList celle;
        for (int c = 0; c <= 13; ++c)
            celle << g.TextMatrix(r, c).trimmed();
        ScriviCelle(out, celle);
    }
    QStringList totali;
    for (int k = 0; k < 5; ++k)
        totali << f.txtKmTot[k].Text << f.txtTempo[k].Text;
    totali << f.txtTragh.Text;
    totali << f.txtFine[0].Text + u'/' + f.txtFine[1].Text + u'/' + f.txtFine[2].Text;
    totali << f.txtFine[3].Text + u':' + f.txtFine[4].Text;
    totali << f.txtGiorni.Text;
    ScriviCelle(out, totali);
    ScriviCelle(out, {QString::number(f.NumeroTentativo), messaggio});
}

} // namespace

int Calcola(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const QString file = argomenti.at(0);
    const QString codice = CodiceMeta(argomenti.at(1));
    const QFileInfo info(file);
    if (!info.exists()) {
        err << "File inesistente: " << file << '\n';
        return Errore;
    }
    if (!info.isFile()) {
        err << "Non è un file: " << file << '\n';
        return Errore;
    }

    PiattaformaSenzaSchermo piattaforma;
    FormViandora form(piattaforma, info.absolutePath() + u'/');
    form.Db.UsaCopiaInMemoria(info.absoluteFilePath());
    if (!form.Form_Load()) {
        if (form.Db.Occupato())
            err << "Database occupato da un altro programma: " << file << '\n';
        else
            err << "Il file non è un database leggibile: " << file << '\n';
        return Errore;
    }
    form.Db.RecordSetImposta(
        8, Query(form.Db.Schema().NomeTabella[TabMete]).Dove(QStringLiteral("CodiceMeta"), codice));
    if (form.Db.NumeroRecord == 0) {
        err << "Mèta inesistente: " << codice << '\n';
        return Errore;
    }

    // As the planner shows a trip chosen from the list, then "&Calcola".
    form.CodiceMetaCorrente = codice;
    form.CaricaDatiAnagraficiMeta();
    form.CaricaTappeItinerario();
    form.RigaCorrente = 1;
    form.AggiornaNumeroRiga();
    form.ComandiMeta = QStringLiteral("All");
    form.AbilitaPulsantiComando();
    piattaforma.Messaggi.clear();
    form.cmdCalcola_Click();

    const QString messaggio = piattaforma.Messaggi.isEmpty() ? QString() : piattaforma.Messaggi.last().testo;
    ScriviTabella(out, form, messaggio);
    return Riuscita;
}

} // namespace Cli
