// Help buttons: each shows its fixed text in one OK box, and none of them
// covers another control of its panel.
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

#include "shell/FormViandora.h"
#include "support/PiattaformaProva.h"

namespace {
const QString ACapo = QStringLiteral("\r\n");

// Every help button of the window with its panel and tooltip.
struct Aiuto {
    const char* nome;
    const char* pannello;
    const char* tooltip;
};
const Aiuto TuttiGliAiuti[] = {
    {"cmdHelpGenerico", "frmBottoni", "Informazioni sui singoli pulsanti"},
    {"cmdHelpTotale1", "frmMetaIntesta", "Informazioni generiche"},
    {"cmdHelpTotale2", "frmMetaIntesta", "Informazioni sui campi e modalità "},
    {"cmdHelpTt", "frmMeteTempi", "Informazioni sui campi e modalità "},
    {"cmdHelpKm", "frmInputBox", "Informazioni sui campi"},
    {"cmdHelpItin(0)", "frmInputBox", "Informazioni sui pulsanti"},
    {"cmdHelpItin(1)", "frmInputBox", "Informazioni sui pulsanti"},
    {"cmdHelpItin(2)", "frmInputBox", "Informazioni sui pulsanti"},
    {"cmdHelpItin(3)", "frmInputBox", "Informazioni sui pulsanti"},
    {"cmdHelpItin(4)", "frmInputBox", "Informazioni sui pulsanti"},
    {"cmdHelpDuplica", "frmPercorso", "Informazioni operative"},
    {"cmdHelpExport", "frmExport", "Informazioni operative"},
    {"cmdHelpGuida(0)", "frmGuida", "Informazioni operative"},
    {"cmdHelpGuida(1)", "frmGuida", "Informazioni operative"},
};

QRect Rettangolo(const Controllo& c) {
    return QRect(c.Left, c.Top, c.Width, c.Height);
}

// What a click could wrongly change: every control's state and the command
// lists.
QStringList Stato(FormViandora& f) {
    QStringList s{f.ComandiMeta, f.ComandiItinerario, f.CodiceMetaCorrente};
    for (Controllo* c : f.Controlli()) {
        QString riga = c->NomeCompleto() + QString::number(c->Visible) + QString::number(c->Enabled);
        if (c->TipoControllo() == Controllo::Tipo::Pulsante)
            riga += static_cast<Pulsante*>(c)->Caption;
        else if (c->TipoControllo() == Controllo::Tipo::Etichetta)
            riga += static_cast<Etichetta*>(c)->Caption;
        else if (c->TipoControllo() == Controllo::Tipo::CasellaTesto)
            riga += static_cast<CasellaTesto*>(c)->Text;
        s << riga;
    }
    return s;
}
} // namespace

class TestAiuto : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void testiCompleti_data();
    void testiCompleti();
    void ogniPulsante_data();
    void ogniPulsante();
    void pulsantiNeiPannelli();

private:
    // Clicks a help button; checks the one OK box it shows and that nothing
    // else changed, and gives its text.
    void Clic(const QString& nome, QString& testo);

    QTemporaryDir* dir_ = nullptr;
    PiattaformaProva* p_ = nullptr;
    FormViandora* f_ = nullptr;
};

void TestAiuto::init() {
    dir_ = new QTemporaryDir;
    p_ = new PiattaformaProva;
    f_ = new FormViandora(*p_, dir_->path() + "/");
    QVERIFY(f_->Form_Load());
    p_->messaggi.clear();
}

void TestAiuto::cleanup() {
    delete f_;
    delete p_;
    delete dir_;
}

void TestAiuto::Clic(const QString& nome, QString& testo) {
    const QStringList prima = Stato(*f_);
    p_->messaggi.clear();
    f_->Click(nome);
    QCOMPARE(p_->messaggi.size(), 1);
    QCOMPARE(p_->messaggi[0].pulsanti & 7, Msg::OkOnly);
    QCOMPARE(p_->messaggi[0].titolo, QStringLiteral("Quintora 2.00 - 2005"));
    QCOMPARE(Stato(*f_), prima);
    testo = p_->messaggi[0].testo;
}

