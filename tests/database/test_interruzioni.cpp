// Killed at random moments while upgrading an old file or storing
// itineraries, a few hundred times: every database and every safety copy
// left behind is either whole or absent. Likewise a window saving new trips
// beside an import, both killed: no two trips share a code, every imported
// trip has all its stages, and the lock of the killed window blocks no one.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <utility>

#include "DatabaseProva.h"
#include "exchange/Scambio.h"
#include "support/PlannerProva.h"

namespace {

constexpr int Mete = 5;
constexpr int TappePerMeta = 40;

// An upgrade is due (the program's collation in the schema) and the trips
// hold versions 0 of their itineraries.
bool CreaFileDaAggiornare(const QString& percorso) {
    QString righe;
    for (int m = 1; m <= Mete; ++m)
        for (int s = 1; s <= TappePerMeta; ++s)
            righe += QStringLiteral("INSERT INTO Itinerari (CodiceMeta, Sequenza, Localita) VALUES"
                                    " ('%1', '%2', 'V0 %3 %4');")
                         .arg(m, 6, 10, QChar('0'))
                         .arg(s, 4, 10, QChar('0'))
                         .arg(m)
                         .arg(s);
    return CreaFileCollazioneVecchia(percorso, righe);
}

// The child: starts on the file as the planner does, then stores new
// versions of the itineraries until it is killed.
int Figlio(const QString& percorso) {
    Database db;
    db.FileDatabase = percorso;
    if (!db.DatabaseApre()) return 3;
    db.DataBaseTabelleAggiorna();
    for (int versione = 1;; ++versione) {
        for (int m = 1; m <= Mete; ++m) {
            const QString codice = QStringLiteral("%1").arg(m, 6, 10, QChar('0'));
            QVector<QStringList> righe;
            // Every version has another number of stages.
            for (int s = 1; s <= TappePerMeta + versione % 7; ++s)
                righe.append({codice, QStringLiteral("%1").arg(s, 4, 10, QChar('0')),
                              QStringLiteral("V%1 %2 %3").arg(versione).arg(m).arg(s)});
            Database::Transazione transazione(db);
            db.SostituisciRighe(Query("Itinerari").Dove("CodiceMeta", codice).OrdinaPer("Sequenza"),
                                {"CodiceMeta", "Sequenza", "Localita"}, righe);
            transazione.Conferma();
        }
    }
}

constexpr int TappeImportate = 20;

// An exchange file in the folder with the given trips, each with its stages;
// the localities are new at every call, so that the import never passes one
// over.
QString MeteDaImportare(const QString& cartella, const QString& prefisso, int mete) {
    QStringList meteFile{"CodiceMeta|Localita|Nazione"}, tappe{"CodiceMeta|Sequenza|Localita"};
    for (int m = 1; m <= mete; ++m) {
        meteFile << QStringLiteral("%1|IMPORT %2 %3|ITALIA").arg(Zero(m, 6), prefisso).arg(m);
        for (int s = 1; s <= TappeImportate; ++s)
            tappe << QStringLiteral("%1|%2|TAPPA %3").arg(Zero(m, 6), Zero(s, 4)).arg(s);
    }
    const QString percorso = cartella + QStringLiteral("/importa-%1.iei").arg(prefisso);
    if (!ScriviFile(percorso, FileIei({meteFile, tappe, {"Localita|Descrizione"}})))
        qFatal("file di scambio non scritto");
    return percorso;
}

// The window: saves new trips, and now and then imports some, until killed.
int FiglioFinestra(const QString& cartella) {
    PiattaformaProva p;
    FormViandora f(p, cartella + "/");
    if (!f.Form_Load() || f.Db.SolaLettura()) return 3;
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (int n = 1;; ++n) {
        NuovaMeta(f, p, QStringLiteral("FINESTRA %1 %2").arg(pid).arg(n));
        if (n % 4 == 0)
            ImportaMete(f.Db, MeteDaImportare(cartella, pid + '-' + QString::number(n), 3),
                        {"000001", "000002", "000003"}, nullptr);
    }
}

// Another program beside the window, importing trips until killed.
int FiglioImportazione(const QString& percorso) {
    Database db;
    db.FileDatabase = percorso;
    if (!db.DatabaseApre()) return 3;
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (int n = 1;; ++n)
        ImportaMete(db,
                    MeteDaImportare(QFileInfo(percorso).absolutePath(), pid + '-' + QString::number(n), 2),
                    {"000001", "000002"}, nullptr);
}

// What a killed writer left: each check's first value, with the program's
// comparison known (a safety copy of an old file still names it); opened
// read-write, so that a killed writer's journal is rolled back first. Empty
// when every check gives what it expects, otherwise what is wrong.
QString Difetto(const QString& percorso, const QList<QPair<QString, QString>>& controlli) {
    QString difetto;
    for (const auto& [sql, atteso] : controlli)
        if (const QString valore = ValoreGrezzo(percorso, sql, true); valore != atteso)
            difetto += sql.left(60) + ": " + valore + "; ";
    return difetto;
}

// Whole after an upgrade or a store: each trip holds one version of its
// itinerary ("V<version> ..."), all of its stages.
const QList<QPair<QString, QString>> ItinerariInteri = {
    {"PRAGMA integrity_check", "ok"},
    {QStringLiteral("SELECT count(*) FROM (SELECT CodiceMeta FROM Itinerari GROUP BY CodiceMeta"
                    " HAVING count(DISTINCT substr(Localita, 1, instr(Localita, ' '))) <> 1 OR count(*) <>"
                    " %1 + min(CAST(substr(Localita, 2, instr(Localita, ' ') - 2) AS INTEGER)) % 7)")
         .arg(TappePerMeta),
     "0"},
    {"SELECT count(DISTINCT CodiceMeta) FROM Itinerari", QString::number(Mete)}};

// Whole after the window and the import: no two trips share a code,
// imported trips have every stage, the window's none.
const QList<QPair<QString, QString>> MeteIntere = {
    {"PRAGMA integrity_check", "ok"},
    {"SELECT count(*) FROM (SELECT CodiceMeta FROM MeteViandora GROUP BY CodiceMeta HAVING count(*) > 1)",
     "0"},
    {QStringLiteral("SELECT count(*) FROM MeteViandora m WHERE (SELECT count(*) FROM Itinerari i"
                    " WHERE i.CodiceMeta = m.CodiceMeta) <> CASE WHEN substr(Localita, 1, 6) = 'IMPORT' THEN "
                    "%1 ELSE 0 END")
         .arg(TappeImportate),
     "0"},
    {"SELECT count(*) > 1 FROM MetaCorrente", "0"}};

} // namespace

