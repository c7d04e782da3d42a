#include "FileScambio.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSet>

#include "common/FileOrdinario.h"
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

// How the messages call the sections (UTF-8, as every text of the sources).
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
                .arg(QString::fromUtf8(NomiSezioni[s]));
        if (visti.contains(campo.toLower()))
            return QStringLiteral("il campo %1 compare due volte nell'intestazione").arg(campo);
        visti.insert(campo.toLower());
    }
    for (const QString& necessario : CampiNecessari[s]) {
        if (!visti.contains(necessario.toLower()))
            return QStringLiteral("all'intestazione della sezione %1 manca il campo %2")
                .arg(QString::fromUtf8(NomiSezioni[s]), necessario);
    }
    return {};
}

} // namespace

std::optional<int> SezioneScambio::Colonna(const QString& campo) const {
    for (int i = 0; i < campi.size(); ++i)
        if (campi.at(i).compare(campo, Qt::CaseInsensitive) == 0) return i;
    return std::nullopt;
}

namespace {

// The lines of a device, CR LF, LF or CR ending each, read a block at a time.
// A line longer than the limit is not held whole: it comes back cut, marked
// as too long.
class RigheDispositivo {
public:
    RigheDispositivo(QIODevice& dispositivo, qsizetype massimo)
        : dispositivo_(dispositivo), massimo_(massimo) {}

    // The next line without its end; false when the device has no more.
    bool Prossima(QByteArray& riga, bool& troppoLunga) {
        riga.clear();
        troppoLunga = false;
        bool letta = false;
        for (;;) {
            if (pos_ >= blocco_.size() && !Riempi()) return letta;
            letta = true;
            const char* inizio = blocco_.constData() + pos_;
            const char* fine = blocco_.constData() + blocco_.size();
            const char* c = inizio;
            while (c < fine && *c != '\r' && *c != '\n')
                ++c;
            const qsizetype n = c - inizio;
            const qsizetype posto = qMax<qsizetype>(0, massimo_ - riga.size());
            riga.append(inizio, qMin(n, posto));
            troppoLunga = troppoLunga || n > posto;
            pos_ += n;
            letti_ += n;
            if (c == fine) continue;
            const bool ritorno = *c == '\r';
            ++pos_;
            ++letti_;
            if (ritorno && (pos_ < blocco_.size() || Riempi()) && blocco_.at(pos_) == '\n') {
                ++pos_;
                ++letti_;
            }
            return true;
        }
    }
    qint64 Letti() const { return letti_; }

private:
    bool Riempi() {
        blocco_ = dispositivo_.read(1 << 16);
        pos_ = 0;
        return !blocco_.isEmpty();
    }

    QIODevice& dispositivo_;
    qsizetype massimo_;
    QByteArray blocco_;
    qsizetype pos_ = 0;
    qint64 letti_ = 0;
};

// The reading of one file, line after line: the section each line belongs
// to, its header, and the checks of the trips, which need only their codes.
class Lettura {
public:
    Lettura(ContenutoScambio& contenuto, bool conserva, const RecordScambio& record)
        : contenuto_(contenuto), conserva_(conserva), record_(record) {}

    // One line of the file into its section; a fault in it is returned.
    EsitoScambio Riga(const QString& riga, int numeroRiga) {
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

        if (s != corrente_) return Intestazione(s, valori, numeroRiga);
        SezioneScambio& sezione = contenuto_.sezioni[s];
        if (valori.size() != sezione.campi.size())
            return Malformato(numeroRiga,
                              QStringLiteral("la riga ha %1 valori invece dei %2 dell'intestazione")
                                  .arg(valori.size())
                                  .arg(sezione.campi.size()));
        if (s == SezMete) {
            // Every trip needs a code and a locality, and codes tell trips apart.
            ++recordMete_;
            ContenutoScambio::Meta meta{valori.at(colonnaCodice_), valori.at(colonnaLocalita_),
                                        colonnaNazione_ ? valori.at(*colonnaNazione_) : QString()};
            if (meta.codice.isEmpty() || meta.localita.isEmpty())
                return Malformato(numeroRiga, QStringLiteral("la mèta non ha codice o località"));
            if (codici_.contains(meta.codice))
                return Malformato(numeroRiga,
                                  QStringLiteral("il codice %1 compare in due mète").arg(meta.codice));
            codici_.insert(meta.codice);
            contenuto_.mete.append(std::move(meta));
        }
        if (record_) record_(s, valori);
        if (conserva_) {
            sezione.record.append(valori);
            sezione.righe.append(numeroRiga);
        }
        return {};
    }

