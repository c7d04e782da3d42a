// The city-guide printout: the localities with guide entries, either their
// names five to a row or every entry with its type and time.
//
// Record-set slots: 8 the list of localities, 9 one locality's entries.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "guide/Guida.h"
#include "printing/Stampa.h"
#include "shell/FormViandora.h"
#include "trip/Meta.h"

namespace {
constexpr int SlotElenco = 8;
constexpr int SlotVoci = 9;
const QString Serif = QStringLiteral("Times new roman");
constexpr quint32 VerdeChiaro = 0xC0FFC0;
const QString Logo = QStringLiteral(":/stampa/logo.png");
// The page's right edge: the every-entry layout's last column ends there
// rather than off the paper.
constexpr int LarghezzaStampabile = 195;
} // namespace

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
    // 1: the trip's localities, 0: all; 1: every entry, 0: names only.
    const int lista = s.optGuidaListaStampa[0].Value ? 1 : 0;
    const int dettaglio = s.optGuidaDettaglioStampa[0].Value ? 1 : 0;
    const QString tabellaGuida = Db.Schema().NomeTabella[TabGuida];

    s.RigaStampa = 900;
    s.ColonnaLista = 1;
    s.PosizioneColonna.fill(0);
    s.PosizioneColonna[1] = 5;
    s.UltimaPosizione = dettaglio == 0 ? 6 : 5;
    p.FontName = Serif;

    QStringList elenco;
    if (lista == 0) {
        Db.RecordSetImposta(SlotElenco, Query(tabellaGuida).OrdinaPer(QStringLiteral("Localita")));
        RecordSet& rs = Db.Rs(SlotElenco);
        QString precedente = QStringLiteral("\\");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            const QString localita = rs.Testo(QStringLiteral("Localita")).trimmed();
            if (localita != precedente) elenco.append(localita);
            precedente = localita;
        }
    } else {
        Db.RecordSetImposta(SlotElenco, Query(Db.Schema().NomeTabella[TabItinerari])
                                            .Dove(QStringLiteral("CodiceMeta"), Meta.CodiceMetaCorrente)
                                            .OrdinaPer(QStringLiteral("Sequenza")));
        RecordSet& tappe = Db.Rs(SlotElenco);
        int n = 0;
        for (tappe.MoveFirst(); !tappe.Eof(); tappe.MoveNext()) {
            const QString localita = tappe.Testo(QStringLiteral("Localita"));
            Db.RecordSetImposta(
                SlotVoci, Query(tabellaGuida).DoveCome(QStringLiteral("Localita"), LikeTesto(localita)));
            if (Db.NumeroRecord > 0) elenco.append(Zero(n++, 5) + u' ' + localita);
        }
    }

    auto& pc = s.PosizioneColonna;
    if (dettaglio == 0) {
        for (int i = 1; i <= 5; ++i)
            pc[i + 1] = pc[i] + 38;
    } else {
        const QString larghezze = QStringLiteral(" 40 20120 20");
        for (int i = 1; i <= 4; ++i)
            pc[i + 1] = pc[i] + larghezze.mid(3 * i - 3, 3).trimmed().toInt();
        pc[5] = qMin(pc[5], LarghezzaStampabile);
    }

    InizioAvanzamento(QStringLiteral("Stampa della tabella di marcia"), elenco.size());
    for (const QString& voce : elenco) {
        ContatoreProgresso += 1;
        AggiornaPercentuale();
        const QString localita = lista == 1 ? voce.mid(6) : voce;
        Query query(tabellaGuida);
        query.DoveCome(QStringLiteral("Localita"), LikeTesto(localita));
        if (dettaglio == 1) query.OrdinaPer(QStringLiteral("CodiceGuida"));
        Db.RecordSetImposta(SlotVoci, query);
        RecordSet& rs = Db.Rs(SlotVoci);
        rs.MoveFirst();
        if (dettaglio == 0) {
            if (!rs.Eof()) StampaRigaGuidaCitta(rs, lista, dettaglio);
        } else {
            for (; !rs.Eof(); rs.MoveNext())
                StampaRigaGuidaCitta(rs, lista, dettaglio);
        }
        lblElaborazione.Caption = QStringLiteral("Stampa della guida citta (pag. %1)").arg(p.Page());
    }
    if (dettaglio == 0 && s.ColonnaLista >= 2) s.RigaStampa += s.AltezzaRiga;
    AzzeraPercentuale();

    if (s.RigaStampa >= 500) {
        // Nothing to print: no document at all.
        p.KillDoc();
        return true;
    }
    StampaFinePaginaGuida();
    if (p.EndDoc()) return true;
    const QString motivo = p.Errore();
    piattaforma_.MsgBox(QStringLiteral("Stampa della Guida Città non riuscita.") +
                            (motivo.isEmpty() ? QString() : QStringLiteral("\r\n") + motivo),
                        Msg::OkOnly | Msg::Critical, QStringLiteral("Stampa"));
    return false;
}

