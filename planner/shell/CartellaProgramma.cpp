#include "shell/CartellaProgramma.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include "database/Database.h"

namespace {
bool Scrivibile(const QString& cartella) {
    if (cartella.isEmpty() || !QDir().mkpath(cartella)) return false;
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

QString FileSegnoInstallazione(const QString& cartellaEseguibile) {
    return QDir::cleanPath(QDir(cartellaEseguibile).filePath(QStringLiteral(VIANDORA_SEGNO_INSTALLAZIONE)));
}

QString ScegliCartellaProgramma(const QString& cartellaEseguibile, const QString& cartellaUtente,
                                QString* avviso, const std::function<bool(const QString&)>& scrivibile) {
    const auto prova = scrivibile ? scrivibile : Scrivibile;
    // An installed copy never writes among the system's programs, not even
    // when run by the administrator, who could.
    const bool installata = QFileInfo::exists(FileSegnoInstallazione(cartellaEseguibile));
    if (!installata && prova(cartellaEseguibile)) return ConBarra(cartellaEseguibile);
    if (!prova(cartellaUtente)) return {};
    const QString nome = QString::fromLatin1(NomeFileDatabase);
    const QString origine = QDir(cartellaEseguibile).filePath(nome);
    const QString destinazione = QDir(cartellaUtente).filePath(nome);
    if (QFileInfo::exists(origine) && !QFileInfo::exists(destinazione)) {
        QString errore;
        if (!Database::CopiaDatabase(origine, destinazione, &errore)) {
            if (avviso)
                *avviso =
                    QStringLiteral("La cartella del programma non è scrivibile e il database %1 non si può "
                                   "copiare in %2: %3")
                        .arg(QDir::toNativeSeparators(origine),
                             QDir::toNativeSeparators(ConBarra(cartellaUtente)), errore);
            return {};
        }
        if (avviso)
            *avviso = QStringLiteral(
                          "La cartella del programma non è scrivibile: il database %1 è stato copiato in "
                          "%2. Da ora i dati si trovano lì.")
                          .arg(QDir::toNativeSeparators(origine), QDir::toNativeSeparators(destinazione));
    }
    return ConBarra(cartellaUtente);
}
