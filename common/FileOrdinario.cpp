#include "common/FileOrdinario.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#endif

namespace {

QString Perche(TipoPercorso tipo) {
    switch (tipo) {
    case TipoPercorso::Assente:
        return QStringLiteral("il file non esiste o è un collegamento interrotto");
    case TipoPercorso::Cartella:
        return QStringLiteral("è una cartella, non un file");
    case TipoPercorso::Fifo:
        return QStringLiteral("è una FIFO (pipe con nome), non un file");
    case TipoPercorso::Socket:
        return QStringLiteral("è un socket, non un file");
    case TipoPercorso::Dispositivo:
        return QStringLiteral("è un dispositivo, non un file");
    case TipoPercorso::Inaccessibile:
        return QStringLiteral("accesso negato");
    case TipoPercorso::File:
    case TipoPercorso::Altro:
        break;
    }
    return QStringLiteral("non è un file ordinario");
}

bool Rifiuta(const char* azione, const QString& percorso, TipoPercorso tipo, QString* errore) {
    if (errore)
        *errore = QStringLiteral("Impossibile %1 il file %2: %3")
                      .arg(QLatin1String(azione), QDir::toNativeSeparators(percorso), Perche(tipo));
    return false;
}

} // namespace

TipoPercorso TipoDelPercorso(const QString& percorso) {
    if (percorso.isEmpty()) return TipoPercorso::Assente;
#ifdef Q_OS_UNIX
    // stat() looks at the inode only: a FIFO is not opened, so nothing waits.
    struct stat s {};
    if (::stat(QFile::encodeName(percorso).constData(), &s) != 0)
        return errno == ENOENT || errno == ENOTDIR ? TipoPercorso::Assente : TipoPercorso::Inaccessibile;
    if (S_ISREG(s.st_mode)) return TipoPercorso::File;
    if (S_ISDIR(s.st_mode)) return TipoPercorso::Cartella;
    if (S_ISFIFO(s.st_mode)) return TipoPercorso::Fifo;
    if (S_ISSOCK(s.st_mode)) return TipoPercorso::Socket;
    if (S_ISCHR(s.st_mode) || S_ISBLK(s.st_mode)) return TipoPercorso::Dispositivo;
    return TipoPercorso::Altro;
#else
    const QFileInfo info(percorso);
    if (!info.exists()) return TipoPercorso::Assente;
    if (info.isDir()) return TipoPercorso::Cartella;
    return info.isFile() ? TipoPercorso::File : TipoPercorso::Altro;
#endif
}

bool ControllaFileDaLeggere(const QString& percorso, QString* errore) {
    const TipoPercorso tipo = TipoDelPercorso(percorso);
    return tipo == TipoPercorso::File || Rifiuta("leggere", percorso, tipo, errore);
}

bool ControllaFileDaScrivere(const QString& percorso, QString* errore) {
    if (percorso.trimmed().isEmpty()) {
        if (errore) *errore = QStringLiteral("Nessun file indicato.");
        return false;
    }
    // A path that cannot even be looked at cannot be written either: the
    // writer then gives the system's own reason.
    const TipoPercorso tipo = TipoDelPercorso(percorso);
    return tipo == TipoPercorso::File || tipo == TipoPercorso::Assente ||
           tipo == TipoPercorso::Inaccessibile || Rifiuta("scrivere", percorso, tipo, errore);
}

bool ScriviFileIntero(const QString& percorso, const QByteArray& dati, QString* errore) {
    if (!ControllaFileDaScrivere(percorso, errore)) return false;
    QSaveFile file(percorso);
    if (file.open(QIODevice::WriteOnly) && file.write(dati) == dati.size() && file.commit()) return true;
    if (errore)
        *errore = QStringLiteral("Impossibile scrivere il file %1: %2")
                      .arg(QDir::toNativeSeparators(percorso), file.errorString());
    return false;
}

QString PerNomeFile(const QString& testo) {
    QString t = testo;
    t.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral(" "));
    return t.simplified();
}
