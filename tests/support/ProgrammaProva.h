#pragma once
// One of the project's programs run as a user runs it, and the files it
// leaves, read and written whole.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <fcntl.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

struct Esito {
    int codice = -1; // -1 did not end in time, -2 crashed
    QString out, err;
    QStringList Righe() const { return out.split(u'\n', Qt::SkipEmptyParts); }
};

// In cartella when given; ambiente is added to this process's environment.
inline Esito EseguiProgramma(const QString& programma, const QStringList& argomenti,
                             const QString& cartella = {}, const QHash<QString, QString>& ambiente = {}) {
    QProcess p;
    if (!cartella.isEmpty()) p.setWorkingDirectory(cartella);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (auto it = ambiente.begin(); it != ambiente.end(); ++it)
        env.insert(it.key(), it.value());
    p.setProcessEnvironment(env);
    p.start(programma, argomenti);
    Esito e;
    if (!p.waitForFinished(120000)) return e;
    e.codice = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    e.out = QString::fromUtf8(p.readAllStandardOutput());
    e.err = QString::fromUtf8(p.readAllStandardError());
    return e;
}

#ifdef VIANDORA_CLI
inline Esito Cli(const QStringList& argomenti) {
    return EseguiProgramma(QStringLiteral(VIANDORA_CLI), argomenti);
}
#endif

inline QByteArray LeggiFile(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool ScriviFile(const QString& percorso, const QByteArray& byte) {
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(byte) == byte.size();
}

// SQL run on the file through a bare connection, as another program would.
// Only for statements that need no collation of ours.
inline bool EseguiGrezzo(const QString& percorso, const QString& sql) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(percorso.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr) == SQLITE_OK;
    ok = ok && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// A FIFO where a file is expected, as a hostile user may leave one.
inline bool CreaFifo(const QString& percorso) {
    return ::mkfifo(QFile::encodeName(percorso).constData(), 0600) == 0;
}

// Every file of a folder with the hash of its content, to show it untouched.
inline QStringList ImprontaCartella(const QString& percorso) {
    QStringList voci;
    for (const QString& nome : QDir(percorso).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        voci << nome + ' ' +
                    QCryptographicHash::hash(LeggiFile(QDir(percorso).filePath(nome)),
                                             QCryptographicHash::Sha1)
                        .toHex();
    return voci;
}

// The file made read-only for every user, the administrator too (immutable,
// where the system lets us), or writable again.
inline bool SolaLettura(const QString& percorso, bool attiva) {
    QFile::setPermissions(percorso, attiva ? QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther
                                           : QFile::ReadOwner | QFile::WriteOwner);
    if (::geteuid() != 0) return true;
    const int fd = ::open(QFile::encodeName(percorso).constData(), O_RDONLY);
    int attributi = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &attributi) == 0;
    attributi = attiva ? attributi | FS_IMMUTABLE_FL : attributi & ~FS_IMMUTABLE_FL;
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &attributi) == 0;
    if (fd >= 0) ::close(fd);
    return ok;
}
