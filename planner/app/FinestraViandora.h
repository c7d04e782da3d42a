#pragma once
// The planner's main window: real widgets built from the window module's
// controls, the user's events forwarded to its handlers, and a repaint from
// the module after each of them.
#include <QHash>
#include <QList>
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
    // The widget that shows a control ("cmdEsce", "cmbOra(3)").
    QWidget* Widget(const QString& nomeCompleto) const { return widget_.value(nomeCompleto, nullptr); }
    // Centres the window on its screen.
    void Centra();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    struct Legame {
        Controllo* controllo;
        QWidget* widget;
        ModelloGriglia* modelloGriglia = nullptr;
        int revisione = -1;
        int primaRiga = -1; // the grid's TopRow last applied
    };
    QWidget* CreaWidget(Controllo& c, QWidget* genitore);
    void AggiornaWidget(Legame& l);
    void Evento(const std::function<void()>& azione);
    void PremiPulsante(bool predefinito);

    FormViandora& form_;
    QList<Legame> legami_;
    QHash<QString, QWidget*> widget_;
    QHash<QObject*, QString> nomi_;
    bool aggiornamento_ = false;
};
