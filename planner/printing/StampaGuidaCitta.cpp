#include "printing/StampaGuidaCitta.h"

#include "common/Avanzamento.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "database/Database.h"

namespace {

// The page's right edge: the every-entry layout's last column ends there
// rather than off the paper.
constexpr int LarghezzaStampabile = 195;

void StampaIntestaPaginaGuida(PaginaTabellare& s, const OpzioniGuida& o) {
    PaginaStampa& p = s.Pagina;
    const auto& pc = s.PosizioneColonna;
    const int ultima = s.UltimaPosizione;
    p.FontName = CarattereTabelle;
    p.FillColor = VerdeChiaro;
    s.RigaStampa = 5;
    p.PaintPicture(LogoStampa, 10, 0, 15, 15);

    QString titolo = QStringLiteral("Guida Città: - ") +
                     (o.CodiceMeta.isEmpty() ? QStringLiteral("Tutte")
                                             : QStringLiteral("Inerenti la Meta: ") + o.LocalitaMeta);
    titolo += QStringLiteral(" - ") +
              (o.Dettaglio ? QStringLiteral("Località e Guida") : QStringLiteral("Località"));
    s.RigaStampa += 8;
    StampaTesto(p, AdattamentoTesto::Taglia, titolo, s.RigaStampa, pc[2], pc[ultima], true, false, 10, 1);
    s.RigaStampa += s.AltezzaRiga + 3;

    p.DrawWidth = 3;
    p.FillSolid = true;
    p.Box(pc[1] - 2, s.RigaStampa, pc[ultima], s.RigaStampa + 6);
    p.DrawWidth = 1;
    p.FillSolid = false;
    s.RigaStampa += s.AltezzaRiga;
    const QStringList intestazioni = o.Dettaglio
                                         ? QStringList{QStringLiteral("Localita"), QStringLiteral("Tipo"),
                                                       QStringLiteral("Descrizione"), QStringLiteral("Sosta")}
                                         : QStringList(ultima - 1, QStringLiteral("Località"));
    for (int i = 1; i < ultima; ++i) {
        StampaTestoNellaCella(s, intestazioni.value(i - 1), s.RigaStampa, pc[i], pc[i + 1], true, false, 9, 1,
                              i, i + 1);
        if (i >= 2) p.Line(pc[i] - 1, s.RigaStampa - 5, pc[i] - 1, s.RigaStampa + 1);
    }
    s.RigaStampa += s.AltezzaRiga + 2;
    s.PosizioneColonna[0] = s.RigaStampa - s.AltezzaRiga;
}

void StampaFinePaginaGuida(PaginaTabellare& s) {
    if (s.RigaStampa >= 500) return;
    const auto& pc = s.PosizioneColonna;
    for (int i = 2; i < s.UltimaPosizione; ++i)
        s.Pagina.Line(pc[i] - 1, pc[0], pc[i] - 1, s.RigaStampa - s.AltezzaRiga);
    StampaFinePagina(s);
}

// One entry: localita, type code, description, time.
void StampaRigaGuidaCitta(PaginaTabellare& s, const OpzioniGuida& o, const QStringList& voce) {
    PaginaStampa& p = s.Pagina;
    const auto& pc = s.PosizioneColonna;
    if (s.RigaStampa > 280) {
        StampaFinePaginaGuida(s);
        StampaIntestaPaginaGuida(s, o);
    }
    auto rigaDiFondo = [&] {
        p.Line(pc[1] - 2, s.RigaStampa, pc[s.UltimaPosizione], s.RigaStampa);
        s.RigaStampa += s.AltezzaRiga;
    };
    if (!o.Dettaglio) {
        StampaTestoNellaCella(s, voce.at(0), s.RigaStampa, pc[s.ColonnaLista], pc[s.ColonnaLista + 1], false,
                              false, 8, 0, s.ColonnaLista, s.ColonnaLista + 1);
        if (++s.ColonnaLista == s.UltimaPosizione) {
            rigaDiFondo();
            s.ColonnaLista = 1;
        }
        return;
    }
    const int codice = int(Val(voce.at(1)));
    const QString tipo =
        codice >= 0 && codice < int(o.TipiGuida.size()) ? o.TipiGuida[size_t(codice)] : QString();
    const QString celle[] = {voce.at(0), tipo, voce.at(2), voce.at(3)};
    for (int i = 1; i <= 4; ++i)
        StampaTestoNellaCella(s, celle[i - 1], s.RigaStampa, pc[i], pc[i + 1], false, false, 8,
                              i == 4 ? 1 : 0, i, i + 1);
    rigaDiFondo();
}

QList<QStringList> Voci(Database& db, const QString& localita, bool ordinate) {
    Query query(db.Schema().NomeTabella[TabGuida]);
    query.DoveCome(QStringLiteral("Localita"), LikeTesto(localita));
    if (ordinate) query.OrdinaPer(QStringLiteral("CodiceGuida"));
    QList<QStringList> voci;
    db.Leggi(query,
             {QStringLiteral("Localita"), QStringLiteral("CodiceGuida"), QStringLiteral("Descrizione"),
              QStringLiteral("TempoSosta")},
             [&](qint64, const QStringList& v) { voci << v; });
    return voci;
}

} // namespace