void TestAiuto::testiCompleti_data() {
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QStringList>("righe");
    QTest::addColumn<bool>("finisceACapo");

    QTest::newRow("funzioni principali")
        << "cmdHelpGenerico"
        << QStringList{
               "Istruzioni sulle funzioni principali:",
               "",
               "- NUOVO: predispone per l'inserimento di una nuova mèta;",
               "- RICERCA: ricerca, tramite lista, una mèta memorizzata negli archivi;",
               "- SALVA: salva i dati relativi alla mèta (se già presente, modifica i dati);",
               "- CANC. META: cancella la mèta attiva (compreso l'itinerario);",
               "- ITINERARIO: attiva il form per l'inserimento delle singole tappe;",
               "- GUIDA CITTA': attiva il form per l'inserimento delle informazioni logistiche;",
               "- CANC.ITIN.: cancella l'itinerario (la mèta resta nel database);",
               "- CALCOLA: calcola la tabella di marcia (se richiesto, adeguata a quanto indicato);",
               "- STAMPA: stampa la tabella di marcia e, se richiesto, anche i moduli per il diario (su file e "
               "stampante);",
               "- IMPORT: permette di importare da file mète, itinerari e guide città;",
               "- EXPORT: esporta su file le mète in archivio (selezionabili);",
               "- ESCE: chiude il programma e ritorna a Windows.",
               "",
               "Altre informazioni nei singoli form, con il pulsante [?].",
           }
        << false;
    // Heading, a trailing empty line, then the final line break.
    QTest::newRow("seconda linea di comandi")
        << "cmdHelpItin(1)"
        << QStringList{
               "Significato dei singoli pulsanti (2. linea):",
               "",
               "CANCELLA RIGA/TAPPA: elimina la tappa corrente selezionata;",
               "",
               "RICALCOLA PERCORSO: calcola la tabella di marcia con i dati in fase di inserimento;",
               "",
               "CERCA LOCALITA': propone una lista alfabetica delle località oggetto dei singoli tratti.",
               "",
           }
        << true;
    QTest::newRow("duplicazione")
        << "cmdHelpDuplica"
        << QStringList{
               "Informazioni sulla duplicazione di tratti stradali da altri itinerari:",
               "",
               "Ricercare la tappa iniziale e selezionarla, quindi cliccare su 'ASSEGNA TAPPA INIZIALE';",
               "Ricercare la tappa finale e selezionarla, quindi cliccare su 'ASSEGNA TAPPA FINALE';",
               "L'assegnazione determina il senso del percorso.",
               "",
               "Se si desidera copiare anche le soste, spuntare la casella INSERIRE ANCHE LE SOSTE.",
               "",
               "INSERISCE PERCORSO: inserisce il tratto stradale selezionato dopo la località",
               QString(42, ' ') + "indicata nel form.",
               "",
               "Ricordarsi di verificare la distanza della prima tappa duplicata!",
           }
        << false;
    QTest::newRow("campi della guida")
        << "cmdHelpGuida(1)"
        << QStringList{
               "Istruzioni per l'inserimento di informazioni logistiche:",
               "",
               "Significato del campi:",
               "LOCALITA': il dato è inserito in automatico selezionandolo dalla griglia o tramite funzione Cerca;",
               "MONUMENTO…: inserire la descrizione più opportuna (spazio limitato a circa 100 caratteri);",
               "TEMPO: se trattasi di oggetto di visita è obbligatorio (dato non logistico);",
               "TIPOLOGIA: scegliere uno fra i 4 livelli di interesse per Monumenti, chiese, ecc; oppure se "
               "trattasi",
               QString(23, ' ') +
                   "di informazione logistica: Punto sosta, PS e CS, Campeggio, Ristorante e stazione Gpl.",
               "",
               "L'informazione è disponibile per tutti gli itinerari.",
               "",
               "Per il significato dei pulsanti, clicca sul vicino [?] (dopo aver chiuso questo messaggio).",
           }
        << false;
}

void TestAiuto::testiCompleti() {
    QFETCH(QString, pulsante);
    QFETCH(QStringList, righe);
    QFETCH(bool, finisceACapo);
    const QString atteso = righe.join(ACapo) + (finisceACapo ? ACapo : QString());
    QString testo;
    Clic(pulsante, testo);
    if (QTest::currentTestFailed()) return;
    // Character by character, so that a difference shows where it is.
    for (int i = 0; i < qMin(testo.size(), atteso.size()); ++i)
        QVERIFY2(testo[i] == atteso[i],
                 qPrintable(QStringLiteral("differs at %1: ...%2").arg(i).arg(testo.mid(i, 40))));
    QCOMPARE(testo.size(), atteso.size());
}

