// The window's start-up sequence.
#include <QDir>
#include <sqlite3.h>

#include "conversion/ControlloreConversione.h"
#include "guide/ControlloreGuida.h"
#include "itinerary/ControlloreItinerario.h"
#include "model/CampiMeta.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"
#include "trip/ControlloreMeta.h"

namespace {
// Each field takes as many characters as its stored field keeps, in this
// file (an older file's wider field is kept): what is typed is what is
// stored and shown again.
void LunghezzeCampi(FormViandora& f) {
    const SchemaDatabase& schema = f.Db.Schema();
    // meno: the characters the stored form adds (a blank, or one less kept).
    auto imposta = [&](int& massimo, int tabella, const char* campo, int meno = 0) {
        for (const InfoCampo& c : f.Db.CampiTabella(schema.NomeTabella[tabella]))
            if (c.nome.compare(QLatin1String(campo), Qt::CaseInsensitive) == 0 && c.dimensione > meno)
                massimo = c.dimensione - meno;
    };
    imposta(f.txtLocalita.MaxLength, TabMete, "Localita");
    for (int k = 0; k < int(CampiVelocita.size()); ++k)
        imposta(f.cmbMediaKm[k].MaxLength, TabMete, CampiVelocita[k]);
    imposta(f.cmbGiorni.MaxLength, TabMete, "GiorniAdeguamento");
    // A stage keeps its locality less one character, and its road with a
    // blank after it; the country is always cut to 19 characters.
    imposta(f.txtTappa.MaxLength, TabItinerari, "Localita", 1);
    imposta(f.txtStrada.MaxLength, TabItinerari, "NomeStrada", 1);
    imposta(f.Guida.txtGDescrizione.MaxLength, TabGuida, "Descrizione");
}
} // namespace

bool FormViandora::Form_Load() {
    // Panels and lists where they stand at start-up.
    frmInputBox.Move(7900, 2350, 3650, 5130);
    frmPercorso.Move(8000, 3500, 3200, 3975);
    frmLista.Move(60, 2900, 7850, 4000);
    mfgCopia.Move(120, 800, 6850, 3210);
    frmGuida.Move(0, 6235, 11535, 1700);
    frmStampa.Move(5300, 3960, 3375, 2085);
    frmSelStampa.Move(5300, 3120, 3375, 3855);
    frmStampaInCorso.Move(1440, 5760, 6975, 735);
    frmExport.Move(120, 2950, 11400, 4965);
    cmbRicerca.Move(450, 3100, 3750, 3800);
    cmbRicercaTappa.Move(450, 3100, 3500, 3800);
    mfgTab.Move(5, 2850, 11535, 4055);
    mfgTab.Height = 4095;
    frmGuidaStampa.Visible = false;
    cmdConverte.Visible = false;
    cmbRicerca.Visible = false;
    frmExport.Visible = false;
    frmSelStampa.Visible = false;
    frmStampa.Visible = false;
    frmGuida.Visible = false;
    frmStampaInCorso.Visible = false;
    mfgTab.Visible = true;

    Tappe.CancellaMatrice();
    ComandiMeta = QStringLiteral("ZZ");
    ComandiItinerario = QStringLiteral("ZZ");
    AbilitaPulsantiComando();
    PulisciFinestre();

    QDir::setCurrent(CartellaProgramma);
    Db.FileDatabase = CartellaProgramma + QString::fromLatin1(NomeFileDatabase);
    if (!ApriDatabase()) {
        Db.Chiudi();
        Blocco.Rilascia();
        Termina();
        return false;
    }

    // A write refused from here on (the defaults row, the guide's flags, a
    // database locked by another copy) is told, and the window starts with
    // what could be read: nothing stored is lost by going on.
    auto passo = [this](const std::function<void()>& azione) {
        try {
            azione();
        } catch (const ErroreDatabase& e) {
            piattaforma_.MsgBox(e.Messaggio(), Msg::OkOnly | Msg::Critical, Caption);
        }
    };
    Db.RecordSetImpostaDefault();
    passo([this] { LunghezzeCampi(*this); });
    passo([this] { SchermoMeta.CaricaComboBox(); });
    ImpostaGriglia(GrigliaTappe);
    cmdItinerario.Visible = true;
    AzzeraPercentuale();

    passo([this] {
        SchermoMeta.RicercaMetaCorrente();
        if (!Meta.CodiceMetaCorrente.isEmpty()) {
            SchermoMeta.CaricaDatiAnagraficiMeta();
            Tappe.CaricaTappeItinerario();
        }
    });
    Itinerario.RigaCorrente = qMax<qint16>(Itinerario.RigaCorrente, 1);
    AggiornaNumeroRiga();
    passo([this] { Guida.CaricaTipiGuida(); });

    Db.RecordSetImpostaDefault();
    mfgCopia.Visible = false;
    mfgTab.Modificata();
    mfgCopia.Modificata();

    ComandiMeta = Meta.CodiceMetaCorrente.isEmpty() ? QStringLiteral("NuImEs") : QStringLiteral("All");
    AbilitaPulsantiComando();

    Conversione.MostraConverte();
    SchermoMeta.ImpostaGiorniMeseInizio();
    return true;
}

