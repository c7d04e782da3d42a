#pragma once
// The planner's main window: real widgets built from the window module's
// controls, the user's events forwarded to its handlers, and a repaint from
// the module after each of them. The layout keeps the module's twips,
// scaled as one with the font: the window can be resized and maximised.
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include "shell/FormViandora.h"

class QTableView;
class ModelloGriglia;

class FinestraViandora : public QWidget {
    Q_OBJECT
public:
    explicit FinestraViandora(FormViandora& form, QWidget* parent = nullptr);

    // Brings every widget in line with the module's state.
    void Aggiorna();
    // The repaint asked for while a long command lets pending events run:
    // at most a few times a second, and never the content of a grid whose
    // Redraw is off.
    void AggiornaDurante();
    // The focus goes to a control ("txtTappa") at the end of the next repaint.
    void Fuoco(const QString& nomeCompleto);
    // The widget that shows a control ("cmdEsce", "cmbOra(3)").
    QWidget* Widget(const QString& nomeCompleto) const { return widget_.value(nomeCompleto, nullptr); }
    // Sizes the window for its screen and centres it there.
    void Centra();
    // Pixels per twip; 1/15 at the layout's own size.
    double Scala() const { return scala_; }
    // The layout's own size in pixels at the given scale.
    QSize DimensioneA(double scala) const;
    // The scale that suits a screen of this available size.
    QSize DimensioneIniziale(const QSize& disponibile) const;
    // The smallest the window may be made on such a screen: its text stays
    // as large as at the start on a 1024x768 screen, unless the screen is
    // smaller.
    QSize DimensioneMinima(const QSize& disponibile) const;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    struct Legame {
        Controllo* controllo;
        QWidget* widget;
        ModelloGriglia* modelloGriglia = nullptr;
        int revisione = -1;
        int primaRiga = -1; // the grid's TopRow last applied
        double scala = 0;   // the scale its geometry and widths were set for
    };
    QWidget* CreaWidget(Controllo& c, QWidget* genitore);
    // One per kind of control: the widget, with its signals forwarded to the
    // module's handlers by the control's full name.
    QWidget* CreaPulsante(const QString& nome, QWidget* genitore);
    QWidget* CreaCasellaTesto(CasellaTesto& casella, const QString& nome, QWidget* genitore);
    QWidget* CreaListaRicerca(Elenco& elenco, const QString& nome, QWidget* genitore);
    QWidget* CreaElenco(Elenco& elenco, const QString& nome, QWidget* genitore);
    QWidget* CreaCasellaSpunta(CasellaSpunta& spunta, const QString& nome, QWidget* genitore);
    QWidget* CreaListaVoci(ListaVoci& lista, const QString& nome, QWidget* genitore);
    QWidget* CreaOpzione(Opzione& opzione, const QString& nome, QWidget* genitore);
    QWidget* CreaGriglia(Griglia& griglia, const QString& nome, QWidget* genitore);
    void AggiornaWidget(Legame& l, bool griglie);
    void AggiornaGriglia(Legame& l);
    void LarghezzeColonne(Legame& l);
    void Ridisegna(bool griglie);
    // The captions shown, where two commands a user can give on the screen
    // share a letter: the later one takes another (Caption() otherwise).
    void AssegnaMnemonici();
    QString Caption(const Controllo& c) const;
    // Shown and enabled, with every panel that holds it.
    bool Attivo(const Controllo& c) const;
    void Evento(const std::function<void()>& azione);
    void PremiPulsante(bool predefinito);
    void ImpostaScala(double scala);
    void OrdineTabulazione();
    // Text from the clipboard typed into a field through its key filter.
    void Incolla(QObject* campo, const QString& nome);
    void MenuContestuale(QObject* campo, const QString& nome, const QPoint& dove);
    int Px(int twips) const;

    FormViandora& form_;
    QWidget* piano_ = nullptr; // the layout, centred in the window
    QList<Legame> legami_;
    QHash<QString, QWidget*> widget_;
    QHash<QObject*, QString> nomi_;
    QHash<const Controllo*, QString> mnemonici_;
    bool aggiornamento_ = false;
    double scala_ = 1.0 / 15;
    QString fuoco_;
    bool mostrati_ = true; // a control came into view since the last raise
    QElapsedTimer ultimoRidisegno_;
    // Measured widths of grid texts, plain and bold, at the current scale.
    QHash<QString, int> larghezzeTesto_[2];
};
