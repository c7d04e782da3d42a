#include "RecordVecchi.h"

#include "FileARecord.h"
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"

const QString FileMeteVecchio = QStringLiteral("VianMete.dat");
const QString FileGuidaVecchio = QStringLiteral("VianGuid.dat");

const std::array<CampoVecchio, 21> CampiMetaVecchia = {{
    {"Localita", 0, 30},          {"Nazione", 30, 19},        {"DataInizio", 49, 8},
    {"OraInizio", 57, 4},         {"MediaAutostrada", 61, 3}, {"MediaSuperStrada", 64, 3},
    {"MediaPrincipale", 67, 3},   {"MediaLocale", 70, 3},     {"OraColazione", 73, 4},
    {"OraPranzo", 77, 4},         {"DurataPranzo", 81, 4},    {"OraCena", 85, 4},
    {"DurataCena", 89, 4},        {"OraNotte", 93, 4},        {"CodiceMeta", 97, 4},
    {"RiposoMinuti", 101, 2},     {"RiposoOre", 103, 2},      {"RiposoGiorno", 105, 2},
    {"RiposoDopoGiorni", 107, 2}, {"InizioVisita", 109, 4},   {"FineVisita", 113, 4},
}};

namespace {

QString Campo(const QByteArray& record, const CampoVecchio& c) {
    return CampoRecord(record, c.offset, c.larghezza);
}

// Blanks only: the fields are padded with blanks.
QString SenzaBlanchi(const QString& testo) {
    qsizetype inizio = 0;
    while (inizio < testo.size() && testo.at(inizio) == u' ')
        ++inizio;
    return SenzaBlanchiFinali(testo.mid(inizio));
}

bool Vuoto(const QString& testo) {
    return SenzaBlanchi(testo).isEmpty();
}

} // namespace

QString SenzaBlanchiFinali(const QString& testo) {
    qsizetype fine = testo.size();
    while (fine > 0 && testo.at(fine - 1) == u' ')
        --fine;
    return testo.left(fine);
}

std::optional<MetaVecchia> MetaDaRecord(const QByteArray& record) {
    const QString localita = Campo(record, CampiMetaVecchia[0]);
    const double numero = Val(Campo(record, CampiMetaVecchia[CampoNumeroMeta]));
    if (!(numero > 0) || localita.startsWith(QLatin1String("..")) || Vuoto(localita)) return std::nullopt;
    MetaVecchia meta;
    meta.codice = Zero(numero, 6);
    for (int i = 0; i < int(CampiMetaVecchia.size()); ++i) {
        if (i == CampoNumeroMeta) continue;
        const CampoVecchio& c = CampiMetaVecchia[i];
        const QString valore = Campo(record, c);
        meta.campi.append(
            {QString::fromLatin1(c.destinazione), i == 0 ? SenzaBlanchiFinali(valore) : valore});
    }
    return meta;
}

QString FileItinerarioVecchio(const QString& codiceMeta) {
    return QStringLiteral("vian") + codiceMeta.right(4) + QStringLiteral(".dat");
}

int TappeIntestazione(const QByteArray& record) {
    const double prima = Val(CampoRecord(record, 0, 24));
    const double seconda = Val(CampoRecord(record, 24, 3));
    return prima == seconda ? CInt(seconda) : 0;
}

std::optional<TappaVecchia> TappaDaRecord(const QByteArray& record) {
    const QString campo = CampoRecord(record, 0, 24);
    const qsizetype stella = campo.indexOf(u'*');
    const QString localita = stella < 0 ? campo : campo.left(stella);
    if (Vuoto(localita)) return std::nullopt;
    const char16_t iniziale = localita.at(0).unicode();
    if (iniziale < u'A' || iniziale > u'Z') return std::nullopt;

    TappaVecchia tappa;
    tappa.localita = SenzaBlanchiFinali(localita);
    tappa.chilometri = CampoRecord(record, 24, 3);
    tappa.strada = ((stella < 0 ? QString() : SenzaBlanchi(campo.mid(stella + 1))) + u' ').left(64);
    tappa.tipo = CampoRecord(record, 27, 1);
    const QString sosta = CampoRecord(record, 28, 6);
    tappa.sostaNegativa = SostaNegativa(sosta);
    tappa.sosta = Val(sosta) != 0 && !tappa.sostaNegativa
                      ? sosta.left(2) + u':' + sosta.mid(2, 2) + u':' + sosta.mid(4, 2)
                      : QStringLiteral(" ");
    return tappa;
}

QString SequenzaTappa(qint64 r) {
    return (QStringLiteral("0000") + QString::number(r - 1)).right(4);
}

VoceGuidaVecchia VoceDaRecord(const QByteArray& record) {
    VoceGuidaVecchia voce;
    voce.localita = SenzaBlanchiFinali(CampoRecord(record, 0, 30));
    voce.codice = (QStringLiteral("00") + CampoRecord(record, 30, 1)).right(2);
    voce.descrizione = SenzaBlanchiFinali(CampoRecord(record, 31, 60));
    const QString campo = CampoRecord(record, 91, 5);
    voce.tempoNegativo = SostaNegativa(campo);
    const QString tempo =
        (QStringLiteral("0000") + (voce.tempoNegativo ? QString() : SenzaBlanchi(campo))).right(4);
    voce.tempo = tempo.left(2) + u':' + tempo.right(2);
    voce.visto = CampoRecord(record, 96, 1);
    return voce;
}
