#include "database/BloccoScrittura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

QString BloccoScrittura::FileBlocco(const QString& fileDatabase) {
    const QFileInfo info(fileDatabase);
    return info.absoluteDir().filePath(u'.' + info.fileName() + QStringLiteral(".blocco"));
}

BloccoScrittura::Esito BloccoScrittura::Prendi(const QString& fileDatabase) {
    Rilascia();
    const QString percorso = FileBlocco(fileDatabase);
    const QByteArray nome = QFile::encodeName(percorso);
    // A holder that ends removes the file while still holding it: whoever
    // opened that file meanwhile finds it gone and tries the new one.
    for (int tentativo = 0; tentativo < 10; ++tentativo) {
        // Not inherited by the programs the window starts, which would keep
        // the lock after the window ends.
        const int fd = ::open(nome.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) return Esito::Impossibile;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool occupato = errno == EWOULDBLOCK;
            ::close(fd);
            return occupato ? Esito::Occupato : Esito::Impossibile;
        }
        struct stat aperto {
        }, presente{};
        if (::fstat(fd, &aperto) == 0 && ::stat(nome.constData(), &presente) == 0 &&
            aperto.st_dev == presente.st_dev && aperto.st_ino == presente.st_ino) {
            fd_ = fd;
            percorso_ = percorso;
            return Esito::Preso;
        }
        ::close(fd);
    }
    return Esito::Impossibile;
}

void BloccoScrittura::Rilascia() {
    if (fd_ < 0) return;
    ::unlink(QFile::encodeName(percorso_).constData());
    ::close(fd_);
    fd_ = -1;
    percorso_.clear();
}
