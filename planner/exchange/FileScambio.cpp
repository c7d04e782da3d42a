#include "FileScambio.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include "common/Testo1252.h"

const std::array<const char*, NumeroSezioniScambio> TabelleScambio = {"MeteViandora", "Itinerari",
                                                                      "GuidaCitta"};

namespace {

// The fields a section cannot do without.
const std::array<QStringList, NumeroSezioniScambio> CampiNecessari = {
    QStringList{QStringLiteral("CodiceMeta"), QStringLiteral("Localita")},
    QStringList{QStringLiteral("CodiceMeta")},
    QStringList{QStringLiteral("Localita")},
};

// How the messages call the sections.
const std::array<const char*, NumeroSezioniScambio> NomiSezioni = {"delle mète", "degli itinerari",
                                                                   "della guida città"};

// The section of a line: the first of the three separators it holds, in the
// order trips, stages, guide; -1 for none.
int SezioneDellaRiga(const QString& riga) {
    for (int s = 0; s < NumeroSezioniScambio; ++s)
        if (riga.contains(QChar(SeparatoriScambio[s]))) return s;
    return -1;
}

// Control characters other than tab are dropped, blanks at the ends trimmed.
// Double quotes are part of the value.
QString PulisciValore(const QString& valore) {
    QString pulito;
    pulito.reserve(valore.size());
    for (const QChar c : valore)
        if (c.unicode() >= 32 || c == u'\t') pulito += c;
    return pulito.trimmed();
}

bool NomeCampoValido(const QString& nome) {
    if (nome.isEmpty() || nome.size() > 64) return false;
    for (qsizetype i = 0; i < nome.size(); ++i) {
        const char16_t c = nome.at(i).unicode();
        const bool lettera = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        if (!lettera && !(i > 0 && c >= u'0' && c <= u'9')) return false;
    }
    return true;
}

bool SoloSpazi(const QString& riga) {
    for (const QChar c : riga)
        if (c.unicode() > 32) return false;
    return true;
}

EsitoScambio Malformato(int riga, const QString& motivo) {
    EsitoScambio esito;
    esito.stato = EsitoScambio::Malformato;
    esito.motivo = riga > 0 ? QStringLiteral("riga %1: %2").arg(riga).arg(motivo) : motivo;
    return esito;
}

// The header of section s, from the values of its first line.
QString ControllaIntestazione(const QStringList& campi, int s) {
    QSet<QString> visti;
    for (const QString& campo : campi) {
        if (!NomeCampoValido(campo))
            return QStringLiteral("l'intestazione della sezione %1 contiene un nome di campo non valido")
                .arg(QLatin1String(NomiSezioni[s]));
        if (visti.contains(campo.toLower()))
            return QStringLiteral("il campo %1 compare due volte nell'intestazione").arg(campo);
        visti.insert(campo.toLower());
    }
    for (const QString& necessario : CampiNecessari[s]) {
        if (!visti.contains(necessario.toLower()))
            return QStringLiteral("all'intestazione della sezione %1 manca il campo %2")
                .arg(QLatin1String(NomiSezioni[s]), necessario);
    }
    return {};
}

} // namespace

std::optional<int> SezioneScambio::Colonna(const QString& campo) const {
    for (int i = 0; i < campi.size(); ++i)
        if (campi.at(i).compare(campo, Qt::CaseInsensitive) == 0) return i;
    return std::nullopt;
}

QVector<ContenutoScambio::Meta> ContenutoScambio::Mete() const {
    const SezioneScambio& s = sezioni[SezMete];
    QVector<Meta> mete;
    const auto codice = s.Colonna(QStringLiteral("CodiceMeta"));
    const auto localita = s.Colonna(QStringLiteral("Localita"));
    const auto nazione = s.Colonna(QStringLiteral("Nazione"));
    if (!codice || !localita) return mete;
    mete.reserve(s.record.size());
    for (const QStringList& r : s.record)
        mete.append({r.at(*codice), r.at(*localita), nazione ? r.at(*nazione) : QString()});
    return mete;
}

namespace {

// One line of the file into its section; a fault in it is returned.
EsitoScambio LeggiRiga(const QString& riga, int numeroRiga, ContenutoScambio& contenuto, int& corrente) {
    if (riga.size() > LunghezzaMassimaRigaScambio)
        return Malformato(numeroRiga, QStringLiteral("la riga è troppo lunga"));
    if (SoloSpazi(riga)) return {};
    const int s = SezioneDellaRiga(riga);
    if (s < 0) return Malformato(numeroRiga, QStringLiteral("la riga non appartiene a nessuna sezione"));
    const QChar separatore(SeparatoriScambio[s]);
    QString chiusa = riga;
    while (!chiusa.isEmpty() && chiusa.back().unicode() <= 32)
        chiusa.chop(1);
    if (!chiusa.endsWith(separatore)) return Malformato(numeroRiga, QStringLiteral("la riga è troncata"));
    QStringList valori = chiusa.split(separatore);
    valori.removeLast();
    for (QString& v : valori)
        v = PulisciValore(v);

    SezioneScambio& sezione = contenuto.sezioni[s];
    if (s != corrente) {
        if (s < corrente || sezione.presente)
            return Malformato(numeroRiga, QStringLiteral("la sezione %1 ricomincia dopo un'altra sezione")
                                              .arg(QLatin1String(NomiSezioni[s])));
        if (s > corrente + 1)
            return Malformato(
                numeroRiga,
                QStringLiteral("manca la sezione %1").arg(QLatin1String(NomiSezioni[corrente + 1])));
        corrente = s;
        sezione.presente = true;
        sezione.campi = valori;
        const QString errore = ControllaIntestazione(valori, s);
        if (!errore.isEmpty()) return Malformato(numeroRiga, errore);
        return {};
    }
    if (valori.size() != sezione.campi.size())
        return Malformato(numeroRiga, QStringLiteral("la riga ha %1 valori invece dei %2 dell'intestazione")
                                          .arg(valori.size())
                                          .arg(sezione.campi.size()));
    sezione.record.append(valori);
    sezione.righe.append(numeroRiga);
    return {};
}

// Every trip needs a code and a locality, and codes tell trips apart.
EsitoScambio ControllaMete(const SezioneScambio& mete) {
    const int colonnaCodice = *mete.Colonna(QStringLiteral("CodiceMeta"));
    const int colonnaLocalita = *mete.Colonna(QStringLiteral("Localita"));
    QSet<QString> codici;
    for (int i = 0; i < mete.record.size(); ++i) {
        const QStringList& r = mete.record.at(i);
        if (r.at(colonnaCodice).isEmpty() || r.at(colonnaLocalita).isEmpty())
            return Malformato(mete.righe.at(i), QStringLiteral("la mèta non ha codice o località"));
        if (codici.contains(r.at(colonnaCodice)))
            return Malformato(mete.righe.at(i),
                              QStringLiteral("il codice %1 compare in due mète").arg(r.at(colonnaCodice)));
        codici.insert(r.at(colonnaCodice));
    }
    return {};
}

} // namespace

