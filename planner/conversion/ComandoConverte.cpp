// "Converte": the old data files of the program's folder into the database,
// from the question to the reloaded trip screen.
#include "common/Tempi.h"
#include "conversion/Conversione.h"
#include "conversion/FileARecord.h"
#include "conversion/RecordVecchi.h"
#include "shell/FormViandora.h"
#include "trip/Meta.h"

namespace {
const QString TitoloConversione = QStringLiteral("Conversione file");
const QString ACapo = QStringLiteral("\r\n");
} // namespace

void FormViandora::MostraConverte() {
    if (Db.SolaLettura()) return;
    if (!ElencoFile(CartellaProgramma).Cerca(FileMeteVecchio).isEmpty()) {
        cmdConverte.Visible = true;
        cmdConverte.Enabled = true;
    }
}

void FormViandora::cmdConverte_Click() {
    const QString domanda =
        QStringLiteral("Vuoi convertire i vecchi file nel corrente database?") + ACapo + ACapo +
        QStringLiteral("I dati già presenti nel database saranno integrati e non cancellati.") + ACapo +
        ACapo + QStringLiteral("Procedo?");
    bool fallita = false;
    if (piattaforma_.MsgBox(domanda, Msg::YesNo | Msg::Question, TitoloConversione) == Msg::Yes) {
        // Pending events run at every record: no other command may start
        // while the transaction is open.
        ComandiMeta = QStringLiteral("ZZ");
        AbilitaPulsantiComando();
        ConversioneVecchiFile conversione(Db, CartellaProgramma);
        conversione.avanzamento = this;
        conversione.mostraLocalita = [this](const QString& testo) {
            txtLocalita.Text = testo;
            piattaforma_.ElaboraEventi();
        };
        conversione.mostraNazione = [this](const QString& testo) { txtNazione.Text = testo; };
        try {
            const RiepilogoConversione riepilogo = conversione.Esegui();
            AzzeraPercentuale();
            QString messaggio = QStringLiteral("Conversione eseguita...");
            if (riepilogo.sosteNegative > 0)
                messaggio += ACapo + ACapo + TestoSosteNegative(riepilogo.sosteNegative);
            if (!riepilogo.fileNonCancellati.isEmpty())
                messaggio +=
                    ACapo + ACapo +
                    QStringLiteral("Non è stato possibile cancellare questi vecchi file; cancellali prima "
                                   "di ripetere la conversione, che riscriverebbe le mète:") +
                    ACapo + riepilogo.fileNonCancellati.join(ACapo);
            piattaforma_.MsgBox(messaggio,
                                Msg::OkOnly | (riepilogo.fileNonCancellati.isEmpty() ? 0 : Msg::Exclamation),
                                TitoloConversione);
        } catch (const ErroreConversione& e) {
            fallita = true;
            AzzeraPercentuale();
            piattaforma_.MsgBox(QStringLiteral("Conversione non eseguita: il database è rimasto com'era e i "
                                               "vecchi file sono stati conservati.") +
                                    ACapo + ACapo + e.Messaggio(),
                                Msg::OkOnly | Msg::Critical, TitoloConversione);
        }
    }

    Db.RecordSetImpostaDefault();
    RicercaMetaCorrente();
    if (!Meta.CodiceMetaCorrente.isEmpty()) {
        CaricaDatiAnagraficiMeta();
        CaricaTappeItinerario();
    } else {
        txtLocalita.Text.clear();
        txtNazione.Text.clear();
    }
    // The guide types may have been rebuilt.
    CaricaTipiGuida();
    ComandiMeta = Meta.CodiceMetaCorrente.isEmpty() ? QStringLiteral("NuImEs") : QStringLiteral("all");
    AbilitaPulsantiComando();
    // The old files are still there: the conversion can be tried again.
    if (fallita) MostraConverte();
}
