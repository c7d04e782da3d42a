#include "database/Database.h"

#include "database/DatabaseInterno.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <sqlite3.h>

using namespace db_interno;

// ---- record sets ------------------------------------------------------------

void Database::RecordSetImpostaDefault() {
    for (int t = TabMete; t <= TabParametri; ++t)
        RecordSetImposta(t, Query(schema_.NomeTabella[t]));
}

void Database::RecordSetImposta(int slot, const Query& query) {
    ControllaSlot(slot);
    TestoQuery = query.Testo();
    RecordSet nuovo;
    CaricaRighe(nuovo, query);
    // Loaded inside a transaction, it must be reloaded if that is undone.
    nuovo.modificato_ = livelloTransazione_ > 0;
    slot_[slot] = std::move(nuovo);
    NumeroRecord = double(slot_[slot].RecordCount());
}

RecordSet& Database::Rs(int slot) {
    ControllaSlot(slot);
    return slot_[slot];
}

void Database::Leggi(const Query& query, const QStringList& campi,
                     const std::function<void(qint64, const QStringList&)>& riga) {
    sqlite3_stmt* st = Prepara(query.Sql(campi), ContestoLettura);
    Uso uso(st);
    const QStringList parametri = query.Parametri();
    for (int i = 0; i < parametri.size(); ++i) {
        const QByteArray valore = parametri.at(i).toUtf8();
        sqlite3_bind_text(st, i + 1, valore.constData(), int(valore.size()), SQLITE_TRANSIENT);
    }
    QStringList valori;
    const QString vuoto = QStringLiteral("");
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        valori.clear();
        for (int c = 0; c < campi.size(); ++c) {
            if (sqlite3_column_type(st, c + 1) == SQLITE_NULL)
                valori.append(QString());
            else if (sqlite3_column_bytes(st, c + 1) == 0)
                valori.append(vuoto);
            else
                valori.append(TestoColonna(st, c + 1));
        }
        riga(sqlite3_column_int64(st, 0), valori);
    }
    if (rc != SQLITE_DONE) Errore(ContestoLettura);
}

void Database::CaricaRighe(RecordSet& rs, const Query& query) {
    CaricaSql(rs, query.Tabella(), query.Sql(), query.Parametri());
}

void Database::CaricaSql(RecordSet& rs, const QString& tabella, const QString& sql,
                         const QStringList& parametri) {
    sqlite3_stmt* st = Prepara(sql, ContestoLettura);
    Uso uso(st);
    for (int i = 0; i < parametri.size(); ++i) {
        const QByteArray valore = parametri.at(i).toUtf8();
        sqlite3_bind_text(st, i + 1, valore.constData(), int(valore.size()), SQLITE_TRANSIENT);
    }
    // Column 0 is the row id; the others are the table's fields in order.
    QList<InfoCampo> campi;
    for (int c = 1; c < sqlite3_column_count(st); ++c)
        campi.append(CampoDaDichiarazione(QString::fromUtf8(sqlite3_column_name(st, c)),
                                          QString::fromUtf8(sqlite3_column_decltype(st, c))));
    DimensioniSchema(tabella, campi);
    QVector<RecordSet::Riga> righe;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        RecordSet::Riga riga;
        riga.rowid = sqlite3_column_int64(st, 0);
        riga.valori.reserve(campi.size());
        for (int c = 0; c < campi.size(); ++c)
            riga.valori.append(LeggiColonna(st, c + 1, campi.at(c).tipo));
        righe.append(std::move(riga));
    }
    if (rc != SQLITE_DONE) Errore(ContestoLettura);

    rs = RecordSet();
    rs.db_ = this;
    rs.tabella_ = tabella;
    rs.campi_ = campi;
    rs.righe_ = std::move(righe);
    rs.corrente_ = 0;
    rs.sql_ = sql;
    rs.parametri_ = parametri;
}

// Back in line with the file after a rollback, on the same row when it is
// still there.
void Database::RicaricaRecordSet(RecordSet& rs) {
    const bool eof = rs.corrente_ >= rs.righe_.size();
    const qint64 rowid = (rs.corrente_ >= 0 && !eof) ? rs.righe_.at(rs.corrente_).rowid : -1;
    const int vecchia = rs.corrente_;
    const bool modificato = rs.modificato_;
    RecordSet nuovo;
    CaricaSql(nuovo, rs.tabella_, rs.sql_, rs.parametri_);
    if (eof) {
        nuovo.corrente_ = int(nuovo.righe_.size());
    } else {
        nuovo.corrente_ = qMin(vecchia, int(nuovo.righe_.size()));
        for (int i = 0; i < nuovo.righe_.size(); ++i)
            if (nuovo.righe_.at(i).rowid == rowid) nuovo.corrente_ = i;
    }
    nuovo.modificato_ = modificato;
    rs = std::move(nuovo);
}

