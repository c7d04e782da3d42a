#include "database/RecordSet.h"

#include "database/Confronto.h"
#include "database/Database.h"
#include "database/ErroreDatabase.h"

// Sizes count characters, so a pair of UTF-16 surrogates is never split.
QString TagliaTesto(const QString& testo, int dimensione) {
    if (dimensione <= 0) return testo;
    qsizetype i = 0;
    for (int contati = 0; i < testo.size() && contati < dimensione; ++contati) {
        const bool coppia =
            testo.at(i).isHighSurrogate() && i + 1 < testo.size() && testo.at(i + 1).isLowSurrogate();
        i += coppia ? 2 : 1;
    }
    return i < testo.size() ? testo.left(i) : testo;
}

namespace {

// The positions where the edited row differs from the stored one.
QVector<int> CampiCambiati(const QVector<QVariant>& prima, const QVector<QVariant>& dopo) {
    QVector<int> posizioni;
    for (int p = 0; p < dopo.size(); ++p)
        if (p >= prima.size() || prima.at(p) != dopo.at(p)) posizioni.append(p);
    return posizioni;
}

bool ValoreSiNo(const QVariant& valore) {
    if (!valore.isValid() || valore.isNull()) return false;
    if (valore.typeId() == QMetaType::QString) return TestoSiNo(valore.toString());
    return valore.toBool();
}

} // namespace

bool RecordSet::Eof() const {
    return corrente_ >= righe_.size() || RecordCount() == 0;
}

bool RecordSet::Bof() const {
    return corrente_ < 0 || RecordCount() == 0;
}

// The nearest row not deleted from index da in the direction passo; past the
// end gives righe_.size() (EOF), before the start -1 (BOF).
int RecordSet::Vicina(int da, int passo) const {
    for (int i = da + passo; i >= 0 && i < righe_.size(); i += passo)
        if (!righe_.at(i).cancellata) return i;
    return passo > 0 ? int(righe_.size()) : -1;
}

void RecordSet::MoveFirst() {
    modo_ = Modo::Nessuno;
    corrente_ = Vicina(-1, 1);
}

void RecordSet::MoveLast() {
    modo_ = Modo::Nessuno;
    corrente_ = Vicina(int(righe_.size()), -1);
}

void RecordSet::MoveNext() {
    modo_ = Modo::Nessuno;
    if (corrente_ < righe_.size()) corrente_ = Vicina(corrente_, 1);
}

void RecordSet::MovePrevious() {
    modo_ = Modo::Nessuno;
    if (corrente_ >= 0) corrente_ = Vicina(corrente_, -1);
}

qint64 RecordSet::RecordCount() const {
    return righe_.size() - cancellate_;
}

