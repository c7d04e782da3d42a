#include "shell/Controlli.h"

void Controllo::Identifica(const QString& nome, const QString& genitore, int indice) {
    nome_ = nome;
    genitore_ = genitore;
    indice_ = indice;
}

QString Controllo::NomeCompleto() const {
    return indice_ < 0 ? nome_ : QStringLiteral("%1(%2)").arg(nome_).arg(indice_);
}

void Controllo::Move(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

void Elenco::Clear() {
    voci_.clear();
    indice_ = -1;
    testo_.clear();
    ++revisione_;
}

void Elenco::AddItem(const QString& voce) {
    voci_.append(voce);
    ++revisione_;
}

void Elenco::SetText(const QString& testo) {
    testo_ = testo;
    indice_ = voci_.indexOf(testo);
    ++revisione_;
}

void Elenco::SetListIndex(int i) {
    if (i < 0 || i >= voci_.size()) {
        indice_ = -1;
    } else {
        indice_ = i;
        testo_ = voci_[i];
    }
    ++revisione_;
}

void Griglia::SetRows(int n) {
    n = qMax(0, n);
    righe_ = n;
    celle_.resize(n);
    for (auto& riga : celle_)
        riga.resize(colonne_);
    for (auto it = stili_.begin(); it != stili_.end();) {
        if (int(it.key() >> 32) >= n)
            it = stili_.erase(it);
        else
            ++it;
    }
    Row = qMin(Row, qMax(0, n - 1));
    RowSel = qMin(RowSel, qMax(0, n - 1));
    ++revisione_;
}

void Griglia::SetCols(int n) {
    n = qMax(0, n);
    colonne_ = n;
    for (auto& riga : celle_)
        riga.resize(n);
    larghezze_.resize(n, 1000);
    allineamenti_.resize(n, Sinistra);
    Col = qMin(Col, qMax(0, n - 1));
    ColSel = qMin(ColSel, qMax(0, n - 1));
    ++revisione_;
}

QString Griglia::TextMatrix(int r, int c) const {
    if (r < 0 || r >= righe_ || c < 0 || c >= colonne_) return {};
    return celle_[r][c];
}

void Griglia::SetTextMatrix(int r, int c, const QString& testo) {
    if (r < 0 || r >= righe_ || c < 0 || c >= colonne_) return;
    celle_[r][c] = testo;
    ++revisione_;
}

static qint64 ChiaveCella(int r, int c) {
    return (qint64(r) << 32) | quint32(c);
}

Griglia::StileCella Griglia::Stile(int r, int c) const {
    return stili_.value(ChiaveCella(r, c));
}

void Griglia::SetStile(int r, int c, const StileCella& stile) {
    if (r < 0 || r >= righe_ || c < 0 || c >= colonne_) return;
    if (!stile.Bold && stile.BackColor < 0 && stile.ForeColor < 0)
        stili_.remove(ChiaveCella(r, c));
    else
        stili_.insert(ChiaveCella(r, c), stile);
    ++revisione_;
}

void Griglia::Clear() {
    for (auto& riga : celle_)
        for (auto& cella : riga)
            cella.clear();
    stili_.clear();
    ++revisione_;
}

int Griglia::ColWidth(int c) const {
    return c >= 0 && c < larghezze_.size() ? larghezze_[c] : 0;
}

void Griglia::SetColWidth(int c, int larghezza) {
    if (c >= 0 && c < larghezze_.size()) {
        larghezze_[c] = larghezza;
        ++revisione_;
    }
}

int Griglia::ColAlignment(int c) const {
    return c >= 0 && c < allineamenti_.size() ? allineamenti_[c] : Sinistra;
}

void Griglia::SetColAlignment(int c, int allineamento) {
    if (c >= 0 && c < allineamenti_.size()) {
        allineamenti_[c] = allineamento;
        ++revisione_;
    }
}