class TestInterruzioni : public QObject {
    Q_OBJECT
private slots:
    void uccisoAlCasoNonLasciaMezziFile() {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(NomeFileDatabase);
        int aggiornamenti = 0;
        for (int giro = 0; giro < 200; ++giro) {
            // One start in four finds an old file to upgrade.
            if (giro % 4 == 0) {
                for (const QString& f : QDir(cartella.path()).entryList(QDir::Files))
                    QVERIFY(QFile::remove(cartella.filePath(f)));
                QVERIFY(CreaFileDaAggiornare(percorso));
                ++aggiornamenti;
            }
            QProcess figlio;
            figlio.start(QCoreApplication::applicationFilePath(), {"--figlio", percorso});
            QVERIFY(figlio.waitForStarted());
            QThread::msleep(QRandomGenerator::global()->bounded(5, 400));
            figlio.kill();
            figlio.waitForFinished();

            for (const QString& f : QDir(cartella.path()).entryList({"*.mdb"}, QDir::Files)) {
                const QString difetto = Difetto(cartella.filePath(f), ItinerariInteri);
                QVERIFY2(difetto.isEmpty(),
                         qPrintable(QStringLiteral("giro %1, %2: %3").arg(giro).arg(f, difetto)));
            }
        }
        QVERIFY(aggiornamenti > 0);
    }

    void finestraEImportazioneUccise() {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(NomeFileDatabase);
        {
            PiattaformaProva p;
            QVERIFY(FormViandora(p, cartella.path() + "/").Form_Load());
        }
        for (int giro = 0; giro < 60; ++giro) {
            QProcess finestra, importazione;
            finestra.start(QCoreApplication::applicationFilePath(), {"--finestra", cartella.path()});
            importazione.start(QCoreApplication::applicationFilePath(), {"--importa", percorso});
            QVERIFY(finestra.waitForStarted() && importazione.waitForStarted());
            QThread::msleep(QRandomGenerator::global()->bounded(5, 500));
            finestra.kill();
            QThread::msleep(QRandomGenerator::global()->bounded(0, 50));
            importazione.kill();
            finestra.waitForFinished();
            importazione.waitForFinished();
            // A window that could not take the lock ends by itself with 3.
            QVERIFY2(finestra.exitStatus() == QProcess::CrashExit, qPrintable(QString::number(giro)));

            const QString difetto = Difetto(percorso, MeteIntere);
            QVERIFY2(difetto.isEmpty(), qPrintable(QStringLiteral("giro %1: %2").arg(giro).arg(difetto)));
            BloccoScrittura blocco;
            QVERIFY(blocco.Prendi(percorso) == BloccoScrittura::Esito::Preso);
        }
        // The kills fell on writes: trips were stored, however slow the
        // machine (under the sanitizers a busy one stores few per round).
        QVERIFY(ContaGrezzo(percorso, "MeteViandora") > 10);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--figlio") return Figlio(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && QByteArray(argv[1]) == "--finestra")
        return FiglioFinestra(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && QByteArray(argv[1]) == "--importa")
        return FiglioImportazione(QString::fromLocal8Bit(argv[2]));
    TestInterruzioni prova;
    return QTest::qExec(&prova, argc, argv);
}
#include "test_interruzioni.moc"