int RecordSet::PosizioneCampo(const QString& nome) const {
    for (int i = 0; i < campi_.size(); ++i)
        if (campi_.at(i).nome.compare(nome, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int RecordSet::Posizione(const QString& campo) const {
    const int p = PosizioneCampo(campo);
    if (p < 0)
        throw ErroreDatabase(QStringLiteral("Il campo %1 non esiste nella tabella %2").arg(campo, tabella_));
    return p;
}

void RecordSet::ControllaRigaCorrente() const {
    if (!Aperto()) throw ErroreDatabase(QStringLiteral("Record set non aperto"));
    if (corrente_ < 0 || corrente_ >= righe_.size() || righe_.at(corrente_).cancellata)
        throw ErroreDatabase(QStringLiteral("Nessun record corrente"));
}

void RecordSet::ControllaModifica() const {
    if (modo_ == Modo::Nessuno)
        throw ErroreDatabase(QStringLiteral("Scrittura nella tabella %1 senza AddNew o Edit").arg(tabella_));
}

const QVector<QVariant>& RecordSet::ValoriCorrenti() const {
    if (modo_ != Modo::Nessuno) return buffer_;
    ControllaRigaCorrente();
    return righe_.at(corrente_).valori;
}

QVariant RecordSet::Valore(const QString& campo) const {
    return Valore(Posizione(campo));
}

QVariant RecordSet::Valore(int posizione) const {
    if (posizione < 0 || posizione >= campi_.size())
        throw ErroreDatabase(
            QStringLiteral("Il campo numero %1 non esiste nella tabella %2").arg(posizione).arg(tabella_));
    return ValoriCorrenti().at(posizione);
}

QString RecordSet::Testo(const QString& campo) const {
    return Testo(Posizione(campo));
}

QString RecordSet::Testo(int posizione) const {
    const QVariant v = Valore(posizione);
    if (!v.isValid() || v.isNull()) return QString();
    if (v.typeId() == QMetaType::Bool) return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return v.toString();
}

bool RecordSet::SiNo(const QString& campo) const {
    return ValoreSiNo(Valore(campo));
}

QVariant RecordSet::Conforma(int posizione, const QVariant& valore) const {
    const InfoCampo& campo = campi_.at(posizione);
    if (campo.tipo == TipoCampo::SiNo) return ValoreSiNo(valore);
    if (!valore.isValid() || valore.isNull()) return QVariant();
    if (campo.tipo != TipoCampo::Testo) return valore;
    const QString testo = valore.typeId() == QMetaType::Bool
                              ? (valore.toBool() ? QStringLiteral("True") : QStringLiteral("False"))
                              : valore.toString();
    // Written back as the row holds it, a value longer than its field (left
    // by another tool) is kept whole.
    if (modo_ == Modo::Modifica && righe_.at(corrente_).valori.at(posizione) == QVariant(testo)) return testo;
    return TagliaTesto(testo, campo.Limite());
}

qint64 RecordSet::RowId() const {
    ControllaRigaCorrente();
    return righe_.at(corrente_).rowid;
}

void RecordSet::Imposta(const QString& campo, const QVariant& valore) {
    Imposta(Posizione(campo), valore);
}

void RecordSet::Imposta(int posizione, const QVariant& valore) {
    ControllaModifica();
    if (posizione < 0 || posizione >= campi_.size())
        throw ErroreDatabase(
            QStringLiteral("Il campo numero %1 non esiste nella tabella %2").arg(posizione).arg(tabella_));
    buffer_[posizione] = Conforma(posizione, valore);
}

void RecordSet::AddNew() {
    if (!Aperto()) throw ErroreDatabase(QStringLiteral("Record set non aperto"));
    buffer_.clear();
    for (const InfoCampo& campo : campi_)
        buffer_.append(campo.tipo == TipoCampo::SiNo ? QVariant(false) : QVariant());
    modo_ = Modo::Nuovo;
}

void RecordSet::Edit() {
    modo_ = Modo::Nessuno;
    ControllaRigaCorrente();
    buffer_ = righe_.at(corrente_).valori;
    modo_ = Modo::Modifica;
}

void RecordSet::Update() {
    ControllaModifica();
    if (modo_ == Modo::Nuovo) {
        const qint64 rowid = db_->Inserisci(tabella_, campi_, buffer_);
        // A set that was past its end stays past its end.
        const bool eraEof = corrente_ >= righe_.size();
        righe_.append(Riga{rowid, buffer_, false});
        if (posizioniPronte_) posizioni_.insert(rowid, int(righe_.size()) - 1);
        if (eraEof) corrente_ = int(righe_.size());
    } else {
        // The row may have been deleted through another record set meanwhile.
        ControllaRigaCorrente();
        const QVector<int> cambiati = CampiCambiati(righe_.at(corrente_).valori, buffer_);
        // Nothing changed, nothing to write.
        if (!cambiati.isEmpty())
            db_->Aggiorna(tabella_, campi_, righe_.at(corrente_).rowid, buffer_, cambiati);
        righe_[corrente_].valori = buffer_;
    }
    modo_ = Modo::Nessuno;
    buffer_.clear();
    SegnaModificato();
}

void RecordSet::CancelUpdate() {
    modo_ = Modo::Nessuno;
    buffer_.clear();
}

void RecordSet::Delete() {
    modo_ = Modo::Nessuno;
    ControllaRigaCorrente();
    db_->Elimina(tabella_, righe_.at(corrente_).rowid);
    Riga& riga = righe_[corrente_];
    if (!riga.cancellata) {
        riga.cancellata = true;
        ++cancellate_;
    }
    SegnaModificato();
}

void RecordSet::SegnaModificato() {
    if (db_ && db_->livelloTransazione_ > 0) modificato_ = true;
}

int RecordSet::RigaDelRowid(qint64 rowid) {
    if (!posizioniPronte_) {
        posizioni_.clear();
        posizioni_.reserve(righe_.size());
        for (int i = 0; i < righe_.size(); ++i)
            posizioni_.insert(righe_.at(i).rowid, i);
        posizioniPronte_ = true;
    }
    return posizioni_.value(rowid, -1);
}
