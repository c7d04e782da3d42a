// viandora-cli stampa FILE CODICE --pdf PDF [--testo TESTO]: calculates the
// timetable of one trip as "&Calcola" does and prints it as "&Stampa" does,
// to a PDF file, and writes the timetable's text file where asked.
// viandora-cli guida FILE --pdf PDF [--meta CODICE] [--dettaglio]: the city
// guide printout, of all localities or of one trip's, names only or every
// entry. The database is read into memory and never written.
#include <QDate>
#include <QFileInfo>

#include "cli/Comandi.h"
#include "cli/Opzioni.h"
#include "common/FileOrdinario.h"
#include "common/Testo1252.h"
#include "database/Database.h"
#include "guide/TipiGuida.h"
#include "printing/StampaGuidaCitta.h"
#include "printing/StampaTabellaMarcia.h"
#include "stampa/PaginaPdf.h"
#include "timetable/ServizioCalcolo.h"
#include "trip/CaricaViaggio.h"

namespace Cli {

namespace {

std::unique_ptr<PaginaStampa> ApriPdf(const QString& percorso, const QString& titolo, QTextStream& err) {
    QString errore;
    std::unique_ptr<PaginaStampa> pagina = PaginaPdf::Apri(percorso, titolo, errore);
    if (!pagina) err << errore << '\n';
    return pagina;
}

QString Pagine(int pagine) {
    return QStringLiteral(" (%1 %2)")
        .arg(pagine)
        .arg(pagine == 1 ? QStringLiteral("pagina") : QStringLiteral("pagine"));
}

// Why the document could not be completed.
QString Motivo(const PaginaStampa& pagina) {
    return pagina.Errore().isEmpty() ? QString() : QStringLiteral(" ") + pagina.Errore();
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
    const QString pdf = o.valori.value(QStringLiteral("--pdf"));
    QString testo = o.valori.value(QStringLiteral("--testo"));
    if (!testo.isEmpty()) {
        testo = QFileInfo(testo).absoluteFilePath();
        QString errore;
        // Checked before the PDF is begun: a path that cannot take the text
        // leaves no PDF behind either.
        if (!ControllaFileDaScrivere(testo, &errore)) {
            err << errore << '\n';
            return Errore;
        }
    }
    Database db;
    if (!ApriInLettura(db, o.posizionali.at(0), err)) return Errore;
    const QString codice = CodiceMeta(o.posizionali.at(1));
    if (!LeggiRecordMeta(db, codice)) {
        err << "Mèta inesistente: " << codice << '\n';
        return Errore;
    }
    std::unique_ptr<PaginaStampa> pagina = ApriPdf(pdf, QStringLiteral("Tabella di marcia"), err);
    if (!pagina) return Errore;
    const EsitoCalcolo esito = CalcolaMeta(db, codice);
    if (!esito.Riuscito) {
        pagina->KillDoc();
        err << esito.Errore << '\n' << "Calcolo della tabella di marcia non eseguito.\n";
        return Errore;
    }
    const QList<CelleMarcia> righe = CelleDaCalcolo(esito.Tabella);
    PaginaTabellare tabella(*pagina);
    tabella.Oggi = QDate::currentDate();
    DisegnaTabellaMarcia(tabella, TestataDaCalcolo(esito.Tabella), righe);
    QString erroreFile;
    const bool fileScritto =
        testo.isEmpty() ||
        ScriviRigheWindows1252(testo, RigheFileTabella(esito.Tabella.Meta.Localita, righe), &erroreFile);
    const int pagine = pagina->Page() - 1;
    if (!pagina->EndDoc()) {
        err << "Stampa della Tabella di Marcia non riuscita." << Motivo(*pagina) << '\n';
        return Errore;
    }
    if (!fileScritto) {
        err << "Stampa sul file " << testo << " non riuscita. " << erroreFile << '\n';
        return Errore;
    }
    out << "Tabella di marcia: " << pdf << Pagine(pagine) << '\n';
    if (!testo.isEmpty()) out << "File di testo: " << testo << '\n';
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
    Database db;
    if (!ApriInLettura(db, o.posizionali.at(0), err)) return Errore;
    OpzioniGuida opzioni;
    opzioni.Dettaglio = o.interruttori.contains(QStringLiteral("--dettaglio"));
    opzioni.TipiGuida = LeggiTipiGuida(db).Descrizione;
    if (o.valori.contains(QStringLiteral("--meta"))) {
        opzioni.CodiceMeta = CodiceMeta(o.valori.value(QStringLiteral("--meta")));
        const std::optional<RecordMeta> meta = LeggiRecordMeta(db, opzioni.CodiceMeta);
        if (!meta) {
            err << "Mèta inesistente: " << opzioni.CodiceMeta << '\n';
            return Errore;
        }
        opzioni.LocalitaMeta = meta->Localita;
    }
    const QString pdf = o.valori.value(QStringLiteral("--pdf"));
    std::unique_ptr<PaginaStampa> pagina = ApriPdf(pdf, QStringLiteral("Guida città"), err);
    if (!pagina) return Errore;
    PaginaTabellare guida(*pagina);
    guida.Oggi = QDate::currentDate();
    if (!DisegnaGuidaCitta(guida, db, opzioni)) {
        pagina->KillDoc();
        err << "Nessuna località con voci della guida: nessun PDF scritto.\n";
        return Errore;
    }
    const int pagine = pagina->Page() - 1;
    if (!pagina->EndDoc()) {
        err << "Stampa della Guida Città non riuscita." << Motivo(*pagina) << '\n';
        return Errore;
    }
    out << "Guida città: " << pdf << Pagine(pagine) << '\n';
    return Riuscita;
}

} // namespace Cli
