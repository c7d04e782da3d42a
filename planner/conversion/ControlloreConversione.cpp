#include "conversion/ControlloreConversione.h"

#include "common/Tempi.h"
#include "conversion/Conversione.h"
#include "conversion/FileARecord.h"
#include "conversion/RecordVecchi.h"
#include "database/Database.h"
#include "shell/FinestraComune.h"

namespace {
const QString TitoloConversione = QStringLiteral("Conversione file");
const QString ACapo = QStringLiteral("\r\n");
} // namespace

ControlloreConversione::ControlloreConversione(FinestraComune& finestra, Pulsante& cmdConverte)
    : finestra_(finestra), cmdConverte_(cmdConverte) {}

void ControlloreConversione::CollegaEventi() {
    finestra_.SuClick(QStringLiteral("cmdConverte"), [this] { cmdConverte_Click(); });
}

void ControlloreConversione::MostraConverte() {
    if (finestra_.Archivio().SolaLettura()) return;
    if (!ElencoFile(finestra_.Cartella()).Cerca(FileMeteVecchio).isEmpty()) {
        cmdConverte_.Visible = true;
        cmdConverte_.Enabled = true;
    }
}

void ControlloreConversione::cmdConverte_Click() {
    Piattaforma& sistema = finestra_.Sistema();
    Database& db = finestra_.Archivio();
    const QString domanda =
        QStringLiteral("Vuoi convertire i vecchi file nel corrente database?") + ACapo + ACapo +
        QStringLiteral("I dati già presenti nel database saranno integrati e non cancellati.") + ACapo +
        ACapo + QStringLiteral("Procedo?");
    bool fallita = false;
    if (sistema.MsgBox(domanda, Msg::YesNo | Msg::Question, TitoloConversione) == Msg::Yes) {
        // Pending events run at every record: no other command may start
        // while the transaction is open.
        finestra_.OffriComandi(QStringLiteral("ZZ"));
        ConversioneVecchiFile conversione(db, finestra_.Cartella());
        conversione.avanzamento = &finestra_;
        conversione.mostraLocalita = [this](const QString& testo) {
            finestra_.MostraLocalita(testo);
            finestra_.Sistema().ElaboraEventi();
        };
        conversione.mostraNazione = [this](const QString& testo) { finestra_.MostraNazione(testo); };
        try {
            const RiepilogoConversione riepilogo = conversione.Esegui();
            finestra_.FineAvanzamento();
            QString messaggio = QStringLiteral("Conversione eseguita...");
            if (riepilogo.sosteNegative > 0)
                messaggio += ACapo + ACapo + TestoSosteNegative(riepilogo.sosteNegative);
            if (!riepilogo.fileNonCancellati.isEmpty())
                messaggio +=
                    ACapo + ACapo +
                    QStringLiteral("Non è stato possibile cancellare questi vecchi file; cancellali prima "
                                   "di ripetere la conversione, che riscriverebbe le mète:") +
                    ACapo + riepilogo.fileNonCancellati.join(ACapo);
            sistema.MsgBox(messaggio,
                           Msg::OkOnly | (riepilogo.fileNonCancellati.isEmpty() ? 0 : Msg::Exclamation),
                           TitoloConversione);
        } catch (const ErroreConversione& e) {
            fallita = true;
            finestra_.FineAvanzamento();
            sistema.MsgBox(QStringLiteral("Conversione non eseguita: il database è rimasto com'era e i "
                                          "vecchi file sono stati conservati.") +
                               ACapo + ACapo + e.Messaggio(),
                           Msg::OkOnly | Msg::Critical, TitoloConversione);
        }
    }

    db.RecordSetImpostaDefault();
    finestra_.RiprendiMetaCorrente();
    if (finestra_.CodiceMetaCorrente().isEmpty()) {
        finestra_.MostraLocalita(QString());
        finestra_.MostraNazione(QString());
    }
    // The guide types may have been rebuilt.
    finestra_.RicaricaTipiGuida();
    // The old files are still there: the conversion can be tried again.
    if (fallita) MostraConverte();
}
