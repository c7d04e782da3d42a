#include "database/Database.h"

#include "database/DatabaseInterno.h"
#include <sqlite3.h>

using namespace db_interno;

// ---- the schema -------------------------------------------------------------

QList<QPair<QString, QString>> Database::ColonneDichiarate(const QString& tabella) {
    sqlite3_stmt* st =
        Prepara(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"), ContestoLettura);
    Uso uso(st);
    const QByteArray nome = tabella.toUtf8();
    sqlite3_bind_text(st, 1, nome.constData(), int(nome.size()), SQLITE_TRANSIENT);
    QList<QPair<QString, QString>> colonne;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        colonne.append({TestoColonna(st, 0), TestoColonna(st, 1)});
    if (rc != SQLITE_DONE) Errore(ContestoLettura);
    return colonne;
}

QList<InfoCampo> Database::CampiTabella(const QString& tabella) {
    const QString chiave = tabella.toLower();
    if (campiTabella_.contains(chiave)) return campiTabella_.value(chiave);
    QList<InfoCampo> campi;
    for (const auto& [nome, tipo] : ColonneDichiarate(tabella))
        campi.append(CampoDaDichiarazione(nome, tipo));
    DimensioniSchema(tabella, campi);
    if (!campi.isEmpty()) campiTabella_.insert(chiave, campi);
    return campi;
}

void Database::DimensioniSchema(const QString& tabella, QList<InfoCampo>& campi) const {
    const auto dimensioni = dimensioniSchema_.constFind(tabella.toLower());
    if (dimensioni == dimensioniSchema_.constEnd()) return;
    for (InfoCampo& c : campi)
        if (c.tipo == TipoCampo::Testo) c.dimensione = dimensioni->value(c.nome.toLower(), c.dimensione);
}

QStringList Database::NomiTabelle() {
    sqlite3_stmt* st = Prepara(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"
                                              " AND substr(name, 1, 7) <> 'sqlite_' ORDER BY rowid"),
                               ContestoLettura);
    Uso uso(st);
    QStringList nomi;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        nomi.append(TestoColonna(st, 0));
    if (rc != SQLITE_DONE) Errore(ContestoLettura);
    return nomi;
}

QStringList Database::NomiIndici(const QString& tabella) {
    sqlite3_stmt* st =
        Prepara(QStringLiteral("SELECT name FROM pragma_index_list(?) ORDER BY name"), ContestoLettura);
    Uso uso(st);
    const QByteArray nome = tabella.toUtf8();
    sqlite3_bind_text(st, 1, nome.constData(), int(nome.size()), SQLITE_TRANSIENT);
    const QString prefisso = NomeIndice(tabella, QString());
    QStringList nomi;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const QString indice = TestoColonna(st, 0);
        nomi.append(indice.startsWith(prefisso, Qt::CaseInsensitive) ? indice.mid(prefisso.size()) : indice);
    }
    if (rc != SQLITE_DONE) Errore(ContestoLettura);
    return nomi;
}

bool Database::EsisteTabella(const QString& tabella) {
    return NomiTabelle().contains(tabella, Qt::CaseInsensitive);
}

void Database::DatabaseTabelleCreazione() {
    Transazione transazione(*this);
    for (int t = TabMete; t <= TabUltima; ++t)
        DatabaseTabellaCrea(t);
    transazione.Conferma();
}

void Database::DatabaseTabellaCrea(int tabella) {
    ControllaTabella(tabella);
    QStringList colonne;
    for (const SpecificaCampo& c : AnalizzaStruttura(schema_.StrutturaTabella[tabella]))
        colonne.append(Quota(c.nome) + u' ' + Dichiarazione(c));
    campiTabella_.clear();
    EseguiScrittura(QStringLiteral("CREATE TABLE %1 (%2)")
                        .arg(Quota(schema_.NomeTabella[tabella]), colonne.join(QStringLiteral(", "))),
                    ContestoStruttura);
}

bool Database::TabellaConformeSchema(int tabella) {
    const QString nome = schema_.NomeTabella[tabella];
    {
        sqlite3_stmt* st =
            Prepara(QStringLiteral("SELECT sql FROM sqlite_master WHERE tbl_name = ? COLLATE NOCASE"),
                    ContestoLettura);
        Uso uso(st);
        const QByteArray testo = nome.toUtf8();
        sqlite3_bind_text(st, 1, testo.constData(), int(testo.size()), SQLITE_TRANSIENT);
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            if (NominaCollazioneNostra(TestoColonna(st, 0))) return false;
        if (rc != SQLITE_DONE) Errore(ContestoLettura);
    }
    const QList<InfoCampo> campi = CampiTabella(nome);
    for (const SpecificaCampo& voce : AnalizzaStruttura(schema_.StrutturaTabella[tabella])) {
        const auto trovato =
            std::find_if(campi.begin(), campi.end(), [&](const InfoCampo& c) { return c.nome == voce.nome; });
        if (trovato == campi.end() || trovato->tipo != voce.tipo) return false;
        // A wider field (a later version, another tool) is fine as it is.
        if (voce.tipo == TipoCampo::Testo && trovato->dimensioneFile < voce.dimensione) return false;
    }
    return true;
}

void Database::DataBaseVerificaIndici(int tabella) {
    ControllaTabella(tabella);
    const QString nome = schema_.NomeTabella[tabella];
    QStringList mancanti, segnatiMancanti;
    for (const QString& campo : schema_.IndiciTabella[tabella].split(u',', Qt::SkipEmptyParts))
        mancanti.append(campo.trimmed());
    for (const QString& campo : schema_.IndiciSegnati[tabella].split(u',', Qt::SkipEmptyParts))
        segnatiMancanti.append(campo.trimmed());
    for (const QString& esistente : NomiIndici(nome)) {
        mancanti.removeAll(esistente);
        if (esistente.endsWith(SuffissoSegnato))
            segnatiMancanti.removeAll(esistente.chopped(SuffissoSegnato.size()));
    }
    if (mancanti.isEmpty() && segnatiMancanti.isEmpty()) return;
    Transazione transazione(*this);
    for (const InfoCampo& campo : CampiTabella(nome)) {
        if (mancanti.contains(campo.nome))
            EseguiScrittura(QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                                .arg(Quota(NomeIndice(nome, campo.nome)), Quota(nome), Quota(campo.nome)),
                            ContestoStruttura);
        // The condition is the one SegnaRighe writes, so that it can use it.
        if (segnatiMancanti.contains(campo.nome))
            EseguiScrittura(QStringLiteral("CREATE INDEX %1 ON %2 (%3) WHERE %3 IS NOT '0'")
                                .arg(Quota(NomeIndice(nome, campo.nome + SuffissoSegnato)), Quota(nome),
                                     Quota(campo.nome)),
                            ContestoStruttura);
    }
    transazione.Conferma();
}
