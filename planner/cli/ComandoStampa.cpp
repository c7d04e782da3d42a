// viandora-cli stampa FILE CODICE --pdf PDF [--testo TESTO]: calculates the
// timetable of one trip as "&Calcola" does and prints it as "&Stampa" does,
// to a PDF file, and writes the timetable's text file where asked.
// viandora-cli guida FILE --pdf PDF [--meta CODICE] [--dettaglio]: the city
// guide printout, of all localities or of one trip's, names only or every
// entry. The database is read into memory and never written.
#include <QDir>
#include <QFileInfo>

#include "cli/Comandi.h"
#include "common/FileOrdinario.h"
#include "itinerary/Itinerario.h"
#include "printing/Stampa.h"
#include "shell/FormViandora.h"
#include "shell/PiattaformaSenzaSchermo.h"
#include "shell/SlotRecordSet.h"
#include "stampa/PaginaPdf.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/Meta.h"

namespace Cli {

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

// The words of a command line split into positional words and options;
// "--pdf" and the like take the next word as their value.
struct Opzioni {
    QStringList posizionali;
    QHash<QString, QString> valori;
    QStringList interruttori;
    QString errore;
};

Opzioni Analizza(const QStringList& argomenti, const QStringList& conValore, const QStringList& senzaValore) {
    Opzioni o;
    for (int i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti.at(i);
        if (conValore.contains(a)) {
            if (i + 1 >= argomenti.size()) {
                o.errore = QStringLiteral("Manca il valore di ") + a;
                return o;
            }
            o.valori.insert(a, argomenti.at(++i));
        } else if (senzaValore.contains(a)) {
            o.interruttori.append(a);
        } else if (a.startsWith(QLatin1String("--"))) {
            o.errore = QStringLiteral("Opzione sconosciuta: ") + a;
            return o;
        } else {
            o.posizionali.append(a);
        }
    }
    return o;
}

// The planner over a copy in memory of the database file; null, with the
// message written, when the file is not a readable database.
std::unique_ptr<FormViandora> ApriPlanner(PiattaformaSenzaSchermo& piattaforma, const QString& file,
                                          QTextStream& err) {
    if (!FileDaLeggere(file, err)) return nullptr;
    const QFileInfo info(file);
    auto form = std::make_unique<FormViandora>(piattaforma, info.absolutePath() + u'/');
    form->Db.UsaCopiaInMemoria(info.absoluteFilePath());
    // Loading makes the database's folder the current one, as the planner
    // does; the other paths of the command line are the caller's.
    const QString cartella = QDir::currentPath();
    const bool caricato = AvviaPlanner(*form, piattaforma, err);
    QDir::setCurrent(cartella);
    if (!caricato) return nullptr;
    return form;
}

// Shows the stored trip as the planner shows a trip chosen from the list.
bool CaricaMeta(FormViandora& form, const QString& codice, QTextStream& err) {
    if (!MostraMeta(form, codice, err)) return false;
    form.ComandiMeta = QStringLiteral("All");
    form.AbilitaPulsantiComando();
    return true;
}

std::unique_ptr<PaginaStampa> ApriPdf(const QString& percorso, const QString& titolo, QTextStream& err) {
    QString errore;
    std::unique_ptr<PaginaStampa> pagina = PaginaPdf::Apri(percorso, titolo, errore);
    if (!pagina) err << errore << '\n';
    return pagina;
}

// The messages of the failures the printout reported.
void ScriviErrori(const PiattaformaSenzaSchermo& piattaforma, QTextStream& err) {
    for (const auto& m : piattaforma.Messaggi)
        if ((m.pulsanti & 0x70) == Msg::Critical || (m.pulsanti & 0x70) == Msg::Exclamation)
            err << QString(m.testo).replace(QLatin1String("\r\n"), QLatin1String(" ")) << '\n';
}

} // namespace

