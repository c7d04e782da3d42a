#include "startup/DatabaseNuovo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "database/Database.h"
#include "guide/TipiGuida.h"
#include "model/CampiMeta.h"

namespace {

// The user's default parameters as the first start stores them: the
// built-in ones.
void ScriviParametriIncorporati(Database& db) {
    QHash<QString, QVariant> riga;
    for (size_t k = 0; k < CampiVelocita.size(); ++k)
        riga.insert(QString::fromLatin1(CampiVelocita[k]), QString::fromLatin1(VelocitaDefault[k]));
    for (size_t k = 0; k < CampiOrari.size(); ++k)
        riga.insert(QString::fromLatin1(CampiOrari[k]), QString::fromLatin1(OrariDefault[k]));
    for (size_t k = 0; k < CampiRiposi.size(); ++k)
        riga.insert(QString::fromLatin1(CampiRiposi[k]), QString::fromLatin1(RiposiDefault[k]));
    riga.insert(QStringLiteral("CalcoloSoste"), QString::fromLatin1(CalcoloSosteDefault));
    db.AggiungiRighe(db.Schema().NomeTabella[TabParametri], {riga});
}

} // namespace

bool CreaDatabaseNuovo(const QString& file, QString& errore) {
    const QFileInfo info(file);
    const QString nome = QDir::toNativeSeparators(file);
    if (info.exists() || info.isSymLink()) {
        errore = QStringLiteral("Il file esiste già: ") + nome;
        return false;
    }
    if (!info.absoluteDir().exists()) {
        errore = QStringLiteral("La cartella non esiste: ") + QDir::toNativeSeparators(info.absolutePath());
        return false;
    }
    // A free name beside the file; SQLite makes the file itself there.
    QString provvisorio;
    {
        QTemporaryFile prenotato(info.absoluteFilePath() + QStringLiteral(".XXXXXX"));
        if (prenotato.open()) provvisorio = prenotato.fileName();
    }
    Database db;
    db.FileDatabase = provvisorio;
    bool fatto = !provvisorio.isEmpty() && db.DatabaseCrea() && db.DatabaseApre();
    try {
        if (fatto) {
            db.DatabaseTabelleCreazione();
            db.DataBaseTabelleAggiorna();
            ScriviParametriIncorporati(db);
            ScriviTipiGuidaDefault(db);
        }
    } catch (const ErroreDatabase& e) {
        errore = e.Messaggio();
        fatto = false;
    }
    db.Chiudi();
    // rename() never replaces a file that has appeared in the meantime.
    if (fatto && !QFile::rename(provvisorio, info.absoluteFilePath())) {
        errore = QFileInfo::exists(file) ? QStringLiteral("Il file esiste già: ") + nome : QString();
        fatto = false;
    }
    if (!fatto) {
        if (!provvisorio.isEmpty()) QFile::remove(provvisorio);
        if (errore.isEmpty()) errore = QStringLiteral("Impossibile creare il database ") + nome;
    }
    return fatto;
}