void FormViandora::StampaRigaGuidaCitta(RecordSet& rs, int TipoDiListaGuidaDaStampare,
                                        int TipoDiDettaglioDaStampare) {
    StatoStampa& s = Stampa;
    PaginaStampa& p = *s.Pagina;
    const auto& pc = s.PosizioneColonna;
    if (s.RigaStampa > 280) {
        StampaFinePaginaGuida();
        StampaIntestaPaginaGuida(TipoDiListaGuidaDaStampare, TipoDiDettaglioDaStampare);
    }
    auto rigaDiFondo = [&] {
        p.Line(pc[1] - 2, s.RigaStampa, pc[s.UltimaPosizione], s.RigaStampa);
        s.RigaStampa += s.AltezzaRiga;
    };
    if (TipoDiDettaglioDaStampare == 0) {
        StampaTestoNellaCella(s, rs.Testo(QStringLiteral("Localita")), s.RigaStampa, pc[s.ColonnaLista],
                              pc[s.ColonnaLista + 1], false, false, 8, 0, s.ColonnaLista, s.ColonnaLista + 1);
        if (++s.ColonnaLista == s.UltimaPosizione) {
            rigaDiFondo();
            s.ColonnaLista = 1;
        }
        return;
    }
    const int codice = int(Val(rs.Testo(QStringLiteral("CodiceGuida"))));
    const QString tipo = codice >= 0 && codice < int(Guida.DescrizioneTipoGuida.size())
                             ? Guida.DescrizioneTipoGuida[codice]
                             : QString();
    const QString celle[] = {rs.Testo(QStringLiteral("Localita")), tipo,
                             rs.Testo(QStringLiteral("Descrizione")), rs.Testo(QStringLiteral("TempoSosta"))};
    for (int i = 1; i <= 4; ++i)
        StampaTestoNellaCella(s, celle[i - 1], s.RigaStampa, pc[i], pc[i + 1], false, false, 8,
                              i == 4 ? 1 : 0, i, i + 1);
    rigaDiFondo();
}

void FormViandora::StampaIntestaPaginaGuida(int TipoDiListaGuidaDaStampare, int TipoDiDettaglioDaStampare) {
    StatoStampa& s = Stampa;
    PaginaStampa& p = *s.Pagina;
    const auto& pc = s.PosizioneColonna;
    const int ultima = s.UltimaPosizione;
    p.FontName = Serif;
    p.FillColor = VerdeChiaro;
    s.RigaStampa = 5;
    p.PaintPicture(Logo, 10, 0, 15, 15);

    QString titolo =
        QStringLiteral("Guida Città: - ") + s.optGuidaListaStampa[1 - TipoDiListaGuidaDaStampare].Caption;
    if (TipoDiListaGuidaDaStampare == 1) titolo += QStringLiteral(": ") + txtLocalita.Text;
    titolo += QStringLiteral(" - ") + s.optGuidaDettaglioStampa[1 - TipoDiDettaglioDaStampare].Caption;
    titolo.remove(u'&');
    s.RigaStampa += 8;
    StampaTesto(p, AdattamentoTesto::Taglia, titolo, s.RigaStampa, pc[2], pc[ultima], true, false, 10, 1);
    s.RigaStampa += s.AltezzaRiga + 3;

    p.DrawWidth = 3;
    p.FillSolid = true;
    p.Box(pc[1] - 2, s.RigaStampa, pc[ultima], s.RigaStampa + 6);
    p.DrawWidth = 1;
    p.FillSolid = false;
    s.RigaStampa += s.AltezzaRiga;
    const QStringList intestazioni =
        TipoDiDettaglioDaStampare == 0 ? QStringList(ultima - 1, QStringLiteral("Località"))
                                       : QStringList{QStringLiteral("Localita"), QStringLiteral("Tipo"),
                                                     QStringLiteral("Descrizione"), QStringLiteral("Sosta")};
    for (int i = 1; i < ultima; ++i) {
        StampaTestoNellaCella(s, intestazioni.value(i - 1), s.RigaStampa, pc[i], pc[i + 1], true, false, 9, 1,
                              i, i + 1);
        if (i >= 2) p.Line(pc[i] - 1, s.RigaStampa - 5, pc[i] - 1, s.RigaStampa + 1);
    }
    s.RigaStampa += s.AltezzaRiga + 2;
    s.PosizioneColonna[0] = s.RigaStampa - s.AltezzaRiga;
}

void FormViandora::StampaFinePaginaGuida() {
    StatoStampa& s = Stampa;
    if (s.RigaStampa >= 500) return;
    const auto& pc = s.PosizioneColonna;
    for (int i = 2; i < s.UltimaPosizione; ++i)
        s.Pagina->Line(pc[i] - 1, pc[0], pc[i] - 1, s.RigaStampa - s.AltezzaRiga);
    StampaFinePagina();
}
