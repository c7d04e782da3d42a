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
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "itinerary/Itinerario.h"
#include "shell/FormViandora.h"
#include "shell/PiattaformaSenzaSchermo.h"
#include "shell/SlotRecordSet.h"
#include "timetable/GuidaDatabase.h"
#include "trip/Meta.h"

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

bool MostraMeta(FormViandora& form, const QString& codice, QTextStream& err) {
    form.Db.RecordSetImposta(
        SlotMeta, Query(form.Db.Schema().NomeTabella[TabMete]).Dove(QStringLiteral("CodiceMeta"), codice));
    if (form.Db.NumeroRecord == 0) {
        err << "Mèta inesistente: " << codice << '\n';
        return false;
    }
    form.Meta.CodiceMetaCorrente = codice;
    form.CaricaDatiAnagraficiMeta();
    form.CaricaTappeItinerario();
    form.Itinerario.RigaCorrente = 1;
    form.AggiornaNumeroRiga();
    return true;
}

namespace {

void ScriviCelle(QTextStream& out, const QStringList& celle) {
    for (const QString& c : celle)
        out << c << '\t';
    out << '\n';
}

QString Totale(const std::optional<QString>& calcolato, const CasellaTesto& casella) {
    return calcolato ? *calcolato : casella.Text;
}

void ScriviTabella(QTextStream& out, const CalcoloTabellaDiMarcia& motore, const FormViandora& f) {
    const StatoCalcolo& s = motore.Stato();
    for (int r = 1; r < s.RigheTabella; ++r) {
        if (motore.Cella(r, MarciaLocalita).trimmed().isEmpty()) continue;
        QStringList celle;
        for (int c = 0; c < ColonneMarcia; ++c)
            celle << motore.Cella(r, c).trimmed();
        ScriviCelle(out, celle);
    }
    // A total the calculation did not reach stays as the trip screen shows it.
    const TotaliMarcia& t = s.Totali;
    QStringList totali;
    for (size_t k = 0; k < 5; ++k)
        totali << Totale(t.Km[k], f.txtKmTot[k]) << Totale(t.Tempo[k], f.txtTempo[k]);
    totali << Totale(t.Traghetti, f.txtTragh);
    QString fine[6];
    for (size_t k = 0; k < 6; ++k)
        fine[k] = Totale(t.Fine[k], f.txtFine[k]);
    totali << fine[0] + u'/' + fine[1] + u'/' + fine[2] << fine[3] + u':' + fine[4];
    totali << Totale(t.Giorni, f.txtGiorni);
    ScriviCelle(out, totali);
    ScriviCelle(out, {QString::number(s.NumeroTentativo), motore.MessaggioFinale()});
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
    // The trip as the planner shows it when chosen from the list, checked as
    // "&Calcola" checks it.
    if (!MostraMeta(form, codice, err)) return Errore;
    IngressoCalcolo ingresso = form.IngressoCalcoloTabella();

    // The visited flags of the guide are not written: the file stays as it is.
    GuidaDatabase guida(form.Db, LocalitaTappe(ingresso.Tappe));
    ServiziCalcolo servizi;
    servizi.Ricontrolla = [&form](ParametriMetaTipo& p) {
        form.Aggiorna(false);
        p = form.Meta.ParametriMeta;
    };
    CalcoloTabellaDiMarcia motore(std::move(ingresso), guida, servizi);
    if (!motore.Prepara()) {
        err << motore.Errore() << '\n';
        return Errore;
    }
    motore.Passate();
    motore.LimitiRitorno();
    ScriviTabella(out, motore, form);
    return Riuscita;
}

} // namespace Cli
