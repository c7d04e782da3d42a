// The city-guide printout from the window: its options panel, and the
// printout of the options chosen.
#include "guide/ControlloreGuida.h"
#include "printing/Stampa.h"
#include "printing/StampaGuidaCitta.h"
#include "shell/FormViandora.h"
#include "trip/Meta.h"

void FormViandora::cmdStampaGuidaCitta_Click() {
    frmGuidaStampa.Visible = true;
}

void FormViandora::cmdStampaGuida_Click(int Index) {
    if (Index == 0) {
        Stampa.TipoStampa = 2;
        frmGuida.Enabled = false;
        frmSelStampa.Move(5300, 3120, 3375, 3240);
        VisualizzaListaStampanti();
        return;
    }
    frmGuidaStampa.Visible = false;
}

bool FormViandora::StampaDelleMete() {
    StatoStampa& s = Stampa;
    PaginaStampa& p = *s.Pagina;
    OpzioniGuida opzioni;
    if (s.optGuidaListaStampa[0].Value) {
        opzioni.CodiceMeta = Meta.CodiceMetaCorrente;
        opzioni.LocalitaMeta = txtLocalita.Text;
    }
    opzioni.Dettaglio = s.optGuidaDettaglioStampa[0].Value;
    opzioni.TipiGuida = Guida.DescrizioneTipoGuida;

    PaginaTabellare pagina(p);
    pagina.Oggi = piattaforma_.Adesso().date();
    const bool stampata = DisegnaGuidaCitta(pagina, Db, opzioni, this, [this](int numero) {
        lblElaborazione.Caption = QStringLiteral("Stampa della guida citta (pag. %1)").arg(numero);
    });
    AzzeraPercentuale();
    if (!stampata) {
        // Nothing to print: no document at all.
        p.KillDoc();
        return true;
    }
    if (p.EndDoc()) return true;
    const QString motivo = p.Errore();
    piattaforma_.MsgBox(QStringLiteral("Stampa della Guida Città non riuscita.") +
                            (motivo.isEmpty() ? QString() : QStringLiteral("\r\n") + motivo),
                        Msg::OkOnly | Msg::Critical, QStringLiteral("Stampa"));
    return false;
}
