#include "itinerary/PassaggioGuida.h"

#include "database/Confronto.h"

#include <algorithm>

#include "common/Stringhe.h"
#include "database/Database.h"

namespace {

const QString Localita = QStringLiteral("Localita");
const QString FlagVisto = QStringLiteral("FlagVisto");

bool HaJolly(const QString& modello) {
    return modello.contains(u'*') || modello.contains(u'?');
}

// The form under which the database's "=" and LIKE compare names:
// composed, then folded one code point at a time.
std::u32string Piegata(const QString& testo) {
    std::u32string piegata;
    piegata.reserve(size_t(testo.size()));
    // Plain ASCII, most names, needs no composing.
    bool ascii = true;
    for (const QChar c : testo)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        for (const QChar c : testo) {
            const char16_t u = c.unicode();
            piegata.push_back(u >= u'A' && u <= u'Z' ? char32_t(u - u'A' + u'a') : char32_t(u));
        }
        return piegata;
    }
    for (const uint c : testo.normalized(QString::NormalizationForm_C).toUcs4())
        piegata.push_back(QChar::toCaseFolded(char32_t(c)));
    return piegata;
}

QString Chiave(const std::u32string& piegata) {
    return QString::fromUcs4(piegata.data(), qsizetype(piegata.size()));
}


// Locality, code, description, time and flag of the current entry; the
// positions are looked up once per record set.
struct LetturaVoce {
    int posizioni[5];
    explicit LetturaVoce(const RecordSet& rs) {
        const QString nomi[5] = {Localita, QStringLiteral("CodiceGuida"), QStringLiteral("Descrizione"),
                                 QStringLiteral("TempoSosta"), FlagVisto};
        for (int i = 0; i < 5; ++i) {
            posizioni[i] = rs.PosizioneCampo(nomi[i]);
            if (posizioni[i] < 0)
                throw ErroreDatabase(
                    QStringLiteral("Il campo %1 non esiste nella tabella %2").arg(nomi[i], rs.Tabella()));
        }
    }
    QStringList operator()(const RecordSet& rs) const {
        QStringList campi;
        for (int p : posizioni)
            campi << rs.Testo(p);
        return campi;
    }
};

} // namespace

PassaggioGuida::PassaggioGuida(Database& db, int slot, TempoVoce tempo,
                               const std::function<void(double)>& avanza)
    : db_(db), slot_(slot), tempoVoce_(tempo) {
    const QString tabella = db_.Schema().NomeTabella[TabGuida];
    db_.RecordSetImposta(slot_, Query(tabella));
    RecordSet& rs = db_.Rs(slot_);
    voci_.reserve(rs.RecordCount());
    int letti = 0;
    const LetturaVoce Campi(rs);
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        if (avanza) avanza(++letti);
        const QStringList c = Campi(rs);
        // An entry without a locality belongs to no stage.
        if (c[0].isEmpty()) continue;
        const int indice = int(voci_.size());
        voci_.append({c[0], c[1], c[2], c[3], c[4], false});
        std::u32string piegata = Piegata(c[0]);
        const QString chiave = Chiave(piegata);
        auto it = perChiave_.constFind(chiave);
        if (it == perChiave_.constEnd()) {
            it = perChiave_.insert(chiave, int(gruppi_.size()));
            perLunghezza_[qsizetype(piegata.size())].append(*it);
            gruppi_.append({c[0], std::move(piegata), {}});
        }
        gruppi_[*it].voci.append(indice);
        if (c[4] != QLatin1String("0")) daScrivere_.insert(*it);
    }
    // Every write visits the rows of the open record sets: the whole guide
    // must not stay open while flags are written. No entry has a code of
    // three characters.
    db_.RecordSetImposta(slot_, Query(tabella).Dove(QStringLiteral("CodiceGuida"), QStringLiteral("NUL")));
}

PassaggioGuida::PassaggioGuida(Database& db, int slot, int, TempoVoce tempo)
    : PassaggioGuida(db, slot, tempo) {
    scriviSubito_ = true;
}

double PassaggioGuida::TempoLocalita(const QString& localita) {
    if (localita.trimmed().isEmpty()) return 0;
    const QString modello = LikeTesto(localita);
    // A pattern met before has had all its entries counted.
    if (contati_.contains(modello)) return 0;
    contati_.insert(modello);

    const std::u32string piegato = Piegata(modello);
    QVector<int> gruppi;
    if (!HaJolly(modello)) {
        if (auto it = perChiave_.constFind(Chiave(piegato)); it != perChiave_.constEnd()) gruppi.append(*it);
    } else {
        // "?" stands for exactly one character: only names of the pattern's
        // length can match, unless it has a "*".
        QVector<int> candidati;
        if (modello.contains(u'*')) {
            for (int g = 0; g < gruppi_.size(); ++g)
                candidati.append(g);
        } else {
            candidati = perLunghezza_.value(qsizetype(piegato.size()));
        }
        for (int g : candidati)
            if (CorrispondePiegati(piegato, gruppi_[g].chiave)) gruppi.append(g);
    }

    double somma = 0;
    for (int g : gruppi) {
        daScrivere_.insert(g);
        for (int v : gruppi_[g].voci) {
            Voce& voce = voci_[v];
            if (voce.contata) continue;
            voce.contata = true;
            somma += tempoVoce_(voce.tempo);
        }
    }
    if (scriviSubito_) ScriviVisti();
    return somma;
}

void PassaggioGuida::ScriviVisti() {
    const QString tabella = db_.Schema().NomeTabella[TabGuida];
    QList<int> daScrivere = daScrivere_.values();
    // In the order of the file, which the tests and a reader can follow.
    std::sort(daScrivere.begin(), daScrivere.end());
    for (int g : std::as_const(daScrivere)) {
        const Gruppo& gruppo = gruppi_[g];
        bool cambia = false;
        for (int v : gruppo.voci)
            cambia = cambia || voci_[v].visto != (voci_[v].contata ? u"1" : u"0");
        if (!cambia) continue;
        // "=" gives the group's entries in the order they were read.
        db_.RecordSetImposta(slot_, Query(tabella).Dove(Localita, gruppo.localita));
        RecordSet& rs = db_.Rs(slot_);
        const LetturaVoce Campi(rs);
        rs.MoveFirst();
        for (int v : gruppo.voci) {
            Voce& voce = voci_[v];
            if (rs.Eof() || Campi(rs) != QStringList{voce.localita, voce.codice, voce.descrizione, voce.tempo,
                                                     voce.visto})
                throw ErroreDatabase(
                    QStringLiteral("Errore di scrittura nel database: la guida di %1 è cambiata")
                        .arg(gruppo.localita));
            const QString visto = voce.contata ? QStringLiteral("1") : QStringLiteral("0");
            if (voce.visto != visto) {
                rs.Edit();
                rs.Imposta(FlagVisto, visto);
                rs.Update();
                voce.visto = visto;
            }
            rs.MoveNext();
        }
    }
    daScrivere_.clear();
    db_.RecordSetImposta(slot_, Query(tabella).Dove(QStringLiteral("CodiceGuida"), QStringLiteral("NUL")));
}
