// The cells of the timetable's rows and the texts of the trip's totals.
#include "common/Date.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "model/RigaMarcia.h"
#include "model/TestiCalcolo.h"

namespace {

QString Note(const RigaMarcia& r, const std::array<QString, 11>& tipiGuida) {
    QString note;
    if (r.Riposo) note = QStringLiteral("+ Riposo ") + Zero(r.MinutiRiposo, 2) + u'\'';
    if (r.Pranzo) note += QStringLiteral("Pranzo");
    if (r.Cena) note += QStringLiteral("Cena");
    if (r.Notte) note += QStringLiteral("Notte");
    switch (r.Visita) {
    case VisitaRiga::Visita:
        note += QStringLiteral("Visita");
        break;
    case VisitaRiga::FineGiornata:
        note += QStringLiteral("Visita/f.g.");
        break;
    case VisitaRiga::Traghetto:
        note += QStringLiteral("Traghetto/Visita");
        break;
    case VisitaRiga::Nessuna:
        break;
    }
    if (r.TipoVoce >= 0 && r.TipoVoce < int(tipiGuida.size())) note += tipiGuida[size_t(r.TipoVoce)];
    if (r.Tipo == TipoRigaMarcia::Imbarco)
        note += QStringLiteral("Imbarco %1:%2")
                    .arg(r.Partenza / 60, 2, 10, QLatin1Char('0'))
                    .arg(r.Partenza % 60, 2, 10, QLatin1Char('0'));
    if (r.NotteABordo) note += QStringLiteral("Notte a bordo");
    if (r.Chiuso) note += QStringLiteral(" (chiuso)");
    return note;
}

} // namespace

QString TestoLimite(const LimiteRiga& limite) {
    return TestoLimite(limite.Segno, limite.Giorno, limite.Ora);
}

std::array<QString, ColonneMarcia> CelleRiga(const RigaMarcia& r, int numero,
                                             const std::array<QString, 11>& tipiGuida) {
    std::array<QString, ColonneMarcia> c;
    if (r.Tipo == TipoRigaMarcia::Vuota) return c;
    const bool datata = r.Tipo == TipoRigaMarcia::Tratto || r.Tipo == TipoRigaMarcia::Sosta ||
                        r.Tipo == TipoRigaMarcia::Imbarco;
    switch (r.Tipo) {
    case TipoRigaMarcia::Tappa:
        c[MarciaNumero] = QString::number(numero);
        c[MarciaLocalita] = r.Localita;
        break;
    case TipoRigaMarcia::Tratto:
        c[MarciaNumero] = QString::number(numero);
        c[MarciaLocalita] = r.Verso ? QStringLiteral("verso: ") + PrimoMaiuscolo(r.Localita) : r.Localita;
        c[MarciaStrada] = r.Strada;
        c[MarciaKm] = QString::number(r.Km);
        c[MarciaTipoStrada] = r.TipoStrada;
        c[MarciaKmProgressivi] = Formato(r.KmProgressivi, QStringLiteral("#,###"));
        c[MarciaTempo] = OraTesto(r.Tempo);
        break;
    case TipoRigaMarcia::Sosta:
        c[MarciaLocalita] = QStringLiteral("a: ") + PrimoMaiuscolo(r.Localita);
        c[MarciaSosta] = (ghmCentesimi2Stringa(r.Sosta, CentesimiGiorno) +
                          (r.FineGiornata ? QStringLiteral("*") : QString()))
                             .trimmed();
        break;
    case TipoRigaMarcia::Voce:
        c[MarciaLocalita] = QStringLiteral(" > ") + r.Localita;
        if (r.TempoVoce != QLatin1String("00:00")) c[MarciaSosta] = r.TempoVoce;
        break;
    case TipoRigaMarcia::Imbarco:
        c[MarciaNumero] = QString::number(numero);
        c[MarciaLocalita] = r.Localita.trimmed().isEmpty()
                                ? QStringLiteral("imbarco")
                                : QStringLiteral("imbarco: ") + PrimoMaiuscolo(r.Localita);
        c[MarciaStrada] = r.Strada;
        break;
    case TipoRigaMarcia::Vuota:
        break;
    }
    if (datata) {
        // One date text for both cells, as GiornoSettimanaDi and DataTesto
        // would each build it.
        const QString data = Giu2Datas(r.Giorno);
        c[MarciaGiornoSettimana] = GiornoSettimana(data);
        c[MarciaData] = Data2Data(data).left(5);
        c[MarciaOra] = OraTesto(r.Ora);
    }
    for (int i = 0; i < r.GiorniDiRiposo; ++i)
        c[MarciaOra].prepend(QStringLiteral("* "));
    c[MarciaNote] = Note(r, tipiGuida);
    if (r.Limite) c[MarciaLimite] = TestoLimite(*r.Limite);
    return c;
}

TestiTotali TestiDeiTotali(const TotaliMarcia& t) {
    TestiTotali testi;
    for (size_t k = 0; k < 5; ++k) {
        if (t.Km[k]) testi.Km[k] = Formato(*t.Km[k], QStringLiteral("##,##0"));
        if (t.Tempo[k]) testi.Tempo[k] = ghmCentesimi2Stringa(*t.Tempo[k], CentesimiGiorno);
    }
    if (t.Traghetti) testi.Traghetti = Formato(*t.Traghetti, QStringLiteral("#0"));
    if (t.GiornoFine) {
        int giorno = 0, mese = 0, anno = 0;
        Giul2Data(*t.GiornoFine, giorno, mese, anno);
        testi.Fine[0] = Zero(giorno, 2);
        testi.Fine[1] = Zero(mese, 2);
        testi.Fine[2] = Zero(anno, 4);
        testi.Fine[5] = GiornoSettimana(Gma2Data(giorno, mese, anno));
    }
    if (t.OraFine) {
        const QString ora = OraTesto(*t.OraFine);
        testi.Fine[3] = ora.left(2);
        testi.Fine[4] = ora.right(2);
    }
    if (t.Giorni) testi.Giorni = TestoNumero(*t.Giorni);
    return testi;
}