    int RecordMete() const { return recordMete_; }

private:
    EsitoScambio Intestazione(int s, const QStringList& campi, int numeroRiga) {
        SezioneScambio& sezione = contenuto_.sezioni[s];
        if (s < corrente_ || sezione.presente)
            return Malformato(numeroRiga, QStringLiteral("la sezione %1 ricomincia dopo un'altra sezione")
                                              .arg(QString::fromUtf8(NomiSezioni[s])));
        if (s > corrente_ + 1)
            return Malformato(
                numeroRiga,
                QStringLiteral("manca la sezione %1").arg(QString::fromUtf8(NomiSezioni[corrente_ + 1])));
        corrente_ = s;
        sezione.presente = true;
        sezione.campi = campi;
        const QString errore = ControllaIntestazione(campi, s);
        if (!errore.isEmpty()) return Malformato(numeroRiga, errore);
        if (s == SezMete) {
            colonnaCodice_ = *sezione.Colonna(QStringLiteral("CodiceMeta"));
            colonnaLocalita_ = *sezione.Colonna(QStringLiteral("Localita"));
            colonnaNazione_ = sezione.Colonna(QStringLiteral("Nazione"));
        }
        return {};
    }

    ContenutoScambio& contenuto_;
    bool conserva_;
    const RecordScambio& record_;
    int corrente_ = -1;
    int recordMete_ = 0;
    int colonnaCodice_ = 0, colonnaLocalita_ = 0;
    std::optional<int> colonnaNazione_;
    QSet<QString> codici_;
};

EsitoScambio LeggiScambio(QIODevice& dispositivo, ContenutoScambio& contenuto, bool conserva,
                          const RecordScambio& record, const std::function<void(qint64)>& avanzamento) {
    contenuto = ContenutoScambio();
    Lettura lettura(contenuto, conserva, record);
    RigheDispositivo righe(dispositivo, LunghezzaMassimaRigaScambio);
    QByteArray byte;
    bool troppoLunga = false;
    int numeroRiga = 0;
    EsitoScambio primoErrore;
    // The first fault ends the reading: the file cannot be used.
    while (primoErrore.stato == EsitoScambio::Valido && righe.Prossima(byte, troppoLunga)) {
        ++numeroRiga;
        primoErrore = troppoLunga ? Malformato(numeroRiga, QStringLiteral("la riga è troppo lunga"))
                                  : lettura.Riga(DecodificaWindows1252(byte), numeroRiga);
        if (avanzamento) avanzamento(righe.Letti());
    }

    // A file that is no exchange file at all says so plainly.
    EsitoScambio esito;
    if (!contenuto.sezioni[SezMete].presente ||
        (lettura.RecordMete() == 0 && primoErrore.stato == EsitoScambio::Valido)) {
        esito.stato = EsitoScambio::SenzaMete;
    } else if (primoErrore.stato != EsitoScambio::Valido) {
        esito = primoErrore;
    } else {
        for (int s = SezItinerari; s < NumeroSezioniScambio && esito.stato == EsitoScambio::Valido; ++s)
            if (!contenuto.sezioni[s].presente)
                esito = Malformato(0, QStringLiteral("manca la sezione %1 (file incompleto)")
                                          .arg(QString::fromUtf8(NomiSezioni[s])));
    }
    if (esito.stato != EsitoScambio::Valido) contenuto = ContenutoScambio();
    return esito;
}

} // namespace

EsitoScambio AnalizzaFileScambio(const QByteArray& byte, ContenutoScambio& contenuto,
                                 const std::function<void(qint64)>& avanzamento) {
    QBuffer buffer;
    buffer.setData(byte);
    buffer.open(QIODevice::ReadOnly);
    return LeggiScambio(buffer, contenuto, true, {}, avanzamento);
}

QString MessaggioSenzaMete(const QString& percorso) {
    return QStringLiteral("Il file %1 non contiene mète da importare")
        .arg(QDir::toNativeSeparators(percorso));
}

QString LeggiFileScambio(const QString& percorso, ContenutoScambio& contenuto,
                         const std::function<void(qint64, qint64)>& avanzamento,
                         const RecordScambio& record) {
    contenuto = ContenutoScambio();
    const QString nome = QDir::toNativeSeparators(percorso);
    QString errore;
    if (!ControllaFileDaLeggere(percorso, &errore)) return errore;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("Impossibile leggere il file %1").arg(nome);
    const qint64 totale = file.size();
    const EsitoScambio esito = LeggiScambio(file, contenuto, false, record, [&](qint64 letti) {
        if (avanzamento) avanzamento(letti, totale);
    });
    if (file.error() != QFileDevice::NoError) {
        contenuto = ContenutoScambio();
        return QStringLiteral("Impossibile leggere il file %1").arg(nome);
    }
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
    for (qsizetype i = 0; i < valore.size(); ++i) {
        const QChar c = valore.at(i);
        switch (c.unicode()) {
        case 0x00FD: // ý
        case 0x00FF: // ÿ
            scritto += u'y';
            break;
        case 0x00DD: // Ý
        case 0x0178: // Ÿ
            scritto += u'Y';
            break;
        case 0x00FE: // þ
            scritto += QStringLiteral("th");
            break;
        case 0x00DE: // Þ: "Thingvellir", "THINGVELLIR"
            scritto += i + 1 < valore.size() && valore.at(i + 1).isLower() ? QStringLiteral("Th")
                                                                           : QStringLiteral("TH");
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
