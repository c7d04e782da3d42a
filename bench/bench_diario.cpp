// Times the logbook printed to PDF: the cover and one day page for each day
// of a period. Usage: bench_diario [days ...] (default 366), run with
// QT_QPA_PLATFORM=offscreen where there is no desktop.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "common/Date.h"
#include "core/PagineDiario.h"
#include "stampa/PaginaPdf.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QList<int> giorni;
    for (int i = 1; i < argc; ++i)
        giorni.append(QString::fromLocal8Bit(argv[i]).toInt());
    if (giorni.isEmpty()) giorni = {366};
    QTemporaryDir cartella;
    for (int n : giorni) {
        if (n < 1) continue;
        const QString file = cartella.filePath(QStringLiteral("diario_%1.pdf").arg(n));
        QElapsedTimer tempo;
        tempo.start();
        QString errore;
        auto pagina = PaginaPdf::Apri(file, QStringLiteral("Diario di Bordo"), errore);
        if (!pagina) {
            std::fprintf(stderr, "%s\n", qPrintable(errore));
            return 1;
        }
        Taccuvo::DatiDiario dati;
        dati.Destinazione = QStringLiteral("PORTO SANTO STEFANO");
        dati.PrimoGiorno = Data2Giul(QStringLiteral("01012028"));
        dati.Periodo = QStringLiteral("01/01 - %1").arg(Data2Data(Giu2Datas(dati.PrimoGiorno + n - 1)));
        dati.Pagine = n;
        dati.AltezzaStampabile = 297 - 2 * PaginaPdf::MargineMm;
        dati.Versione = QStringLiteral("Taccuvo");
        pagina->FontName = QStringLiteral("Times new roman");
        Taccuvo::StampaCopertina(*pagina, dati);
        for (int k = 1; k <= n; ++k) {
            Taccuvo::StampaPaginaGiorno(*pagina, dati, k);
            pagina->NewPage();
        }
        if (!pagina->EndDoc()) {
            std::fprintf(stderr, "%s\n", qPrintable(pagina->Errore()));
            return 1;
        }
        pagina.reset();
        const double secondi = tempo.nsecsElapsed() / 1e9;
        std::printf("%d giorni: %d pagine in %.2f s, %.0f pagine/s, %.1f MB\n", n, n + 1, secondi,
                    (n + 1) / secondi, QFileInfo(file).size() / 1e6);
    }
    return 0;
}