int StampaTabella(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const Opzioni o = Analizza(argomenti, {QStringLiteral("--pdf"), QStringLiteral("--testo")}, {});
    if (!o.errore.isEmpty() || o.posizionali.size() != 2 || !o.valori.contains(QStringLiteral("--pdf"))) {
        err << (o.errore.isEmpty() ? QStringLiteral("Indicare FILE_DATABASE, CODICE_META e --pdf FILE_PDF")
                                   : o.errore)
            << '\n';
        return Uso;
    }
    PiattaformaSenzaSchermo piattaforma;
    auto form = ApriPlanner(piattaforma, o.posizionali.at(0), err);
    if (!form) return Errore;
    if (!CaricaMeta(*form, CodiceMeta(o.posizionali.at(1)), err)) return Errore;
    const QString pdf = o.valori.value(QStringLiteral("--pdf"));
    const QString testo = o.valori.value(QStringLiteral("--testo"));
    // Both files are looked at before either is written.
    QString errore;
    if (!testo.isEmpty() && !ControllaFileDaScrivere(testo, &errore)) {
        err << errore << '\n';
        return Errore;
    }
    StatoStampa& s = form->Stampa;
    s.Pagina = ApriPdf(pdf, QStringLiteral("Tabella di marcia"), err);
    if (!s.Pagina) return Errore;

    form->Itinerario.AttivitaCorrente = QStringLiteral("Stampa");
    form->cmdCalcola_Click();
    if (!form->TabellaDiMarcia.TabellaCalcolata) {
        err << "Calcolo della tabella di marcia non eseguito.\n";
        return Errore;
    }
    s.TipoStampa = 1;
    s.chkTabella.Value = true;
    s.chkModuli.Value = false;
    s.FileTabella = testo.isEmpty() ? QString() : QFileInfo(testo).absoluteFilePath();
    piattaforma.Messaggi.clear();
    const bool riuscita = form->StampaDellItinerario();
    const int pagine = s.Pagina->Page() - 1;
    s.Pagina.reset();
    if (!riuscita) {
        ScriviErrori(piattaforma, err);
        return Errore;
    }
    out << "Tabella di marcia: " << pdf << " (" << pagine << (pagine == 1 ? " pagina)" : " pagine)") << '\n';
    if (!s.FileTabella.isEmpty()) out << "File di testo: " << s.FileTabella << '\n';
    return Riuscita;
}

int StampaGuida(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const Opzioni o = Analizza(argomenti, {QStringLiteral("--pdf"), QStringLiteral("--meta")},
                               {QStringLiteral("--dettaglio")});
    if (!o.errore.isEmpty() || o.posizionali.size() != 1 || !o.valori.contains(QStringLiteral("--pdf"))) {
        err << (o.errore.isEmpty() ? QStringLiteral("Indicare FILE_DATABASE e --pdf FILE_PDF") : o.errore)
            << '\n';
        return Uso;
    }
    PiattaformaSenzaSchermo piattaforma;
    auto form = ApriPlanner(piattaforma, o.posizionali.at(0), err);
    if (!form) return Errore;
    const bool meta = o.valori.contains(QStringLiteral("--meta"));
    if (meta && !CaricaMeta(*form, CodiceMeta(o.valori.value(QStringLiteral("--meta"))), err)) return Errore;
    const QString pdf = o.valori.value(QStringLiteral("--pdf"));
    StatoStampa& s = form->Stampa;
    s.Pagina = ApriPdf(pdf, QStringLiteral("Guida città"), err);
    if (!s.Pagina) return Errore;
    s.TipoStampa = 2;
    form->optGuidaStampa_Click(s.optGuidaListaStampa, meta ? 0 : 1);
    form->optGuidaStampa_Click(s.optGuidaDettaglioStampa,
                               o.interruttori.contains(QStringLiteral("--dettaglio")) ? 0 : 1);
    const bool riuscita = form->StampaDelleMete();
    const int pagine = s.Pagina->Page() - 1;
    const bool stampata = s.RigaStampa < 500;
    s.Pagina.reset();
    if (!riuscita) {
        ScriviErrori(piattaforma, err);
        return Errore;
    }
    if (!stampata) {
        err << "Nessuna località con voci della guida: nessun PDF scritto.\n";
        return Errore;
    }
    out << "Guida città: " << pdf << " (" << pagine << (pagine == 1 ? " pagina)" : " pagine)") << '\n';
    return Riuscita;
}

} // namespace Cli
