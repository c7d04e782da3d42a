#include "database/Database.h"

#include "database/DatabaseInterno.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

using namespace db_interno;

// ---- bringing an older file to the schema, after a safety copy ----------

void Database::DataBaseTabelleAggiorna() {
    copiaDiSicurezza_.clear();
    QList<int> daRicostruire;
    for (int t = TabMete; t <= TabUltima; ++t)
        if (EsisteTabella(schema_.NomeTabella[t]) && !TabellaConformeSchema(t)) daRicostruire.append(t);
    // The copy cannot be taken inside a transaction, so it comes first and
    // holds the file exactly as it was found.
    // A copy in memory leaves its file as it was: nothing to keep.
    if (!daRicostruire.isEmpty() && !CopiaInMemoria()) FaiCopiaDiSicurezza();

    ChiudiIstruzioni();
    try {
        AggiornaTabelle(daRicostruire);
    } catch (...) {
        // The file is as it was: a copy of it would only pile up.
        if (!copiaDiSicurezza_.isEmpty()) QFile::remove(copiaDiSicurezza_);
        copiaDiSicurezza_.clear();
        throw;
    }
}

void Database::AggiornaTabelle(const QList<int>& daRicostruire) {
    Transazione transazione(*this);
    for (int t = TabMete; t <= TabUltima; ++t) {
        if (!EsisteTabella(schema_.NomeTabella[t]))
            DatabaseTabellaCrea(t);
        else if (daRicostruire.contains(t))
            RicostruisciTabella(t);
        DataBaseVerificaIndici(t);
    }
    if (LeggiIntero(db_, "PRAGMA application_id") != IdApplicazione)
        EseguiScrittura(QStringLiteral("PRAGMA application_id = %1").arg(IdApplicazione), ContestoStruttura);
    transazione.Conferma();
}

// Written under a temporary name and renamed only when complete: a copy
// under its final name is always a whole database. What a killed start left
// half written is removed by the next one.
void Database::FaiCopiaDiSicurezza() {
    const QFileInfo file(FileDatabase);
    const QDir cartella = file.dir();
    const QString suffisso = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    const QString radice = file.completeBaseName() + QStringLiteral("_copia_");
    for (const QString& resto : cartella.entryList({radice + QStringLiteral("*") + SuffissoParziale + u'*'},
                                                   QDir::Files | QDir::Hidden))
        QFile::remove(cartella.filePath(resto));

    const QString base = radice + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss"));
    QString percorso = cartella.filePath(base + suffisso);
    for (int n = 2; QFileInfo::exists(percorso); ++n)
        percorso = cartella.filePath(base + QStringLiteral("_%1").arg(n) + suffisso);
    const QString parziale = percorso + SuffissoParziale;

    const QString contesto = QStringLiteral("Errore nella copia di sicurezza del database");
    auto fallita = [&](const QString& dettaglio, int codice) {
        QFile::remove(parziale);
        QFile::remove(parziale + QStringLiteral("-journal"));
        throw ErroreDatabase(contesto + QStringLiteral(": ") + dettaglio, codice);
    };
    QFile::remove(parziale);
    if (GuastoSimulato()) fallita(DettaglioErrore(SQLITE_FULL, QString()), SQLITE_FULL);
    {
        sqlite3_stmt* st = Prepara(QStringLiteral("VACUUM INTO ?"), contesto);
        Uso uso(st);
        const QByteArray nome = parziale.toUtf8();
        sqlite3_bind_text(st, 1, nome.constData(), int(nome.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(st) != SQLITE_DONE) {
            const int codice = sqlite3_extended_errcode(db_) & 0xff;
            fallita(DettaglioErrore(codice, QString::fromUtf8(sqlite3_errmsg(db_))), codice);
        }
    }
    QString errore;
    if (!DaiNome(parziale, percorso, &errore)) fallita(errore, SQLITE_IOERR);
    copiaDiSicurezza_ = percorso;
}

// A new table with the schema's fields in order, then any field the old one
// has beyond the schema; every row is copied with its row id and every value
// whole (a field wider than ours stays as wide); the old table is then
// dropped and the new one takes its name.
void Database::RicostruisciTabella(int tabella) {
    const QString nome = schema_.NomeTabella[tabella];
    const QList<QPair<QString, QString>> vecchie = ColonneDichiarate(nome);
    QVector<bool> usata(vecchie.size(), false);
    auto cerca = [&](const QString& campo, Qt::CaseSensitivity cs) -> int {
        for (int i = 0; i < vecchie.size(); ++i)
            if (!usata.at(i) && vecchie.at(i).first.compare(campo, cs) == 0) return i;
        return -1;
    };

    QStringList colonne, destinazioni, sorgenti;
    for (const SpecificaCampo& voce : AnalizzaStruttura(schema_.StrutturaTabella[tabella])) {
        int k = cerca(voce.nome, Qt::CaseSensitive);
        if (k < 0) k = cerca(voce.nome, Qt::CaseInsensitive);
        QString sorgente;
        SpecificaCampo nuovo = voce;
        if (k >= 0) {
            usata[k] = true;
            sorgente = Quota(vecchie.at(k).first);
            // A wider field keeps its width.
            const InfoCampo vecchio = CampoDaDichiarazione(vecchie.at(k).first, vecchie.at(k).second);
            if (voce.tipo == TipoCampo::Testo && vecchio.tipo == TipoCampo::Testo)
                nuovo.dimensione = qMax(voce.dimensione, vecchio.dimensioneFile);
        }
        colonne.append(Quota(voce.nome) + u' ' + Dichiarazione(nuovo));
        destinazioni.append(Quota(voce.nome));
        sorgenti.append(EspressioneCopia(voce, sorgente));
    }
    for (int k = 0; k < vecchie.size(); ++k) {
        if (usata.at(k)) continue;
        colonne.append((Quota(vecchie.at(k).first) + u' ' + TipoSicuro(vecchie.at(k).second)).trimmed());
        destinazioni.append(Quota(vecchie.at(k).first));
        sorgenti.append(Quota(vecchie.at(k).first));
    }

    QString nuova = nome + QStringLiteral("_ricostruita");
    while (EsisteTabella(nuova))
        nuova += u'_';
    const QString virgola = QStringLiteral(", ");

    Transazione transazione(*this);
    campiTabella_.clear();
    EseguiScrittura(QStringLiteral("CREATE TABLE %1 (%2)").arg(Quota(nuova), colonne.join(virgola)),
                    ContestoStruttura);
    EseguiScrittura(QStringLiteral("INSERT INTO %1 (rowid, %2) SELECT rowid, %3 FROM %4 ORDER BY rowid")
                        .arg(Quota(nuova), destinazioni.join(virgola), sorgenti.join(virgola), Quota(nome)),
                    ContestoStruttura);
    EseguiScrittura(QStringLiteral("DROP TABLE %1").arg(Quota(nome)), ContestoStruttura);
    EseguiScrittura(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(Quota(nuova), Quota(nome)),
                    ContestoStruttura);
    transazione.Conferma();
    campiTabella_.clear();
}
