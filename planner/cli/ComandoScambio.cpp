// viandora-cli elenca, esporta, importa: the trip exchange file without the
// window.
//   elenca FILE                  the trips a file holds: code, locality,
//                                nation, tab-separated, in file order;
//   esporta DB FILE CODICE...    writes those trips, their stages and the
//                                whole guide; the database is only read;
//   importa DB FILE CODICE...|--tutte
//                                adds the trips of the file as the exchange
//                                screen does and prints its summary, then
//                                each trip added: its code in the file and
//                                the code it was stored under.
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "cli/Comandi.h"
#include "database/Confronto.h"
#include "exchange/Scambio.h"

namespace Cli {

namespace {

bool LeggiFile(const QString& file, ContenutoScambio& contenuto, QTextStream& err) {
    if (!FileDaLeggere(file, err)) return false;
    const QString errore = LeggiFileScambio(file, contenuto);
    if (!errore.isEmpty()) {
        err << errore << '\n';
        return false;
    }
    return true;
}

QString Righe(QString testo) {
    return testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

int Elenca(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    ContenutoScambio contenuto;
    if (!LeggiFile(argomenti.at(0), contenuto, err)) return Errore;
    for (const ContenutoScambio::Meta& m : contenuto.Mete())
        out << m.codice << '\t' << m.localita << '\t' << m.nazione << '\n';
    return Riuscita;
}

int Esporta(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    Database db;
    if (!ApriDatabase(db, argomenti.at(0), true, err)) return Errore;
    QStringList codici;
    for (const QString& a : argomenti.mid(2)) {
        const QString codice = CodiceMeta(a);
        bool trovata = false;
        db.Leggi(Query(db.Schema().NomeTabella[TabMete]).Dove(QStringLiteral("CodiceMeta"), codice),
                 {QStringLiteral("CodiceMeta")}, [&](qint64, const QStringList&) { trovata = true; });
        if (!trovata) {
            err << "Mèta inesistente: " << codice << '\n';
            return Errore;
        }
        codici << codice;
    }
    const QString file = argomenti.at(1);
    EsitoEsportazione esito;
    QString errore;
    if (!EsportaMete(db, codici, file, nullptr, esito, errore)) {
        err << errore << '\n';
        return Errore;
    }
    out << "Le mète esportate si trovano sul file " << QDir::toNativeSeparators(file) << '\n'
        << esito.mete << " mète, " << esito.tappe << " tratti stradali, " << esito.voci
        << " guide/informazioni località.\n";
    if (esito.valoriModificati > 0)
        err << "Attenzione: " << esito.valoriModificati
            << " valori contenevano caratteri che il file non può contenere e sono stati scritti "
               "modificati.\n";
    return Riuscita;
}

int Importa(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const QStringList scelte = argomenti.mid(2);
    const bool tutte = scelte == QStringList{QStringLiteral("--tutte")};
    if (scelte.isEmpty() || (!tutte && scelte.contains(QStringLiteral("--tutte")))) {
        err << "Indicare i codici delle mète da importare oppure --tutte\n";
        return Uso;
    }
    ContenutoScambio contenuto;
    if (!LeggiFile(argomenti.at(1), contenuto, err)) return Errore;

    // The trips in the order the exchange screen lists them: by locality.
    QVector<ContenutoScambio::Meta> mete = contenuto.Mete();
    std::stable_sort(mete.begin(), mete.end(),
                     [](const auto& a, const auto& b) { return ConfrontaTesti(a.localita, b.localita) < 0; });
    // A code typed as a number stands for the six-digit code too.
    QSet<QString> richieste;
    if (!tutte)
        for (const QString& s : scelte)
            richieste << s.trimmed() << CodiceMeta(s);
    QStringList codici;
    for (const ContenutoScambio::Meta& m : mete)
        if (tutte || richieste.contains(m.codice)) codici << m.codice;
    if (!tutte) {
        for (const QString& s : scelte) {
            if (!codici.contains(s.trimmed()) && !codici.contains(CodiceMeta(s))) {
                err << "La mèta " << s << " non è nel file " << argomenti.at(1) << '\n';
                return Errore;
            }
        }
    }

    Database db;
    if (!ApriDatabase(db, argomenti.at(0), false, err)) return Errore;
    try {
        const RiepilogoImportazione r = ImportaMete(db, argomenti.at(1), codici, nullptr);
        out << Righe(TestoRiepilogoImportazione(r)) << '\n';
        // Which stored trip each one of the file became, for a script to go on with.
        if (!r.codici.isEmpty()) out << "\nCodici assegnati (nel file, in archivio):\n";
        for (const auto& [nelFile, inArchivio] : r.codici)
            out << nelFile << '\t' << inArchivio << '\n';
    } catch (const ErroreDatabase& e) {
        err << "Importazione non eseguita: " << e.Messaggio() << "\nL'archivio è rimasto com'era.\n";
        return Errore;
    }
    return Riuscita;
}

} // namespace Cli
