#include "shell/CartellaProgramma.h"

#include <QDir>
#include <QTemporaryFile>

namespace {
bool Scrivibile(const QString& cartella) {
    if (cartella.isEmpty() || !QDir().mkpath(cartella))
        return false;
    // Asking for permissions is not enough (network folders, read-only
    // mounts): try to create a file there.
    QTemporaryFile prova(QDir(cartella).filePath(QStringLiteral("viandora-XXXXXX.tmp")));
    return prova.open();
}

QString ConBarra(const QString& cartella) {
    QString c = QDir::cleanPath(QDir(cartella).absolutePath());
    return c.endsWith(QLatin1Char('/')) ? c : c + QLatin1Char('/');
}
} // namespace

QString ScegliCartellaProgramma(const QString& cartellaEseguibile, const QString& cartellaUtente) {
    if (Scrivibile(cartellaEseguibile))
        return ConBarra(cartellaEseguibile);
    if (Scrivibile(cartellaUtente))
        return ConBarra(cartellaUtente);
    return {};
}
