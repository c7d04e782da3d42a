#pragma once
// The logbook printer's window: real widgets mirroring the window module,
// the user's events forwarded to its handlers, a repaint after each.
#include <QWidget>
#include <functional>

#include "core/FormTaccuvo.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace Taccuvo {

class FinestraTaccuvo : public QWidget {
    Q_OBJECT
public:
    explicit FinestraTaccuvo(FormTaccuvo& form, QWidget* parent = nullptr);

    // Brings every widget in line with the module's state.
    void Aggiorna();
    void Centra();

    QLineEdit* Localita() const { return txtLocalita_; }
    QComboBox* Elenco(const QString& nome) const;
    QPushButton* Pulsante(const QString& nome) const;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    struct LegameElenco {
        Taccuvo::Elenco* modello;
        QComboBox* widget;
        std::function<void()> click;
    };
    QComboBox* CreaElenco(Taccuvo::Elenco& modello, std::function<void()> click);
    void Evento(const std::function<void()>& azione);
    void PosizionaPannello();
    void AssegnaMnemonici();

    FormTaccuvo& form_;
    QGroupBox *frmLocalita_, *frmPeriodo_, *frmBianco_, *frmSelStampa_;
    QLineEdit* txtLocalita_;
    QLabel *lblDal_, *lblAl_, *lblCopie_, *lblVersione_;
    QCheckBox* chkBianco_;
    QPushButton *cmdStampa_, *cmdAnnulla_, *cmdFine_, *cmdHelp_, *cmdSelStampante_[2];
    QListWidget* lstStampanti_;
    QProgressBar* txtFondo_;
    QList<LegameElenco> elenchi_;
    bool aggiornamento_ = false;
};

} // namespace Taccuvo