bool FormViandora::ApriDatabase() {
    const QString file = QDir::toNativeSeparators(Db.FileAperto());
    // On a copy in memory (viandora-cli) nothing is written: no lock, no
    // question, only the reason of a failure.
    const bool finestra = !Db.CopiaInMemoria();
    auto chiedi = [&](const QString& testo) {
        return piattaforma_.MsgBox(testo, Msg::YesNo | Msg::Exclamation, Caption) == Msg::Yes;
    };
    const QString oppureTermina =
        QStringLiteral("\r\n\r\nVuoi aprirlo in sola lettura? (No: il programma termina)");
    if (finestra && Blocco.Prendi(Db.FileDatabase) == BloccoScrittura::Esito::Occupato) {
        // Two windows writing one file would overwrite each other's work.
        if (!chiedi(
                QStringLiteral("Il database %1 è già aperto in un'altra finestra di Viandora.").arg(file) +
                oppureTermina))
            return false;
        ApriInSolaLettura();
    }
    for (;;) {
        int codice = SQLITE_OK;
        try {
            // Setting up the tables of the copy a read-only window looks at.
            Database::ScritturaDiServizio servizio(Db);
            const bool creato = Db.DatabaseCrea();
            if (Db.DatabaseApre()) {
                if (creato) Db.DatabaseTabelleCreazione();
                Db.DataBaseTabelleAggiorna();
                Db.RecordSetImpostaDefault();
                return true;
            }
            codice = Db.CodiceApertura();
        } catch (const ErroreDatabase& e) {
            codice = e.Codice();
        }
        Db.Chiudi();
        const QString messaggio = MessaggioErroreApertura(file, codice);
        if (finestra && (codice == SQLITE_BUSY || codice == SQLITE_LOCKED)) {
            if (chiedi(messaggio + QStringLiteral(".\r\n\r\nVuoi riprovare?"))) continue;
            return false;
        }
        if (finestra && codice == SQLITE_READONLY && !Db.SolaLettura()) {
            if (!chiedi(messaggio + u'.' + oppureTermina)) return false;
            ApriInSolaLettura();
            continue;
        }
        piattaforma_.MsgBox(messaggio, Msg::OkOnly | Msg::Critical, Caption);
        return false;
    }
}

// The window works on a copy in memory of the file, which stays as it is,
// and every command that would store the user's data is refused.
void FormViandora::ApriInSolaLettura() {
    Blocco.Rilascia();
    Db.UsaCopiaInMemoria(Db.FileDatabase);
    Db.ImpostaSolaLettura(true);
    Caption += QStringLiteral(" - sola lettura");
}
