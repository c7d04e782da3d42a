// Times the timetable printout to a PDF file (with its text file) on the
// calculated timetables of synthetic trips. Usage: bench_stampa [stages ...]
// (default 1000 4000). For each size: timetable rows, pages, wall and
// processor seconds, pages a second, the PDF's size, and the growth of the
// time next to the growth of the rows (linear time keeps the two close).
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <random>

#include "common/Stringhe.h"
#include "itinerary/ControlloreItinerario.h"
#include "printing/Stampa.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"
#include "shell/PiattaformaSenzaSchermo.h"
#include "stampa/PaginaPdf.h"
#include "timetable/ControlloreCalcolo.h"
#include "timetable/TabellaDiMarcia.h"

namespace {

constexpr int VociGuida = 20000;
constexpr int VociPerLocalita = 5;

QString NomeLocalita(int i) {
    const QString numero = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
    return (i % 20 == 0 ? QStringLiteral("SANT'ANGELO ") : QStringLiteral("LOCALITA ")) + numero;
}

// The same synthetic guide and trip as the calculation's benchmark.
void PreparaViaggio(FormViandora& f, int tappe) {
    {
        Database::Transazione t(f.Db);
        f.Db.RecordSetImposta(
            7, Query(QStringLiteral("GuidaCitta")).Dove(QStringLiteral("Localita"), QStringLiteral("\\")));
        RecordSet& rs = f.Db.Rs(7);
        for (int i = 0; i < VociGuida; ++i) {
            rs.AddNew();
            rs.Imposta(QStringLiteral("Localita"), NomeLocalita(i / VociPerLocalita));
            rs.Imposta(QStringLiteral("CodiceGuida"), Zero(1 + i % 9, 2));
            rs.Imposta(QStringLiteral("Descrizione"), QStringLiteral("Voce %1").arg(i));
            rs.Imposta(QStringLiteral("TempoSosta"),
                       i % 3 == 0 ? QStringLiteral("00:00") : QStringLiteral("00:45"));
            rs.Imposta(QStringLiteral("FlagVisto"), QStringLiteral("0"));
            rs.Update();
        }
        t.Conferma();
        f.Db.RecordSetImpostaDefault();
    }
    std::mt19937 caso(12345);
    const char* inizio[] = {"01", "06", "2007", "08", "00"};
    for (int k = 0; k < 5; ++k)
        f.cmbInizio[k].SetText(QString::fromLatin1(inizio[k]));
    f.txtLocalita.Text = QStringLiteral("GIRO D'EUROPA");
    f.txtNazione.Text = QStringLiteral("EUROPA");
    f.Tappe.CancellaMatrice();
    f.mfgTab.SetRows(tappe + 2);
    const QString tipi = QStringLiteral("ASPL");
    for (int r = 1; r <= tappe; ++r) {
        const int localita = int(caso() % (VociGuida / VociPerLocalita + 1000));
        QString sosta;
        if (r % 3 == 0) sosta = QStringLiteral("01:30");
        if (r % 7 == 0) sosta = QStringLiteral("01:00:00");
        if (r % 5 == 0) sosta.prepend(u'*');
        f.mfgTab.SetTextMatrix(r, 0, QString::number(r));
        f.mfgTab.SetTextMatrix(r, 1, NomeLocalita(localita));
        f.mfgTab.SetTextMatrix(
            r, 2, r % 50 == 0 ? QStringLiteral("TRAGHETTO") : QStringLiteral("SS%1").arg(r % 90));
        f.mfgTab.SetTextMatrix(r, 3, QString::number(r % 50 == 0 ? 0 : 20 + int(caso() % 380)));
        f.mfgTab.SetTextMatrix(r, 4, tipi.mid(r % 4, 1));
        f.mfgTab.SetTextMatrix(r, 7, sosta);
    }
    f.Tappe.CalcolaKmTempiItinerario();
    f.cmbGiorni.SetText(QStringLiteral("000"));
    f.cmbRipH.SetText(QStringLiteral("03"));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QList<int> misure;
    for (int i = 1; i < argc; ++i)
        misure << QString::fromLocal8Bit(argv[i]).toInt();
    if (misure.isEmpty()) misure = {1000, 4000};

    std::printf("%7s %7s %7s %8s %8s %9s %9s %8s %8s\n", "tappe", "righe", "pagine", "s", "s cpu", "pag/s",
                "PDF KB", "x cpu", "x righe");
    double primoTempo = 0;
    int primeRighe = 0;
    for (int tappe : misure) {
        QTemporaryDir dir;
        PiattaformaSenzaSchermo p;
        FormViandora f(p, dir.path() + u'/');
        if (!f.Form_Load()) return 1;
        PreparaViaggio(f, tappe);
        f.ComandiMeta = QStringLiteral("all");
        f.AbilitaPulsantiComando();
        f.Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Stampa;
        f.Calcolo.cmdCalcola_Click();
        if (!f.Itinerario.TabellaCalcolata) return 1;
        const int righe = f.mfgTab.Rows() - 1;

        const QString pdf = dir.filePath(QStringLiteral("tabella.pdf"));
        QString errore;
        f.Stampa.Pagina = PaginaPdf::Apri(pdf, QStringLiteral("Tabella di marcia"), errore);
        if (!f.Stampa.Pagina) return 1;
        f.Stampa.TipoStampa = 1;
        f.Stampa.chkTabella.Value = true;
        f.Stampa.chkModuli.Value = false;
        f.Stampa.FileTabella = dir.filePath(QStringLiteral("Viantabl.txt"));

        QElapsedTimer cronometro;
        cronometro.start();
        const std::clock_t inizio = std::clock();
        const bool riuscita = f.Stampa.StampaDellItinerario();
        const double s = double(cronometro.nsecsElapsed()) / 1e9;
        const double cpu = double(std::clock() - inizio) / CLOCKS_PER_SEC;
        const int pagine = f.Stampa.Pagina->Page() - 1;
        f.Stampa.Pagina.reset();
        if (!riuscita) return 1;
        if (primeRighe == 0) {
            primoTempo = cpu;
            primeRighe = righe;
        }
        std::printf("%7d %7d %7d %8.2f %8.2f %9.1f %9.0f %8.2f %8.2f\n", tappe, righe, pagine, s, cpu,
                    pagine / s, QFileInfo(pdf).size() / 1024.0, cpu / primoTempo, double(righe) / primeRighe);
    }
    return 0;
}