EsitoScambio AnalizzaFileScambio(const QByteArray& byte, ContenutoScambio& contenuto,
                                 const std::function<void(qint64)>& avanzamento) {
    contenuto = ContenutoScambio();
    const QString testo = DecodificaWindows1252(byte);
    int corrente = -1;
    int numeroRiga = 0;
    EsitoScambio primoErrore;
    qsizetype inizio = 0;
    while (inizio < testo.size()) {
        qsizetype fine = inizio;
        while (fine < testo.size() && testo.at(fine) != u'\r' && testo.at(fine) != u'\n')
            ++fine;
        const QString riga = testo.mid(inizio, fine - inizio);
        // CR LF, LF or CR end a line.
        inizio = fine;
        if (inizio < testo.size() && testo.at(inizio) == u'\r') ++inizio;
        if (inizio < testo.size() && testo.at(inizio) == u'\n') ++inizio;
        ++numeroRiga;
        if (avanzamento) avanzamento(inizio);
        // After a fault the rest is only read through, for the trips section.
        if (primoErrore.stato == EsitoScambio::Valido)
            primoErrore = LeggiRiga(riga, numeroRiga, contenuto, corrente);
    }

    // A file that is no exchange file at all says so plainly.
    const SezioneScambio& mete = contenuto.sezioni[SezMete];
    EsitoScambio esito;
    if (!mete.presente || (mete.record.isEmpty() && primoErrore.stato == EsitoScambio::Valido)) {
        esito.stato = EsitoScambio::SenzaMete;
    } else if (primoErrore.stato != EsitoScambio::Valido) {
        esito = primoErrore;
    } else {
        for (int s = SezItinerari; s < NumeroSezioniScambio && esito.stato == EsitoScambio::Valido; ++s)
            if (!contenuto.sezioni[s].presente)
                esito = Malformato(0, QStringLiteral("manca la sezione %1 (file incompleto)")
                                          .arg(QLatin1String(NomiSezioni[s])));
    }
    if (esito.stato == EsitoScambio::Valido) esito = ControllaMete(mete);
    if (esito.stato != EsitoScambio::Valido) contenuto = ContenutoScambio();
    return esito;
}

QString MessaggioSenzaMete(const QString& percorso) {
    return QStringLiteral("Il file %1 non contiene mète da importare")
        .arg(QDir::toNativeSeparators(percorso));
}

QString LeggiFileScambio(const QString& percorso, ContenutoScambio& contenuto,
                         const std::function<void(qint64, qint64)>& avanzamento) {
    contenuto = ContenutoScambio();
    const QString nome = QDir::toNativeSeparators(percorso);
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("Impossibile leggere il file %1").arg(nome);
    const QByteArray byte = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Impossibile leggere il file %1").arg(nome);
    const qint64 totale = byte.size();
    const EsitoScambio esito = AnalizzaFileScambio(byte, contenuto, [&](qint64 letti) {
        if (avanzamento) avanzamento(letti, totale);
    });
    switch (esito.stato) {
    case EsitoScambio::Valido:
        return {};
    case EsitoScambio::SenzaMete:
        return MessaggioSenzaMete(percorso);
    case EsitoScambio::Malformato:
        break;
    }
    return QStringLiteral("Il file %1 non è un file di scambio leggibile (%2).").arg(nome, esito.motivo);
}

QString ValorePerFileScambio(const QString& valore, bool& cambiato) {
    QString scritto;
    scritto.reserve(valore.size());
    for (const QChar c : valore) {
        switch (c.unicode()) {
        case 0x00FD: // ý
        case 0x00FF: // ÿ
            scritto += u'y';
            break;
        case 0x00FE: // þ
            scritto += QStringLiteral("th");
            break;
        default:
            scritto += (c.unicode() < 32 && c != u'\t') ? QChar(u' ') : c;
            break;
        }
    }
    // What the code page cannot hold is written as "?".
    const QString codificato = DecodificaWindows1252(CodificaWindows1252(scritto.trimmed()));
    cambiato = codificato != valore.trimmed();
    return codificato;
}

QString RigaScambio(const QStringList& valori, int sezione) {
    const QChar separatore(SeparatoriScambio[sezione]);
    QString riga;
    for (const QString& v : valori) {
        riga += v;
        riga += separatore;
    }
    return riga;
}