// The field names of a record set joined, as a key for its statements.
static QString NomiCampi(const QList<InfoCampo>& campi) {
    QString nomi;
    for (const InfoCampo& c : campi) {
        nomi += c.nome;
        nomi += QLatin1Char(',');
    }
    return nomi;
}

const QString& Database::SqlInserimento(const QString& tabella, const QList<InfoCampo>& campi) {
    // The statement text is the same for every row of a table: built once.
    const QString chiave = QStringLiteral("I\x1f") + tabella + QStringLiteral("\x1f") + NomiCampi(campi);
    QString& sql = sqlScrittura_[chiave];
    if (sql.isEmpty()) {
        QStringList nomi, segnaposto;
        for (const InfoCampo& c : campi) {
            nomi.append(Quota(c.nome));
            segnaposto.append(QStringLiteral("?"));
        }
        sql = campi.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Quota(tabella))
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(Quota(tabella), nomi.join(QStringLiteral(", ")),
                                         segnaposto.join(QStringLiteral(", ")));
    }
    return sql;
}

qint64 Database::Inserisci(const QString& tabella, const QList<InfoCampo>& campi,
                           const QVector<QVariant>& valori) {
    ControllaGuasto();
    return Inserisci(Prepara(SqlInserimento(tabella, campi), ContestoScrittura), campi, valori);
}

qint64 Database::Inserisci(sqlite3_stmt* st, const QList<InfoCampo>& campi, const QVector<QVariant>& valori) {
    Uso uso(st);
    for (int i = 0; i < campi.size(); ++i)
        Lega(st, i + 1, valori.value(i), campi.at(i).tipo);
    if (sqlite3_step(st) != SQLITE_DONE) Errore(ContestoScrittura);
    return sqlite3_last_insert_rowid(db_);
}

void Database::Aggiorna(const QString& tabella, const QList<InfoCampo>& campi, qint64 rowid,
                        const QVector<QVariant>& valori, const QVector<int>& posizioni) {
    ControllaGuasto();
    // Only the fields that change: an index over an untouched field is left
    // alone, and a change made meanwhile to another field is kept.
    // Keyed by table and positions: thousands of rows are written in a row.
    QString chiave = QStringLiteral("U\x1f") + tabella;
    chiave.reserve(chiave.size() + 1 + posizioni.size());
    chiave += QChar(0x1f);
    for (const int p : posizioni)
        chiave += QChar(char16_t(0x100 + p));
    QString& sql = sqlScrittura_[chiave];
    if (sql.isEmpty()) {
        QStringList assegnazioni;
        for (const int p : posizioni)
            assegnazioni.append(Quota(campi.at(p).nome) + QStringLiteral(" = ?"));
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                  .arg(Quota(tabella), assegnazioni.join(QStringLiteral(", ")));
    }
    sqlite3_stmt* st = Prepara(sql, ContestoScrittura);
    Uso uso(st);
    for (int i = 0; i < posizioni.size(); ++i)
        Lega(st, i + 1, valori.value(posizioni.at(i)), campi.at(posizioni.at(i)).tipo);
    sqlite3_bind_int64(st, int(posizioni.size()) + 1, rowid);
    if (sqlite3_step(st) != SQLITE_DONE) Errore(ContestoScrittura);
    if (sqlite3_changes(db_) == 0)
        throw ErroreDatabase(ContestoScrittura + QStringLiteral(": il record non esiste più"));
    // Other record sets over the table show the new values, as they would
    // when reading the row again.
    for (RecordSet& rs : slot_) {
        if (!rs.Aperto() || rs.tabella_.compare(tabella, Qt::CaseInsensitive) != 0 ||
            rs.campi_.size() != campi.size())
            continue;
        const int i = rs.RigaDelRowid(rowid);
        if (i >= 0 && !rs.righe_.at(i).cancellata) {
            QVector<QVariant>& riga = rs.righe_[i].valori;
            for (const int p : posizioni)
                riga[p] = valori.at(p);
            rs.SegnaModificato();
        }
    }
}

