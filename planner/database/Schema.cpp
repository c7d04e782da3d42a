#include "database/Schema.h"

#include <QStringList>

namespace {

const char* const StrutturaMete =
    "CodiceMeta[T=6],Localita[T=30],Nazione[T=19],DataInizio[T=8],OraInizio[T=4],"
    "MediaAutostrada[T=3],MediaSuperStrada[T=3],MediaPrincipale[T=3],MediaLocale[T=3],"
    "OraColazione[T=4],OraPranzo[T=4],DurataPranzo[T=4],OraCena[T=4],DurataCena[T=4],"
    "OraNotte[T=4],RiposoMinuti[T=2],RiposoOre[T=2],RiposoGiorno[T=2],"
    "RiposoDopoGiorni[T=2],InizioVisita[T=4],FineVisita[T=4],OreTraghetti[T=4],"
    "GiorniAdeguamento[T=4],CalcoloSoste[T=1]";

// "Parametri" holds the travel parameters of a trip: fields 6 to 22 and 24 of
// the trip table, taken from it so that the two can never drift apart.
QString StrutturaParametri() {
    const QStringList voci = QString::fromLatin1(StrutturaMete).split(u',');
    QStringList scelte = voci.mid(5, 17);
    scelte << voci.at(23);
    return scelte.join(u',');
}

TipoCampo TipoDaLettera(QChar lettera) {
    switch (lettera.toUpper().unicode()) {
    case 'Y':
        return TipoCampo::SiNo;
    case 'B':
        return TipoCampo::Binario;
    case 'D':
        return TipoCampo::Data;
    case 'I':
        return TipoCampo::Intero;
    case 'S':
        return TipoCampo::Singola;
    case 'L':
        return TipoCampo::Doppia;
    default:
        return TipoCampo::Testo;
    }
}

} // namespace

SchemaDatabase SchemaViandora() {
    SchemaDatabase s;
    s.NomeTabella[TabMete] = QStringLiteral("MeteViandora");
    s.StrutturaTabella[TabMete] = QString::fromLatin1(StrutturaMete);
    s.IndiciTabella[TabMete] = QStringLiteral("CodiceMeta,Localita");

    s.NomeTabella[TabItinerari] = QStringLiteral("Itinerari");
    s.StrutturaTabella[TabItinerari] =
        QStringLiteral("CodiceMeta[T=6],Sequenza[T=4],Localita[T=30],Chilometri[T=4],NomeStrada[T=64],"
                       "TipoStrada[T=1],TempoSosta[T=8],SostaGuidaCitta[T=8],FineGiorno[T=1]");
    s.IndiciTabella[TabItinerari] = QStringLiteral("CodiceMeta,Sequenza,Localita");

    s.NomeTabella[TabGuida] = QStringLiteral("GuidaCitta");
    s.StrutturaTabella[TabGuida] =
        QStringLiteral("Localita[T=30],CodiceGuida[T=2],Descrizione[T=96],TempoSosta[T=5],FlagVisto[T=1]");
    s.IndiciTabella[TabGuida] = QStringLiteral("Localita");
    s.IndiciSegnati[TabGuida] = QStringLiteral("FlagVisto");

    s.NomeTabella[TabTipoGuida] = QStringLiteral("TipoGuida");
    s.StrutturaTabella[TabTipoGuida] =
        QStringLiteral("CodiceGuida[T=2],Descrizione[T=32],TempoObbligatorio[Y]");
    s.IndiciTabella[TabTipoGuida] = QStringLiteral("CodiceGuida");

    s.NomeTabella[TabMetaCorrente] = QStringLiteral("MetaCorrente");
    s.StrutturaTabella[TabMetaCorrente] = QStringLiteral("MetaCorrente[T=6]");
    s.IndiciTabella[TabMetaCorrente] = QStringLiteral("MetaCorrente");

    s.NomeTabella[TabParametri] = QStringLiteral("Parametri");
    s.StrutturaTabella[TabParametri] = StrutturaParametri();
    s.IndiciTabella[TabParametri] = QString();

    s.NomeTabella[TabVeicoli] = QStringLiteral("VeicoliMete");
    s.StrutturaTabella[TabVeicoli] =
        QStringLiteral("CodiceMeta[T=6],Consumo[T=8],Serbatoio[T=8],Riserva[T=8],Prezzo[T=8],Pedaggio[T=8],"
                       "CostoNotte[T=8],CostoTraghetto[T=8],GuidaMassima[T=4]");
    s.IndiciTabella[TabVeicoli] = QStringLiteral("CodiceMeta");

    s.NomeTabella[TabTraghetti] = QStringLiteral("TraghettiTappe");
    s.StrutturaTabella[TabTraghetti] = QStringLiteral(
        "CodiceMeta[T=6],Sequenza[T=4],Localita[T=30],Partenze[T=120],Giorni[T=27],Durata[T=5],"
        "Anticipo[T=4],Costo[T=10]");
    s.IndiciTabella[TabTraghetti] = QStringLiteral("CodiceMeta,Sequenza");

    s.NomeTabella[TabNotti] = QStringLiteral("NottiPrenotate");
    s.StrutturaTabella[TabNotti] = QStringLiteral("CodiceMeta[T=6],Sequenza[T=4],Localita[T=30],Data[T=8]");
    s.IndiciTabella[TabNotti] = QStringLiteral("CodiceMeta,Sequenza");

    s.NomeTabella[TabOrariGuida] = QStringLiteral("OrariGuida");
    s.StrutturaTabella[TabOrariGuida] =
        QStringLiteral("Localita[T=30],Descrizione[T=96],Chiuso[T=27],Dalle[T=5],Alle[T=5]");
    s.IndiciTabella[TabOrariGuida] = QStringLiteral("Localita");
    return s;
}

QList<SpecificaCampo> AnalizzaStruttura(const QString& struttura) {
    QList<SpecificaCampo> campi;
    qsizetype pos = 0;
    while (pos < struttura.size()) {
        const qsizetype apre = struttura.indexOf(u'[', pos);
        if (apre < 0 || apre + 1 >= struttura.size()) break;
        const qsizetype chiude = struttura.indexOf(u']', apre);
        if (chiude < 0) break;
        SpecificaCampo campo;
        campo.nome = struttura.mid(pos, apre - pos).trimmed();
        campo.tipo = TipoDaLettera(struttura.at(apre + 1));
        if (campo.tipo == TipoCampo::Testo) {
            const qsizetype uguale = struttura.indexOf(u'=', apre);
            campo.dimensione = (uguale > 0 && uguale < chiude)
                                   ? struttura.mid(uguale + 1, chiude - uguale - 1).toInt()
                                   : 255;
        }
        campi.append(campo);
        pos = chiude + 1;
        while (pos < struttura.size() && (struttura.at(pos) == u',' || struttura.at(pos).isSpace()))
            ++pos;
    }
    return campi;
}
