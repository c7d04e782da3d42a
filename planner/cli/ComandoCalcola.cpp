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
#include "shell/SlotRecordSet.h"
#include "timetable/GuidaDatabase.h"

namespace Cli {

// A trip code typed as a number is the stored six-digit code.
QString CodiceMeta(const QString& testo) {
    const QString codice = testo.trimmed();
    bool numero = !codice.isEmpty() && codice.size() <= 6;
    for (QChar c : codice)
        numero = numero && c.isDigit();
    return numero ? Zero(codice, 6) : codice;
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
        err << "Il file non è un database leggibile: " << file << '\n';
        return Errore;
    }
    form.Db.RecordSetImposta(
        8, Query(form.Db.Schema().NomeTabella[TabMete]).Dove(QStringLiteral("CodiceMeta"), codice));
    if (form.Db.NumeroRecord == 0) {
        err << "Mèta inesistente: " << codice << '\n';
        return Errore;
    }

    // The trip as the planner shows it when chosen from the list, checked as
    // "&Calcola" checks it.
    form.CodiceMetaCorrente = codice;
    form.CaricaDatiAnagraficiMeta();
    form.CaricaTappeItinerario();
    form.RigaCorrente = 1;
    form.AggiornaNumeroRiga();
    IngressoCalcolo ingresso = form.IngressoCalcoloTabella();

    // The visited flags of the guide are not written: the file stays as it is.
    GuidaDatabase guida(form.Db, LocalitaTappe(ingresso.Tappe));
    ServiziCalcolo servizi;
    servizi.Ricontrolla = [&form](ParametriMetaTipo& p) {
        form.Aggiorna(false);
        p = form.ParametriMeta;
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
