#pragma once
// The controls of the logbook printer's window as plain state. The form
// writes them; the window draws them and forwards the user's events.
#include <QString>
#include <QStringList>

namespace Taccuvo {

constexpr quint32 Nero = 0x000000;
constexpr quint32 Bianco = 0xFFFFFF;

struct Controllo {
    bool Visible = true;
    bool Enabled = true;
    QString ToolTipText;
};

struct Cornice : Controllo {
    QString Caption;
};

struct Etichetta : Controllo {
    QString Caption;
};

struct Pulsante : Controllo {
    QString Caption;
    bool Default = false;
};

struct CasellaTesto : Controllo {
    QString Text;
    int MaxLength = 0; // 0: no limit
    quint32 ForeColor = Nero;
};

struct CasellaSpunta : Controllo {
    QString Caption;
    bool Value = false;
};

// A drop-down list whose value is only picked among its entries.
struct Elenco : Controllo {
    QStringList Voci;
    QString Text;
    quint32 ForeColor = Nero;
    void Clear() {
        Voci.clear();
        Text.clear();
    }
    void AddItem(const QString& voce) { Voci.append(voce); }
    int ListIndex() const { return static_cast<int>(Voci.indexOf(Text)); }
};

// A list box with one selected entry (-1: none).
struct Lista : Controllo {
    QStringList Voci;
    int ListIndex = -1;
    QString Text() const { return ListIndex >= 0 && ListIndex < Voci.size() ? Voci[ListIndex] : QString(); }
};

// The progress bar: the track and its filled part, as a fraction.
struct Barra : Controllo {
    QString Text;
    double Riempimento = 0; // 0..1
    bool RiempimentoVisibile = false;
};

} // namespace Taccuvo
