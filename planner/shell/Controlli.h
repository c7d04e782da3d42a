#pragma once
// The state of the window's controls as plain objects. The core reads and
// writes only these; the window draws them and forwards the user's events.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class Controllo {
public:
    enum class Tipo {
        Pannello,
        Pulsante,
        CasellaTesto,
        Etichetta,
        Elenco,
        Griglia,
        CasellaSpunta,
        ListaVoci,
        Opzione
    };

    explicit Controllo(Tipo tipo) : tipo_(tipo) {}
    virtual ~Controllo() = default;
    Controllo(const Controllo&) = delete;
    Controllo& operator=(const Controllo&) = delete;

    Tipo TipoControllo() const { return tipo_; }
    const QString& Nome() const { return nome_; }
    // The panel holding the control, empty for the window itself.
    const QString& Genitore() const { return genitore_; }
    // Position in a control array such as cmbOra(0..8), -1 for none.
    int Indice() const { return indice_; }
    QString NomeCompleto() const;
    // Name, parent panel and array position, given once when the window
    // module registers the control.
    void Identifica(const QString& nome, const QString& genitore, int indice = -1);

    // Position and size in twips, relative to the parent panel.
    void Move(int left, int top, int width, int height);
    void Move(int left, int top) { Move(left, top, Width, Height); }

    bool Visible = true;
    bool Enabled = true;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    QString ToolTipText;
    // Tab order within the window; 0 keeps creation order.
    int TabIndex = 0;

private:
    Tipo tipo_;
    QString nome_;
    QString genitore_;
    int indice_ = -1;
};

class Pannello : public Controllo {
public:
    Pannello() : Controllo(Tipo::Pannello) {}
    QString Caption;
};

class Pulsante : public Controllo {
public:
    Pulsante() : Controllo(Tipo::Pulsante) {}
    QString Caption;
    bool Default = false; // Enter triggers it
    bool Cancel = false;  // Esc triggers it
};

class CasellaTesto : public Controllo {
public:
    CasellaTesto() : Controllo(Tipo::CasellaTesto) {}
    QString Text;
    int MaxLength = 0; // 0 = no limit
    bool Locked = false;
    bool Multiline = false;
    bool Centrato = false;
    // Colour of a box drawn as a bar (the progress bar), as 0xRRGGBB; -1 none.
    int BackColor = -1;
};

class Etichetta : public Controllo {
public:
    Etichetta() : Controllo(Tipo::Etichetta) {}
    QString Caption;
};

// A tick box; the window sets Value when the user ticks it, then reports a
// click.
class CasellaSpunta : public Controllo {
public:
    CasellaSpunta() : Controllo(Tipo::CasellaSpunta) {}
    QString Caption;
    bool Value = false;
};

// A drop-down list whose text may also be typed (or only chosen, when the
// key filter rejects every key).
class Elenco : public Controllo {
public:
    Elenco() : Controllo(Tipo::Elenco) {}

    void Clear();
    void AddItem(const QString& voce);
    int ListCount() const { return voci_.size(); }
    QString List(int i) const { return i >= 0 && i < voci_.size() ? voci_[i] : QString(); }
    const QStringList& Voci() const { return voci_; }

    // Text shown; setting it selects the entry with that exact text, if any.
    const QString& Text() const { return testo_; }
    void SetText(const QString& testo);
    // Selected entry, -1 for none; selecting an entry shows its text.
    int ListIndex() const { return indice_; }
    void SetListIndex(int i);

    // Grows at every change of entries, so a view knows when to refill.
    int Revisione() const { return revisione_; }

    // Characters that may be typed; 0 = no limit.
    int MaxLength = 0;

private:
    QStringList voci_;
    QString testo_;
    int indice_ = -1;
    int revisione_ = 0;
};

// A grid of text cells with fixed heading rows and columns.
class Griglia : public Controllo {
public:
    enum Allineamento { Sinistra = 1, Centro = 4, Destra = 7 };
    struct StileCella {
        bool Bold = false;
        int BackColor = -1; // 0xRRGGBB, -1 default
        int ForeColor = -1;
    };

    Griglia() : Controllo(Tipo::Griglia) {}

    int Rows() const { return righe_; }
    int Cols() const { return colonne_; }
    void SetRows(int n);
    void SetCols(int n);
    int FixedRows = 1;
    int FixedCols = 0;

    QString TextMatrix(int r, int c) const;
    void SetTextMatrix(int r, int c, const QString& testo);
    StileCella Stile(int r, int c) const;
    void SetStile(int r, int c, const StileCella& stile);
    void Clear(); // empties every cell and style, keeps the size

    int ColWidth(int c) const; // twips
    void SetColWidth(int c, int larghezza);
    int ColAlignment(int c) const;
    void SetColAlignment(int c, int allineamento);

    // Current cell and selection; TopRow is the first visible scrolling row.
    int Row = 0, Col = 0, RowSel = 0, ColSel = 0, TopRow = 1;
    bool Redraw = true;

    // Grows at every change of content or shape.
    int Revisione() const { return revisione_; }
    void Modificata() { ++revisione_; }

private:
    int righe_ = 0;
    int colonne_ = 0;
    QVector<QVector<QString>> celle_;
    QHash<qint64, StileCella> stili_;
    QVector<int> larghezze_;
    QVector<int> allineamenti_;
    int revisione_ = 0;
};

// A list box: every entry in view, at most one chosen; the window sets
// ListIndex when the user chooses, then reports a click.
class ListaVoci : public Controllo {
public:
    ListaVoci() : Controllo(Tipo::ListaVoci) {}
    void Clear() {
        voci_.clear();
        ListIndex = -1;
        ++revisione_;
    }
    void AddItem(const QString& voce) {
        voci_.append(voce);
        ++revisione_;
    }
    int ListCount() const { return voci_.size(); }
    QString List(int i) const { return i >= 0 && i < voci_.size() ? voci_[i] : QString(); }
    const QStringList& Voci() const { return voci_; }
    // The chosen entry's text, empty when none is chosen.
    QString Text() const { return List(ListIndex); }
    int ListIndex = -1;
    int Revisione() const { return revisione_; }

private:
    QStringList voci_;
    int revisione_ = 0;
};

// An option button; its handler clears the other buttons of its group.
class Opzione : public Controllo {
public:
    Opzione() : Controllo(Tipo::Opzione) {}
    QString Caption;
    bool Value = false;
};