void Database::SegnaRighe(const QString& tabella, const QString& campo, const QVector<qint64>& segnare,
                          const QVector<qint64>& tenere) {
    // Marks the program keeps up while reading, not the user's data.
    ScritturaDiServizio servizio(*this);
    const QList<InfoCampo> campi = CampiTabella(tabella);
    const InfoCampo* info = nullptr;
    for (const InfoCampo& c : campi)
        if (c.nome.compare(campo.trimmed(), Qt::CaseInsensitive) == 0) info = &c;
    if (!info)
        throw ErroreDatabase(QStringLiteral("Il campo %1 non esiste nella tabella %2").arg(campo, tabella));
    const QString t = Quota(tabella), c = Quota(info->nome);
    auto json = [](const QVector<qint64>& a, const QVector<qint64>& b) {
        QJsonArray elenco;
        for (const qint64 rowid : a)
            elenco.append(rowid);
        for (const qint64 rowid : b)
            elenco.append(rowid);
        return QJsonDocument(elenco).toJson(QJsonDocument::Compact);
    };
    // One statement, one write; the rows it changed, in every open set.
    auto aggiorna = [&](const QString& condizione, const QString& valore, const QByteArray& righe) {
        ControllaGuasto();
        sqlite3_stmt* st = Prepara(
            QStringLiteral("UPDATE %1 SET %2 = '%3' WHERE %4 RETURNING rowid").arg(t, c, valore, condizione),
            ContestoScrittura);
        Uso uso(st);
        sqlite3_bind_text(st, 1, righe.constData(), int(righe.size()), SQLITE_TRANSIENT);
        QVector<qint64> cambiate;
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            cambiate.append(sqlite3_column_int64(st, 0));
        if (rc != SQLITE_DONE) Errore(ContestoScrittura);
        for (RecordSet& rs : slot_) {
            if (!rs.Aperto() || rs.tabella_.compare(tabella, Qt::CaseInsensitive) != 0) continue;
            const int p = rs.PosizioneCampo(info->nome);
            if (p < 0) continue;
            bool toccato = false;
            for (const qint64 rowid : std::as_const(cambiate)) {
                const int i = rs.RigaDelRowid(rowid);
                if (i >= 0 && !rs.righe_.at(i).cancellata) {
                    rs.righe_[i].valori[p] = valore;
                    toccato = true;
                }
            }
            if (toccato) rs.SegnaModificato();
        }
    };
    if (!segnare.isEmpty())
        aggiorna(QStringLiteral("rowid IN (SELECT value FROM json_each(?)) AND %1 IS NOT '1'").arg(c),
                 QStringLiteral("1"), json(segnare, {}));
    // Through the partial index: when the marked rows are as many as the
    // rows to keep marked, no other row is marked and nothing is written.
    sqlite3_stmt* st =
        Prepara(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 IS NOT '0'").arg(t, c), ContestoLettura);
    qint64 segnate;
    {
        Uso uso(st);
        if (sqlite3_step(st) != SQLITE_ROW) Errore(ContestoLettura);
        segnate = sqlite3_column_int64(st, 0);
    }
    if (segnate > qint64(segnare.size()) + tenere.size())
        aggiorna(QStringLiteral("%1 IS NOT '0' AND rowid NOT IN (SELECT value FROM json_each(?))").arg(c),
                 QStringLiteral("0"), json(segnare, tenere));
}

void Database::SostituisciRighe(const Query& query, const QStringList& campi,
                                const QVector<QStringList>& righe) {
    const QString tabella = query.Tabella();
    const QList<InfoCampo> info = CampiTabella(tabella);
    QVector<int> posizioni;
    for (const QString& campo : campi) {
        int p = -1;
        for (int i = 0; i < info.size(); ++i)
            if (info.at(i).nome.compare(campo.trimmed(), Qt::CaseInsensitive) == 0) p = i;
        if (p < 0)
            throw ErroreDatabase(
                QStringLiteral("Il campo %1 non esiste nella tabella %2").arg(campo, tabella));
        if (info.at(p).tipo != TipoCampo::Testo)
            throw ErroreDatabase(
                QStringLiteral("Il campo %1 della tabella %2 non è di testo").arg(campo, tabella));
        posizioni.append(p);
    }
    // The rows there are, in the query's order; Null stays apart from "".
    // A value stored already, longer than its field (edited with another
    // tool), goes back whole wherever it comes back.
    QVector<qint64> rowid;
    QVector<QStringList> vecchie;
    QVector<QSet<QString>> lunghi(posizioni.size());
    Leggi(query, campi, [&](qint64 r, const QStringList& valori) {
        rowid.append(r);
        vecchie.append(valori);
        for (int k = 0; k < posizioni.size(); ++k)
            if (TagliaTesto(valori.at(k), info.at(posizioni.at(k)).Limite()).size() != valori.at(k).size())
                lunghi[k].insert(valori.at(k));
    });
    QVector<QVariant> valori(info.size());
    sqlite3_stmt* inserimento = nullptr;
    for (int n = 0; n < righe.size(); ++n) {
        const QStringList& riga = righe.at(n);
        QVector<int> cambiati;
        for (int k = 0; k < posizioni.size(); ++k) {
            const int p = posizioni.at(k);
            const QString nuovo = lunghi.at(k).contains(riga.value(k))
                                      ? riga.value(k)
                                      : TagliaTesto(riga.value(k), info.at(p).Limite());
            valori[p] = nuovo;
            if (n >= vecchie.size()) continue;
            const QString& vecchio = vecchie.at(n).at(k);
            if (vecchio != nuovo || vecchio.isNull() != nuovo.isNull()) cambiati.append(p);
        }
        if (n >= vecchie.size()) {
            // Thousands of rows: the statement is looked up once.
            ControllaGuasto();
            if (!inserimento) inserimento = Prepara(SqlInserimento(tabella, info), ContestoScrittura);
            Inserisci(inserimento, info, valori);
        } else if (!cambiati.isEmpty())
            Aggiorna(tabella, info, rowid.at(n), valori, cambiati);
    }
    for (qsizetype n = righe.size(); n < rowid.size(); ++n)
        Elimina(tabella, rowid.at(n));
}

void Database::Elimina(const QString& tabella, qint64 rowid) {
    ControllaGuasto();
    sqlite3_stmt* st =
        Prepara(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Quota(tabella)), ContestoScrittura);
    Uso uso(st);
    sqlite3_bind_int64(st, 1, rowid);
    if (sqlite3_step(st) != SQLITE_DONE) Errore(ContestoScrittura);
    // The row is gone for every record set over the table, not only this one.
    for (RecordSet& rs : slot_) {
        if (!rs.Aperto() || rs.tabella_.compare(tabella, Qt::CaseInsensitive) != 0) continue;
        const int i = rs.RigaDelRowid(rowid);
        if (i >= 0 && !rs.righe_.at(i).cancellata) {
            rs.righe_[i].cancellata = true;
            ++rs.cancellate_;
            rs.SegnaModificato();
        }
    }
}

