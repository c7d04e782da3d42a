#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "DatabaseProva.h"

namespace {

class AvanzamentoProva : public Avanzamento {
public:
    double totale = -1;
    int passi = 0, fine = 0;
    void InizioAvanzamento(const QString&, double t) override { totale = t; }
    void Avanza() override { ++passi; }
    void FineAvanzamento() override { ++fine; }
};

// Stages 0001-0003 of trip 000001 and 0001-0002 of trip 000002.
void CinqueTappe(Database& db) {
    AggiungiTappa(db, "000001", "0002", "Bologna");
    AggiungiTappa(db, "000002", "0001", "Napoli");
    AggiungiTappa(db, "000001", "0001", "Roma");
    AggiungiTappa(db, "000002", "0002", "Bari");
    AggiungiTappa(db, "000001", "0003", "Milano");
}

QString Messaggio(const std::function<void()>& azione) {
    try {
        azione();
    } catch (const ErroreDatabase& e) {
        return e.Messaggio();
    }
    return QString();
}

} // namespace

class TestRecordSet : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;
    std::unique_ptr<Database> db_;

    QString File() const { return cartella_.filePath(NomeFileDatabase); }

private slots:
    void init() {
        QFile::remove(File());
        db_ = std::make_unique<Database>();
        QVERIFY(PreparaDatabase(*db_, File()));
    }
    void cleanup() { db_.reset(); }

    // Past either end there is no current row; a deleted row stays current
    // until a move, and is gone for every set over the table.
    void navigazioneECancellazione() {
        CinqueTappe(*db_);
        db_->RecordSetImposta(7, Query("Itinerari").Dove("CodiceMeta", "000001").OrdinaPer("Sequenza"));
        RecordSet& rs = db_->Rs(7);
        rs.MoveLast();
        rs.MoveNext();
        rs.MoveNext();
        QCOMPARE(Messaggio([&] { rs.Valore("Localita"); }), QStringLiteral("Nessun record corrente"));
        rs.MovePrevious();
        QCOMPARE(rs.Testo(2), QStringLiteral("Milano"));
        db_->RecordSetImposta(7, Query("Itinerari").Dove("CodiceMeta", "999999"));
        QVERIFY(rs.Eof() && rs.Bof());
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, rs.Edit());
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, rs.Delete());

        db_->RecordSetImposta(8, Query("Itinerari"));
        RecordSet& tutte = db_->Rs(TabItinerari);
        tutte.MoveFirst();
        tutte.Delete();
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, tutte.Valore("Localita"));
        QVERIFY(!tutte.Eof());
        tutte.MoveNext();
        QCOMPARE(tutte.Testo("Localita"), QStringLiteral("Napoli"));
        QCOMPARE(ContaGrezzo(File(), "Itinerari"), 4);
        QCOMPARE(db_->Rs(8).RecordCount(), 4);
    }

    void aggiuntaEModifica() {
        RecordSet& rs = db_->Rs(TabItinerari);
        QVERIFY(Messaggio([&] { rs.Imposta("Localita", "Roma"); }).contains("senza AddNew o Edit"));
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, rs.Update());
        rs.AddNew();
        QVERIFY(!rs.Valore("Localita").isValid());
        rs.Imposta("codicemeta", "000001");
        // Cut to the field's size, a character (not a UTF-16 unit) at a time.
        rs.Imposta("Localita", QString(35, u'à'));
        rs.Imposta("NomeStrada", QStringLiteral("🚐").repeated(70));
        QCOMPARE(rs.Testo("NomeStrada"), QStringLiteral("🚐").repeated(64));
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, rs.Imposta("Pippo", "x"));
        rs.Update();
        QVERIFY(rs.Eof()); // past the end before AddNew, still there
        AggiungiTappa(*db_, "000001", "0002", "Bologna");
        rs.MoveFirst();
        AggiungiTappa(*db_, "000001", "0003", "Milano");
        QCOMPARE(rs.Testo("Sequenza"), QString()); // the current row stays
        rs.Edit();
        rs.Imposta("Tempososta", "01:02:30");
        rs.Imposta("NomeStrada", QVariant());
        rs.Update();
        rs.Edit();
        rs.Imposta("Localita", "Dimenticato");
        rs.CancelUpdate();

        // What the file holds, read back through a new query.
        db_->RecordSetImposta(8, Query("Itinerari").OrdinaPer("Sequenza"));
        RecordSet& letto = db_->Rs(8);
        QCOMPARE(letto.RecordCount(), 3);
        QCOMPARE(letto.Testo("Localita"), QString(30, u'à'));
        QCOMPARE(letto.Testo("TempoSosta"), QStringLiteral("01:02:30"));
        QVERIFY(!letto.Valore("NomeStrada").isValid());

        // A yes/no field, read and written as True and False.
        RecordSet& tipi = db_->Rs(TabTipoGuida);
        QVERIFY(tipi.SiNo("tempoobbligatorio"));
        tipi.Edit();
        tipi.Imposta("TempoObbligatorio", false);
        tipi.Update();
        tipi.AddNew();
        tipi.Imposta("CodiceGuida", "10");
        tipi.Imposta("TempoObbligatorio", "True");
        tipi.Update();
        db_->RecordSetImpostaDefault();
        const QStringList obbligatori = Colonna(*db_, TabTipoGuida, "TempoObbligatorio");
        QVERIFY(obbligatori.first() == "False" && obbligatori.last() == "True");
    }

    // Replacing a trip's rows rewrites only what changed: the failure seam
    // counts the writes, the row ids show which rows stayed.
    void sostituzioneRighe() {
        CinqueTappe(*db_);
        const QStringList campi = {"Sequenza", "Localita"};
        const Query tappe = Query("Itinerari").Dove("CodiceMeta", "000001").OrdinaPer("Sequenza");
        auto rowid = [&] {
            db_->RecordSetImposta(8, tappe);
            QVector<qint64> r;
            for (RecordSet& rs = db_->Rs(8); !rs.Eof(); rs.MoveNext())
                r << rs.RowId();
            return r;
        };
        const QVector<qint64> prima = rowid();

        // The same rows: no write at all.
        db_->ImpostaGuastoScrittura(1);
        db_->SostituisciRighe(tappe, campi, {{"0001", "Roma"}, {"0002", "Bologna"}, {"0003", "Milano"}});
        // One row changed, one added: two writes, the second fails and the
        // file keeps the rows it had.
        db_->ImpostaGuastoScrittura(2);
        {
            Database::Transazione t(*db_);
            QVERIFY_THROWS_EXCEPTION(
                ErroreDatabase,
                db_->SostituisciRighe(
                    tappe, campi,
                    {{"0001", "Roma"}, {"0002", "Parma"}, {"0003", "Milano"}, {"0004", "Asti"}}));
        }
        db_->ImpostaGuastoScrittura(0);
        QCOMPARE(rowid(), prima);
        QCOMPARE(Colonna(*db_, 8, "Localita"), (QStringList{"Roma", "Bologna", "Milano"}));

        // Fewer rows: the first is rewritten in place, the others go, and an
        // open set over the table sees it.
        RecordSet& tutte = db_->Rs(TabItinerari);
        tutte.MoveFirst();
        db_->SostituisciRighe(tappe, campi, {{"0001", QString(40, u'à')}});
        QCOMPARE(tutte.RecordCount(), 3);
        QCOMPARE(rowid(), QVector<qint64>{prima.first()});
        QCOMPARE(Colonna(*db_, 8, "Localita"), QStringList{QString(30, u'à')});
        // An empty text is not a Null: it is written.
        db_->SostituisciRighe(tappe, {"Sequenza", "NomeStrada"}, {{"0001", ""}});
        db_->RecordSetImposta(8, Query("Itinerari").Dove("CodiceMeta", "000001").Dove("NomeStrada", ""));
        QCOMPARE(db_->NumeroRecord, 1.0);
        // Other trips untouched.
        db_->RecordSetImposta(8, Query("Itinerari").Dove("CodiceMeta", "000002").OrdinaPer("Sequenza"));
        QCOMPARE(Colonna(*db_, 8, "Localita"), (QStringList{"Napoli", "Bari"}));
    }

    // Marks: "1" on the rows given, "0" on every other marked row, Null and
    // blanks included; nothing written when nothing changes.
    void segnaRighe() {
        RecordSet& guida = db_->Rs(TabGuida);
        QVector<qint64> rowid;
        for (const char* visto : std::initializer_list<const char*>{"1", "0", "1", " ", nullptr, "0"}) {
            guida.AddNew();
            guida.Imposta("Localita", "Roma");
            guida.Imposta("FlagVisto", visto ? QVariant(QString(visto)) : QVariant());
            guida.Update();
            guida.MoveLast();
            rowid << guida.RowId();
        }
        auto flag = [&] {
            db_->RecordSetImposta(8, Query("GuidaCitta"));
            return Colonna(*db_, 8, "FlagVisto").join(u',');
        };
        // Row 1 kept, row 2 marked; 3, 4 and 5 cleared.
        db_->SegnaRighe("GuidaCitta", "FlagVisto", {rowid[1]}, {rowid[0]});
        QCOMPARE(flag(), QStringLiteral("1,1,0,0,0,0"));
        db_->ImpostaGuastoScrittura(1);
        db_->SegnaRighe("GuidaCitta", "FlagVisto", {}, {rowid[0], rowid[1]});
        db_->ImpostaGuastoScrittura(0);
        db_->SegnaRighe("GuidaCitta", "FlagVisto", {}, {});
        QCOMPARE(flag(), QStringLiteral("0,0,0,0,0,0"));
    }

    // A table emptied by a field's value, with its progress; a write that
    // fails, there or in a transaction, leaves every row, in the file too.
    void cancellaTabellaEGuasti() {
        CinqueTappe(*db_);
        AvanzamentoProva av;
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, db_->CancellaTabella(TabItinerari, "CodiceMetta", "*", &av));
        db_->ImpostaGuastoScrittura(2);
        QVERIFY(Messaggio([&] {
                    db_->CancellaTabella(TabItinerari, "CodiceMeta", "000001", &av);
                }).startsWith("Errore di scrittura nel database"));
        QCOMPARE(db_->Rs(TabItinerari).RecordCount(), 5);
        try {
            Database::Transazione transazione(*db_);
            AggiungiTappa(*db_, "000003", "0001", "Torino");
            db_->ImpostaGuastoScrittura(1);
            AggiungiTappa(*db_, "000003", "0002", "Aosta");
            transazione.Conferma();
            QFAIL("nessun errore");
        } catch (const ErroreDatabase&) {
        }
        QCOMPARE(db_->Rs(TabItinerari).RecordCount(), 5);
        QCOMPARE(ContaGrezzo(File(), "Itinerari"), 5);

        av = AvanzamentoProva();
        db_->ImpostaGuastoScrittura(0);
        db_->CancellaTabella(TabItinerari, "CodiceMeta", "000001", &av);
        QCOMPARE(QList<double>({av.totale, double(av.passi), double(av.fine)}), QList<double>({3, 3, 1}));
        db_->RecordSetImposta(2, Query("Itinerari"));
        QCOMPARE(Colonna(*db_, 2, "CodiceMeta"), (QStringList{"000002", "000002"}));
    }

    void transazioniAnnidate() {
        {
            Database::Transazione esterna(*db_);
            AggiungiTappa(*db_, "000001", "0001", "A");
            {
                Database::Transazione interna(*db_);
                AggiungiTappa(*db_, "000001", "0002", "B");
            }
            {
                Database::Transazione interna(*db_);
                AggiungiTappa(*db_, "000001", "0003", "C");
                interna.Conferma();
            }
            QCOMPARE(Colonna(*db_, TabItinerari, "Localita"), (QStringList{"A", "C"}));
            esterna.Conferma();
        }
        {
            // A set loaded inside a transaction that is rolled back must not
            // keep the rows that were never stored.
            Database::Transazione transazione(*db_);
            AggiungiTappa(*db_, "000001", "0005", "E");
            db_->RecordSetImposta(2, Query("Itinerari").OrdinaPer("Sequenza"));
            QCOMPARE(Colonna(*db_, 2, "Localita"), (QStringList{"A", "C", "E"}));
        }
        QCOMPARE(Colonna(*db_, 2, "Localita"), (QStringList{"A", "C"}));
        QCOMPARE(ContaGrezzo(File(), "Itinerari"), 2);
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "test_recordset.moc"
