// viandora-cli converti FILE_DATABASE CARTELLA [--conserva]: converts the old
// data files of the folder into the database file, created with its tables
// when missing, as "Converte" does, and prints what was converted. The old
// files are deleted once the conversion is committed, unless --conserva.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "cli/Comandi.h"
#include "common/FileOrdinario.h"
#include "conversion/Conversione.h"
#include "conversion/FileARecord.h"
#include "conversion/RecordVecchi.h"
#include "database/Database.h"

namespace Cli {

int Converti(const QStringList& argomenti, QTextStream& out, QTextStream& err) {
    const QString fileDb = argomenti.at(0);
    const QString cartella = argomenti.at(1);
    bool conserva = false;
    if (argomenti.size() > 2) {
        if (argomenti.at(2) != QLatin1String("--conserva")) {
            err << "Opzione sconosciuta: " << argomenti.at(2) << '\n';
            return Uso;
        }
        conserva = true;
    }
    if (!QFileInfo(cartella).isDir()) {
        err << "La cartella non esiste: " << cartella << '\n';
        return Errore;
    }
    const ElencoFile elenco(cartella);
    if (elenco.Cerca(FileMeteVecchio).isEmpty() && elenco.Cerca(FileGuidaVecchio).isEmpty()) {
        err << "Nella cartella " << QDir::toNativeSeparators(cartella) << " non ci sono i vecchi file "
            << FileMeteVecchio << " e " << FileGuidaVecchio << '\n';
        return Errore;
    }
    // A database that is not there yet is made; anything else must be a file.
    if (TipoDelPercorso(fileDb) != TipoPercorso::Assente && !FileDaLeggere(fileDb, err)) return Errore;
    const QFileInfo info(fileDb);

    Database db;
    db.FileDatabase = info.absoluteFilePath();
    const bool creato = db.DatabaseCrea();
    if (!creato && !info.exists()) {
        err << "Impossibile creare il database " << fileDb << '\n';
        return Errore;
    }
    // A file made here and left half done would be mistaken for a database.
    auto scarta = [&] {
        db.Chiudi();
        if (creato) QFile::remove(db.FileDatabase);
    };
    if (!db.DatabaseApre()) {
        const int codice = db.CodiceApertura();
        scarta();
        err << MessaggioErroreApertura(fileDb, codice) << '\n';
        return Errore;
    }
    RiepilogoConversione riepilogo;
    try {
        if (creato) db.DatabaseTabelleCreazione();
        db.DataBaseTabelleAggiorna();
        ConversioneVecchiFile conversione(db, QFileInfo(cartella).absoluteFilePath());
        conversione.copiaDiSicurezza = !creato;
        conversione.cancellaFile = !conserva;
        riepilogo = conversione.Esegui();
    } catch (const ErroreConversione& e) {
        scarta();
        err << e.Messaggio() << '\n'
            << "Conversione non eseguita: il database è rimasto com'era e i vecchi file sono stati "
               "conservati.\n";
        return Errore;
    } catch (const ErroreDatabase& e) {
        scarta();
        err << MessaggioErroreApertura(fileDb, e.Codice()) << ": " << e.Messaggio() << '\n';
        return Errore;
    }
    db.Chiudi();

    out << "Mète convertite: " << riepilogo.meteConvertite << '\n'
        << "Mète scartate: " << riepilogo.meteScartate << '\n'
        << "Tappe convertite: " << riepilogo.tappeConvertite << '\n'
        << "Tappe scartate: " << riepilogo.tappeScartate << '\n'
        << "Voci della guida convertite: " << riepilogo.vociGuida << '\n'
        << "Mète adeguate: " << riepilogo.meteAdeguate << '\n';
    if (riepilogo.sosteNegative > 0)
        out << "Soste negative lette come nessuna sosta: " << riepilogo.sosteNegative << '\n';
    if (!riepilogo.copiaDiSicurezza.isEmpty())
        out << "Copia di sicurezza: " << QDir::toNativeSeparators(riepilogo.copiaDiSicurezza) << '\n';
    out << (conserva ? "Vecchi file conservati: " : "Vecchi file letti e cancellati: ")
        << riepilogo.fileLetti.size() << '\n';
    for (const QString& f : std::as_const(riepilogo.fileNonCancellati))
        err << "Impossibile cancellare il vecchio file " << QDir::toNativeSeparators(f) << '\n';
    return Riuscita;
}

} // namespace Cli