bool DisegnaGuidaCitta(PaginaTabellare& s, Database& db, const OpzioniGuida& o, Avanzamento* avanzamento,
                       const std::function<void(int)>& pagina) {
    PaginaStampa& p = s.Pagina;
    s.RigaStampa = 900;
    s.ColonnaLista = 1;
    s.PosizioneColonna.fill(0);
    s.PosizioneColonna[1] = 5;
    s.UltimaPosizione = o.Dettaglio ? 5 : 6;
    p.FontName = CarattereTabelle;

    QStringList elenco;
    if (o.CodiceMeta.isEmpty()) {
        QString precedente = QStringLiteral("\\");
        db.Leggi(Query(db.Schema().NomeTabella[TabGuida]).OrdinaPer(QStringLiteral("Localita")),
                 {QStringLiteral("Localita")}, [&](qint64, const QStringList& v) {
                     const QString localita = v.at(0).trimmed();
                     if (localita != precedente) elenco.append(localita);
                     precedente = localita;
                 });
    } else {
        QStringList tappe;
        db.Leggi(Query(db.Schema().NomeTabella[TabItinerari])
                     .Dove(QStringLiteral("CodiceMeta"), o.CodiceMeta)
                     .OrdinaPer(QStringLiteral("Sequenza")),
                 {QStringLiteral("Localita")}, [&](qint64, const QStringList& v) { tappe << v.at(0); });
        for (const QString& localita : std::as_const(tappe))
            if (!Voci(db, localita, false).isEmpty()) elenco.append(localita);
    }

    auto& pc = s.PosizioneColonna;
    if (!o.Dettaglio) {
        for (int i = 1; i <= 5; ++i)
            pc[i + 1] = pc[i] + 38;
    } else {
        const QString larghezze = QStringLiteral(" 40 20120 20");
        for (int i = 1; i <= 4; ++i)
            pc[i + 1] = pc[i] + larghezze.mid(3 * i - 3, 3).trimmed().toInt();
        pc[5] = qMin(pc[5], LarghezzaStampabile);
    }

    if (avanzamento)
        avanzamento->InizioAvanzamento(QStringLiteral("Stampa della tabella di marcia"), elenco.size());
    for (const QString& localita : std::as_const(elenco)) {
        if (avanzamento) avanzamento->Avanza();
        const QList<QStringList> voci = Voci(db, localita, o.Dettaglio);
        if (!o.Dettaglio) {
            if (!voci.isEmpty()) StampaRigaGuidaCitta(s, o, voci.first());
        } else {
            for (const QStringList& voce : voci)
                StampaRigaGuidaCitta(s, o, voce);
        }
        if (pagina) pagina(p.Page());
    }
    if (!o.Dettaglio && s.ColonnaLista >= 2) s.RigaStampa += s.AltezzaRiga;
    if (s.RigaStampa >= 500) return false;
    StampaFinePaginaGuida(s);
    return true;
}