void TestAiuto::ogniPulsante_data() {
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<int>("numeroRighe");
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("ultima");
    QTest::addColumn<bool>("finisceACapo");

    const QString intestazione = QStringLiteral("Significato dei singoli pulsanti (%1. linea):");
    QTest::newRow("generico") << "cmdHelpGenerico" << 16 << "Istruzioni sulle funzioni principali:"
                              << "Altre informazioni nei singoli form, con il pulsante [?]." << false;
    QTest::newRow("totale 1") << "cmdHelpTotale1" << 15 << "Filosofia della procedura:"
                              << "Nei vari form sono presenti pulsanti [?] di informazione." << false;
    QTest::newRow("totale 2") << "cmdHelpTotale2" << 16 << "Istruzioni di base sui dai relativi alle mète:"
                              << "Solo i campi in celeste chiaro sono disponibili per l'inserimento di dati; "
                                 "gli altri sono calcolati."
                              << false;
    QTest::newRow("tempi")
        << "cmdHelpTt" << 18
        << "Istruzioni di base sui dai relativi ai Tempi tecnici giornalieri/Riposi/Visite, ecc.:"
        << "RESET: vengono caricati i dati standard impostati dal programma." << true;
    QTest::newRow("km")
        << "cmdHelpKm" << 17 << "Informazioni sull'inserimento dei dati:"
        << "Per il significato dei pulsanti di questo form, cliccare sugli altri Help [?] in basso." << false;
    QTest::newRow("itinerario 0")
        << "cmdHelpItin(0)" << 9 << intestazione.arg(1)
        << QString(37, ' ') +
               "in pratica ricerca la prima tappa nell'itinerario uguale all'ultima nella lista."
        << true;
    QTest::newRow("itinerario 1") << "cmdHelpItin(1)" << 8 << intestazione.arg(2) << "" << true;
    QTest::newRow("itinerario 2")
        << "cmdHelpItin(2)" << 8 << intestazione.arg(3)
        << QString(35, ' ') + "per maggiori informazioni clicca su [?] a destra del pulsante del comando."
        << true;
    QTest::newRow("itinerario 3") << "cmdHelpItin(3)" << 8 << intestazione.arg(4)
                                  << "FINE INSER.: chiude la funzione, chiedendo se salvare i dati immessi."
                                  << true;
    QTest::newRow("itinerario 4 senza intestazione")
        << "cmdHelpItin(4)" << 18 << "Informazioni sulla funzione particolare:"
        << "Per pacchetti non previsti, contattatemi!" << true;
    QTest::newRow("duplica") << "cmdHelpDuplica" << 12
                             << "Informazioni sulla duplicazione di tratti stradali da altri itinerari:"
                             << "Ricordarsi di verificare la distanza della prima tappa duplicata!" << false;
    QTest::newRow("export") << "cmdHelpExport" << 20 << "Informazioni sulle funzioni di Import ed Export:"
                            << "RINUNCIA: rinuncia alla funzione richiesta." << true;
    QTest::newRow("guida 0")
        << "cmdHelpGuida(0)" << 11 << "Istruzioni per l'inserimento di informazioni logistiche:"
        << "Per il significato dei campi, clicca sul vicino [?] (dopo aver chiuso questo messaggio)."
        << false;
    QTest::newRow("guida 1")
        << "cmdHelpGuida(1)" << 12 << "Istruzioni per l'inserimento di informazioni logistiche:"
        << "Per il significato dei pulsanti, clicca sul vicino [?] (dopo aver chiuso questo messaggio)."
        << false;
}

void TestAiuto::ogniPulsante() {
    QFETCH(QString, pulsante);
    QFETCH(int, numeroRighe);
    QFETCH(QString, prima);
    QFETCH(QString, ultima);
    QFETCH(bool, finisceACapo);

    QString testo;
    Clic(pulsante, testo);
    if (QTest::currentTestFailed()) return;
    // Lines are separated by CR LF only.
    QCOMPARE(testo.count(QLatin1Char('\r')), testo.count(ACapo));
    QCOMPARE(testo.count(QLatin1Char('\n')), testo.count(ACapo));
    QCOMPARE(testo.endsWith(ACapo), finisceACapo);
    QStringList righe = testo.split(ACapo);
    if (finisceACapo) righe.removeLast();
    QCOMPARE(righe.size(), numeroRighe);
    QCOMPARE(righe.first(), prima);
    QCOMPARE(righe.last(), ultima);
    for (const QString& r : righe)
        QVERIFY2(!r.endsWith(QLatin1Char(' ')) || r.trimmed().isEmpty(), qPrintable(r));
}

void TestAiuto::pulsantiNeiPannelli() {
    QStringList nomi;
    for (const Aiuto& a : TuttiGliAiuti) {
        const QString nome = QString::fromUtf8(a.nome);
        nomi << nome;
        auto* c = dynamic_cast<Pulsante*>(f_->TrovaControllo(nome));
        QVERIFY2(c, qPrintable(nome));
        QCOMPARE(c->Genitore(), QString::fromUtf8(a.pannello));
        QCOMPARE(c->ToolTipText, QString::fromUtf8(a.tooltip));
        QVERIFY(c->Caption.contains(QLatin1Char('?')));
        QVERIFY(c->Visible && c->Enabled);
        QVERIFY2(c->Width >= 200 && c->Height >= 200, qPrintable(nome));

        const Controllo* pannello = f_->TrovaControllo(c->Genitore());
        QVERIFY(pannello);
        QVERIFY2(QRect(0, 0, pannello->Width, pannello->Height).contains(Rettangolo(*c)), qPrintable(nome));
        // Hidden controls count too: the window shows them at times.
        for (Controllo* altro : f_->Controlli())
            if (altro != c && altro->Genitore() == c->Genitore())
                QVERIFY2(!Rettangolo(*altro).intersects(Rettangolo(*c)),
                         qPrintable(nome + QStringLiteral(" covers ") + altro->NomeCompleto()));
    }
    // No other help button hides in the window unchecked.
    for (Controllo* c : f_->Controlli())
        if (c->Nome().startsWith(QLatin1String("cmdHelp")))
            QVERIFY2(nomi.contains(c->NomeCompleto()), qPrintable(c->NomeCompleto()));
    QCOMPARE(nomi.size(), int(std::size(TuttiGliAiuti)));
}

QTEST_GUILESS_MAIN(TestAiuto)
#include "test_aiuto.moc"
