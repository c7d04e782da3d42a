#include "guide/PassaggioGuida.h"

#include "common/Stringhe.h"
#include "database/Confronto.h"
#include "database/Database.h"

namespace {

const QString Localita = QStringLiteral("Localita");
const QString FlagVisto = QStringLiteral("FlagVisto");

bool HaJolly(const QString& modello) {
    return modello.contains(u'*') || modello.contains(u'?');
}

// The literal start of a pattern, before its first wildcard.
QString Prefisso(const QString& modello) {
    qsizetype i = 0;
    while (i < modello.size() && modello.at(i) != u'*' && modello.at(i) != u'?')
        ++i;
    return modello.left(i);
}

} // namespace

PassaggioGuida::PassaggioGuida(Database& db, TempoVoce tempo, const QStringList& localita)
    : db_(db), tempoVoce_(tempo) {
    Leggi(localita);
}

void PassaggioGuida::Leggi(const QStringList& localita) {
    if (tuttaLetta_) return;
    const QString tabella = db_.Schema().NomeTabella[TabGuida];
    QStringList esatti;
    QSet<QString> prefissi;
    modelli_.reserve(modelli_.size() + localita.size());
    for (const QString& l : localita) {
        if (l.trimmed().isEmpty()) continue;
        const QString modello = LikeTesto(l);
        quint8& stato = modelli_[modello];
        if (stato & Letto) continue;
        stato |= Letto;
        if (!HaJolly(modello)) {
            esatti.append(modello);
            continue;
        }
        const QString prefisso = Prefisso(modello);
        // A pattern that starts with a wildcard can match any name.
        if (prefisso.isEmpty()) {
            LeggiVoci(Query(tabella).SenzaOrdine());
            tuttaLetta_ = true;
            return;
        }
        prefissi.insert(prefisso);
    }
    if (!esatti.isEmpty()) LeggiVoci(Query(tabella).DoveUnoDi(Localita, esatti).SenzaOrdine());
    for (const QString& prefisso : std::as_const(prefissi))
        LeggiVoci(Query(tabella).DoveCome(Localita, prefisso + u'*').SenzaOrdine());
}

void PassaggioGuida::LeggiVoci(const Query& query) {
    static const QStringList campi = {Localita, QStringLiteral("TempoSosta"), FlagVisto};
    // The entries of a locality mostly come one after another.
    QString ultima;
    int gruppo = -1;
    db_.Leggi(query, campi, [&](qint64 rowid, const QStringList& valori) {
        if (rowid_.contains(rowid)) return;
        rowid_.insert(rowid);
        const QString& nome = valori.at(0);
        // An entry without a locality belongs to no stage.
        if (nome.isEmpty()) return;
        // Most entries share a handful of times.
        auto tempo = tempi_.constFind(valori.at(1));
        if (tempo == tempi_.constEnd()) tempo = tempi_.insert(valori.at(1), tempoVoce_(valori.at(1)));
        voci_.append({rowid, *tempo, valori.at(2) == QLatin1String("1"), false});
        if (gruppo < 0 || nome != ultima) {
            std::u32string piegata = Piegato(nome);
            auto [it, nuovo] = perChiave_.try_emplace(piegata, int(gruppi_.size()));
            if (nuovo) {
                perLunghezza_[qsizetype(piegata.size())].append(it->second);
                gruppi_.append({std::move(piegata), {}});
            }
            gruppo = it->second;
            ultima = nome;
        }
        gruppi_[gruppo].voci.append(int(voci_.size()) - 1);
    });
}

double PassaggioGuida::TempoLocalita(const QString& localita) {
    if (localita.trimmed().isEmpty()) return 0;
    const QString modello = LikeTesto(localita);
    // A pattern met before has had all its entries counted.
    quint8& stato = modelli_[modello];
    if (stato & Contato) return 0;
    stato |= Contato;
    if (!(stato & Letto) && !tuttaLetta_) Leggi({localita});

    const std::u32string piegato = Piegato(modello);
    QVector<int> gruppi;
    if (!HaJolly(modello)) {
        if (auto it = perChiave_.find(piegato); it != perChiave_.end()) gruppi.append(it->second);
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
        for (int v : gruppi_[g].voci) {
            Voce& voce = voci_[v];
            if (voce.contata) continue;
            voce.contata = true;
            somma += voce.centesimi;
        }
    }
    return somma;
}

void PassaggioGuida::ScriviVisti() {
    QVector<qint64> segnare, tenere;
    for (const Voce& voce : std::as_const(voci_))
        if (voce.contata) (voce.visto ? tenere : segnare).append(voce.rowid);
    db_.SegnaRighe(db_.Schema().NomeTabella[TabGuida], FlagVisto, segnare, tenere);
    for (Voce& voce : voci_)
        voce.visto = voce.contata;
}