void Database::AggiungiRighe(const QString& tabella, const QList<QHash<QString, QVariant>>& righe) {
    const QList<InfoCampo> campi = CampiTabella(tabella);
    QHash<QString, int> posizioni;
    for (int i = 0; i < campi.size(); ++i)
        posizioni.insert(campi.at(i).nome.toLower(), i);
    Transazione transazione(*this);
    for (const QHash<QString, QVariant>& riga : righe) {
        QVector<QVariant> valori(campi.size());
        for (auto v = riga.cbegin(); v != riga.cend(); ++v) {
            const int posizione = posizioni.value(v.key().toLower(), -1);
            if (posizione < 0)
                throw ErroreDatabase(
                    QStringLiteral("Il campo %1 non esiste nella tabella %2").arg(v.key(), tabella));
            valori[posizione] = v.value();
        }
        Inserisci(tabella, campi, valori);
    }
    transazione.Conferma();
    for (RecordSet& rs : slot_)
        if (rs.Aperto() && rs.Tabella().compare(tabella, Qt::CaseInsensitive) == 0) RicaricaRecordSet(rs);
}

// ---- deleting rows and the field map -------------------------------------

void Database::CancellaTabella(int tabella, const QString& campo, const QString& valore,
                               Avanzamento* avanzamento) {
    ControllaTabella(tabella);
    const QString nome = schema_.NomeTabella[tabella];
    Query query(nome);
    if (!campo.isEmpty()) query.DoveCome(campo, valore);

    Transazione transazione(*this);
    RecordSetImposta(7, query);
    RecordSet& rs = slot_[7];
    if (avanzamento)
        avanzamento->InizioAvanzamento(QStringLiteral("Cancellazione tabella ") + nome,
                                       double(rs.RecordCount()));
    try {
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            if (avanzamento) avanzamento->Avanza();
            rs.Delete();
        }
        transazione.Conferma();
    } catch (...) {
        if (avanzamento) avanzamento->FineAvanzamento();
        throw;
    }
    if (avanzamento) avanzamento->FineAvanzamento();
}

std::optional<int> Database::CercaCampoTabella(int slot, const QString& nomeMinuscolo) const {
    ControllaSlot(slot);
    const QList<InfoCampo>& campi = slot_[slot].Campi();
    for (int f = 0; f < campi.size(); ++f)
        if (campi.at(f).nome.toLower() == nomeMinuscolo) return f;
    return std::nullopt;
}

QString Database::CaricaRiferimentiVettoreCampiTabelleDatabase(int slot, const RigaColonne& colonne) const {
    ControllaSlot(slot);
    const QList<InfoCampo>& campi = slot_[slot].Campi();
    const int numero = qBound(0, int(colonne.NumeroColonne), int(colonne.ColonneRiga.size()) - 1);
    QString riferimenti;
    for (int c = 1; c <= numero; ++c) {
        for (int f = 0; f < campi.size(); ++f) {
            if (campi.at(f).nome == colonne.ColonneRiga[c]) {
                riferimenti += Zero(double(c), 2) + Zero(double(f), 2) + u'\\';
                break;
            }
        }
    }
    return riferimenti;
}
