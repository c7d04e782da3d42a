// The city-guide printout from the window: its options panel, and the
// printout of the options chosen.
#include "guide/ControlloreGuida.h"
#include "printing/Stampa.h"
#include "printing/StampaGuidaCitta.h"
#include "shell/FinestraComune.h"
#include "trip/Meta.h"

void ControlloreStampa::cmdStampaGuidaCitta_Click() {
    p_.frmGuidaStampa.Visible = true;
}

void ControlloreStampa::cmdStampaGuida_Click(int Index) {
    if (Index == 0) {
        TipoStampa = 2;
        p_.frmGuida.Enabled = false;
        p_.frmSelStampa.Move(5300, 3120, 3375, 3240);
        VisualizzaListaStampanti();
        return;
    }
    p_.frmGuidaStampa.Visible = false;
}

bool ControlloreStampa::StampaDelleMete() {
    ControlloreStampa& s = *this;
    PaginaStampa& p = *s.Pagina;
    OpzioniGuida opzioni;
    if (s.optGuidaListaStampa[0].Value) {
        opzioni.CodiceMeta = finestra_.CodiceMetaCorrente();
        opzioni.LocalitaMeta = finestra_.LocalitaMeta();
    }
    opzioni.Dettaglio = s.optGuidaDettaglioStampa[0].Value;
    opzioni.TipiGuida = finestra_.DescrizioniTipiGuida();

    PaginaTabellare pagina(p);
    pagina.Oggi = finestra_.Sistema().Adesso().date();
    const bool stampata =
        DisegnaGuidaCitta(pagina, finestra_.Archivio(), opzioni, &finestra_, [this](int numero) {
            p_.lblElaborazione.Caption = QStringLiteral("Stampa della guida citta (pag. %1)").arg(numero);
        });
    finestra_.FineAvanzamento();
    if (!stampata) {
        // Nothing to print: no document at all.
        p.KillDoc();
        return true;
    }
    if (p.EndDoc()) return true;
    const QString motivo = p.Errore();
    finestra_.Sistema().MsgBox(QStringLiteral("Stampa della Guida Città non riuscita.") +
                                   (motivo.isEmpty() ? QString() : QStringLiteral("\r\n") + motivo),
                               Msg::OkOnly | Msg::Critical, QStringLiteral("Stampa"));
    return false;
}
