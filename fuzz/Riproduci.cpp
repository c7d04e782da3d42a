// Runs a fuzz target once on each file named on the command line, or on
// each file of the folders named there (a missing folder is skipped), so
// corpus and regression inputs replay in the ordinary test build.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    QStringList file;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo info(QString::fromLocal8Bit(argv[i]));
        if (info.isDir()) {
            for (const QFileInfo& f : QDir(info.filePath()).entryInfoList(QDir::Files, QDir::Name))
                file << f.filePath();
        } else if (info.exists()) {
            file << info.filePath();
        }
    }
    for (const QString& percorso : file) {
        QFile f(percorso);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "Impossibile leggere %s\n", qPrintable(percorso));
            return 1;
        }
        const QByteArray dati = f.readAll();
        // A buffer of exactly the input's size, so a read past its end is caught by the sanitizers.
        const std::size_t dimensione = std::size_t(dati.size());
        std::unique_ptr<uint8_t[]> copia(new uint8_t[dimensione]);
        std::memcpy(copia.get(), dati.constData(), dimensione);
        LLVMFuzzerTestOneInput(copia.get(), dimensione);
    }
    std::printf("%lld input eseguiti\n", static_cast<long long>(file.size()));
    return 0;
}
