#pragma once
// A record set: a snapshot of a query's rows with their row ids. AddNew/Edit
// followed by Update, and Delete, are written through to the file at once.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include "database/Schema.h"

class Database;

// The text cut to a field of that many characters (0: no limit).
QString TagliaTesto(const QString& testo, int dimensione);

struct InfoCampo {
    QString nome;
    TipoCampo tipo = TipoCampo::Testo;
    // Text fields: the size a value the program takes in (typed, imported,
    // converted) is cut to, the schema's for the fields of the schema; and
    // the size the file's column declares, wider in a file of a later
    // version or one edited with another tool.
    int dimensione = 0;
    int dimensioneFile = 0;
    // What a value written to the field may hold: a field wider than ours
    // keeps its width.
    int Limite() const { return dimensione > dimensioneFile ? dimensione : dimensioneFile; }
};

class RecordSet {
public:
    RecordSet() = default;

    bool Aperto() const { return db_ != nullptr; }
    const QString& Tabella() const { return tabella_; }

    // Navigation. Eof() is true past the last row (and on an empty set).
    bool Eof() const;
    bool Bof() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // Rows not deleted.
    qint64 RecordCount() const;
    // The file's row id of the current row.
    qint64 RowId() const;

    // The field list (name, type, size), in table order.
    const QList<InfoCampo>& Campi() const { return campi_; }
    int NumeroCampi() const { return campi_.size(); }
    // Position of a field by name, letter case ignored; -1 when none.
    int PosizioneCampo(const QString& nome) const;

    // Field values of the current row (or of the row being added or edited).
    // Text fields give QString, yes/no fields bool; Null gives an invalid
    // QVariant. Throws ErroreDatabase with no current row or an unknown field.
    QVariant Valore(const QString& campo) const;
    QVariant Valore(int posizione) const;
    // The value as text: "" for Null, "True"/"False" for yes/no.
    QString Testo(const QString& campo) const;
    QString Testo(int posizione) const;
    bool SiNo(const QString& campo) const;

    // Only between AddNew/Edit and Update. Text longer than the field is cut
    // to the field's size (Limite), unless it is the value the edited row
    // holds already: a row stored back unchanged never loses characters.
    void Imposta(const QString& campo, const QVariant& valore);
    void Imposta(int posizione, const QVariant& valore);

    void AddNew(); // a new empty row; Update adds it at the end of the set
    void Edit();   // edit the current row
    void Update(); // write the new or edited row; throws ErroreDatabase
    void CancelUpdate();
    void Delete(); // delete the current row; it stays current until a move

private:
    friend class Database;
    struct Riga {
        qint64 rowid = 0;
        QVector<QVariant> valori;
        bool cancellata = false;
    };
    enum class Modo { Nessuno, Nuovo, Modifica };

    void ControllaRigaCorrente() const;
    void ControllaModifica() const;
    int Posizione(const QString& campo) const; // throws when unknown
    const QVector<QVariant>& ValoriCorrenti() const;
    QVariant Conforma(int posizione, const QVariant& valore) const;
    int Vicina(int da, int passo) const;
    void SegnaModificato();
    // Position of the row with that row id, -1 when the set does not hold it.
    int RigaDelRowid(qint64 rowid);

    Database* db_ = nullptr;
    QString tabella_;
    QList<InfoCampo> campi_;
    QVector<Riga> righe_;
    // Row id -> position, built when another record set first writes to the
    // table, so that keeping every open set in line costs no scan.
    QHash<qint64, int> posizioni_;
    bool posizioniPronte_ = false;
    int corrente_ = 0; // index into righe_; righe_.size() = EOF, -1 = BOF
    Modo modo_ = Modo::Nessuno;
    QVector<QVariant> buffer_;
    qint64 cancellate_ = 0;
    // The statement that loaded the set, to reload it after a rollback.
    QString sql_;
    QStringList parametri_;
    bool modificato_ = false; // written inside the transaction still open
};
