#include "finestra/FinestraTaccuvo.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/Immagini.h"
#include "finestre/Mnemonici.h"

namespace Taccuvo {

namespace {
void Colore(QWidget* w, quint32 colore) {
    QPalette p = w->palette();
    const QColor c(QRgb(0xFF000000u | colore));
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

QPushButton* CreaPulsante(const Taccuvo::Pulsante& m, QWidget* genitore) {
    auto* b = new QPushButton(m.Caption, genitore);
    b->setToolTip(m.ToolTipText);
    b->setAutoDefault(false);
    return b;
}
} // namespace

FinestraTaccuvo::FinestraTaccuvo(FormTaccuvo& form, QWidget* parent) : QWidget(parent), form_(form) {
    setWindowTitle(form_.Caption);
    setWindowIcon(QIcon(ImmagineLogo2));
    auto* colonna = new QVBoxLayout(this);

    frmLocalita_ = new QGroupBox(form_.frmLocalita.Caption, this);
    txtLocalita_ = new QLineEdit(frmLocalita_);
    txtLocalita_->installEventFilter(this);
    (new QVBoxLayout(frmLocalita_))->addWidget(txtLocalita_);
    connect(txtLocalita_, &QLineEdit::textEdited, this,
            [this](const QString& t) { Evento([this, t] { form_.txtLocalita_Change(t); }); });
    colonna->addWidget(frmLocalita_);

    frmPeriodo_ = new QGroupBox(form_.frmPeriodo.Caption, this);
    auto* griglia = new QGridLayout(frmPeriodo_);
    lblDal_ = new QLabel(form_.lblDal.Caption, frmPeriodo_);
    lblAl_ = new QLabel(form_.lblAl.Caption, frmPeriodo_);
    griglia->addWidget(lblDal_, 0, 0);
    griglia->addWidget(lblAl_, 1, 0);
    QComboBox* g1 = CreaElenco(form_.cmbg1, [this] { form_.cmbG1_Click(); });
    griglia->addWidget(g1, 0, 1);
    griglia->addWidget(CreaElenco(form_.cmbm1, [this] { form_.cmbM1_Click(); }), 0, 2);
    griglia->addWidget(CreaElenco(form_.cmba1, [this] { form_.cmbA1_Click(); }), 0, 3);
    QComboBox* g2 = CreaElenco(form_.cmbg2, [this] { form_.cmbG2_Click(); });
    griglia->addWidget(g2, 1, 1);
    griglia->addWidget(CreaElenco(form_.cmbm2, [this] { form_.cmbM2_Click(); }), 1, 2);
    griglia->addWidget(CreaElenco(form_.cmba2, [this] { form_.cmbA2_Click(); }), 1, 3);
    griglia->setColumnStretch(4, 1);
    lblDal_->setBuddy(g1);
    lblAl_->setBuddy(g2);
    colonna->addWidget(frmPeriodo_);

    frmBianco_ = new QGroupBox(form_.frmBianco.Caption, this);
    auto* riga = new QHBoxLayout(frmBianco_);
    chkBianco_ = new QCheckBox(form_.chkBianco.Caption, frmBianco_);
    connect(chkBianco_, &QCheckBox::clicked, this, [this](bool spuntata) {
        Evento([this, spuntata] {
            form_.chkBianco.Value = spuntata;
            form_.chkBianco_Click();
        });
    });
    lblCopie_ = new QLabel(form_.lblCopie.Caption, frmBianco_);
    QComboBox* copie = CreaElenco(form_.cmbCopie, [] {});
    lblCopie_->setBuddy(copie);
    riga->addWidget(chkBianco_);
    riga->addStretch(1);
    riga->addWidget(lblCopie_);
    riga->addWidget(copie);
    colonna->addWidget(frmBianco_);

    auto* pulsanti = new QHBoxLayout;
    cmdStampa_ = CreaPulsante(form_.cmdStampa, this);
    cmdAnnulla_ = CreaPulsante(form_.cmdAnnulla, this);
    cmdFine_ = CreaPulsante(form_.cmdFine, this);
    cmdHelp_ = CreaPulsante(form_.cmdHelp, this);
    connect(cmdStampa_, &QPushButton::clicked, this, [this] { Evento([this] { form_.cmdStampa_Click(); }); });
    connect(cmdAnnulla_, &QPushButton::clicked, this,
            [this] { Evento([this] { form_.cmdAnnulla_Click(); }); });
    connect(cmdFine_, &QPushButton::clicked, this, [this] { Evento([this] { form_.cmdFine_Click(); }); });
    connect(cmdHelp_, &QPushButton::clicked, this, [this] { Evento([this] { form_.cmdHelp_Click(); }); });
    pulsanti->addWidget(cmdStampa_);
    pulsanti->addWidget(cmdAnnulla_);
    pulsanti->addWidget(cmdFine_);
    pulsanti->addWidget(cmdHelp_);
    pulsanti->addStretch(1);
    lblVersione_ = new QLabel(this);
    pulsanti->addWidget(lblVersione_);
    colonna->addLayout(pulsanti);

    txtFondo_ = new QProgressBar(this);
    txtFondo_->setRange(0, 1000);
    txtFondo_->setAlignment(Qt::AlignCenter);
    QSizePolicy politica = txtFondo_->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    txtFondo_->setSizePolicy(politica);
    colonna->addWidget(txtFondo_);

    // The printer panel lies over the fields while it is shown.
    frmSelStampa_ = new QGroupBox(form_.frmSelStampa.Caption, this);
    frmSelStampa_->setAutoFillBackground(true);
    auto* pannello = new QVBoxLayout(frmSelStampa_);
    lstStampanti_ = new QListWidget(frmSelStampa_);
    pannello->addWidget(lstStampanti_);
    auto* scelta = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        cmdSelStampante_[i] = CreaPulsante(form_.cmdSelStampante[i], frmSelStampa_);
        connect(cmdSelStampante_[i], &QPushButton::clicked, this,
                [this, i] { Evento([this, i] { form_.cmdSelStampante_Click(i); }); });
        scelta->addWidget(cmdSelStampante_[i]);
    }
    pannello->addLayout(scelta);
    connect(lstStampanti_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (!aggiornamento_) form_.lstStampanti.ListIndex = r;
    });
    connect(lstStampanti_, &QListWidget::itemActivated, this,
            [this] { Evento([this] { form_.cmdSelStampante_Click(0); }); });
    frmSelStampa_->hide();

    // The window takes the size its contents ask for, and shows its title whole.
    colonna->setSizeConstraint(QLayout::SetFixedSize);
    frmLocalita_->setMinimumWidth(fontMetrics().horizontalAdvance(form_.Caption) + 120);
}

QComboBox* FinestraTaccuvo::CreaElenco(Taccuvo::Elenco& modello, std::function<void()> click) {
    auto* c = new QComboBox(this);
    c->setToolTip(modello.ToolTipText);
    c->installEventFilter(this);
    // Wide enough for the longest entry the list will hold.
    c->setMinimumContentsLength(4);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    elenchi_.append({&modello, c, click});
    connect(c, &QComboBox::activated, this, [this, &modello, c, click](int i) {
        Evento([&modello, c, click, i] {
            modello.Text = c->itemText(i);
            click();
        });
    });
    return c;
}

QComboBox* FinestraTaccuvo::Elenco(const QString& nome) const {
    const Taccuvo::Elenco* m = nome == QLatin1String("cmbg1")   ? &form_.cmbg1
                               : nome == QLatin1String("cmbm1") ? &form_.cmbm1
                               : nome == QLatin1String("cmba1") ? &form_.cmba1
                               : nome == QLatin1String("cmbg2") ? &form_.cmbg2
                               : nome == QLatin1String("cmbm2") ? &form_.cmbm2
                               : nome == QLatin1String("cmba2") ? &form_.cmba2
                                                                : &form_.cmbCopie;
    for (const LegameElenco& l : elenchi_)
        if (l.modello == m) return l.widget;
    return nullptr;
}

QPushButton* FinestraTaccuvo::Pulsante(const QString& nome) const {
    if (nome == QLatin1String("cmdStampa")) return cmdStampa_;
    if (nome == QLatin1String("cmdAnnulla")) return cmdAnnulla_;
    if (nome == QLatin1String("cmdFine")) return cmdFine_;
    if (nome == QLatin1String("cmdHelp")) return cmdHelp_;
    if (nome == QLatin1String("cmdSelStampante(1)")) return cmdSelStampante_[1];
    return cmdSelStampante_[0];
}

void FinestraTaccuvo::Evento(const std::function<void()>& azione) {
    if (aggiornamento_) return;
    azione();
    Aggiorna();
}

void FinestraTaccuvo::Aggiorna() {
    aggiornamento_ = true;
    frmLocalita_->setEnabled(form_.frmLocalita.Enabled);
    frmPeriodo_->setEnabled(form_.frmPeriodo.Enabled);
    if (txtLocalita_->text() != form_.txtLocalita.Text) txtLocalita_->setText(form_.txtLocalita.Text);
    txtLocalita_->setMaxLength(form_.txtLocalita.MaxLength > 0 ? form_.txtLocalita.MaxLength : 32767);
    txtLocalita_->setEnabled(form_.txtLocalita.Enabled);
    Colore(txtLocalita_, form_.txtLocalita.ForeColor);
    for (LegameElenco& l : elenchi_) {
        QStringList voci;
        for (int i = 0; i < l.widget->count(); ++i)
            voci.append(l.widget->itemText(i));
        if (voci != l.modello->Voci) {
            l.widget->clear();
            l.widget->addItems(l.modello->Voci);
        }
        l.widget->setCurrentIndex(l.modello->ListIndex());
        l.widget->setEnabled(l.modello->Enabled);
        Colore(l.widget, l.modello->ForeColor);
    }
    chkBianco_->setChecked(form_.chkBianco.Value);
    chkBianco_->setEnabled(form_.chkBianco.Enabled);
    lblCopie_->setEnabled(form_.cmbCopie.Enabled);

    const std::pair<const Taccuvo::Pulsante*, QPushButton*> pulsanti[] = {{&form_.cmdStampa, cmdStampa_},
                                                                          {&form_.cmdAnnulla, cmdAnnulla_},
                                                                          {&form_.cmdFine, cmdFine_},
                                                                          {&form_.cmdHelp, cmdHelp_}};
    for (const auto& [m, b] : pulsanti) {
        b->setVisible(m->Visible);
        b->setEnabled(m->Enabled);
        b->setDefault(m->Default && m->Visible && m->Enabled);
    }
    lblVersione_->setText(form_.lblVersione.Caption);

    txtFondo_->setVisible(form_.txtFondo.RiempimentoVisibile);
    txtFondo_->setValue(static_cast<int>(form_.txtFondo.Riempimento * 1000));
    txtFondo_->setFormat(form_.txtFondo.Text);

    if (form_.frmSelStampa.Visible) {
        if (!frmSelStampa_->isVisible() || lstStampanti_->count() != form_.lstStampanti.Voci.size()) {
            lstStampanti_->clear();
            lstStampanti_->addItems(form_.lstStampanti.Voci);
        }
        lstStampanti_->setCurrentRow(form_.lstStampanti.ListIndex);
        PosizionaPannello();
        frmSelStampa_->show();
        frmSelStampa_->raise();
        lstStampanti_->setFocus();
    } else {
        frmSelStampa_->hide();
    }
    AssegnaMnemonici();
    aggiornamento_ = false;
}

void FinestraTaccuvo::AssegnaMnemonici() {
    // Each Alt+letter gives one of the controls a user can reach: where two
    // share a letter (the two "&Stampa" with the printer panel shown), the
    // later one shows another.
    struct Voce {
        QWidget* widget;
        QString caption;
        std::function<void(const QString&)> imposta;
    };
    const auto pulsante = [](QAbstractButton* b) { return [b](const QString& t) { b->setText(t); }; };
    const auto etichetta = [](QLabel* l) { return [l](const QString& t) { l->setText(t); }; };
    const Voce voci[] = {
        {frmLocalita_, form_.frmLocalita.Caption, [this](const QString& t) { frmLocalita_->setTitle(t); }},
        {lblDal_, form_.lblDal.Caption, etichetta(lblDal_)},
        {lblAl_, form_.lblAl.Caption, etichetta(lblAl_)},
        {chkBianco_, form_.chkBianco.Caption, pulsante(chkBianco_)},
        {lblCopie_, form_.lblCopie.Caption, etichetta(lblCopie_)},
        {cmdStampa_, form_.cmdStampa.Caption, pulsante(cmdStampa_)},
        {cmdAnnulla_, form_.cmdAnnulla.Caption, pulsante(cmdAnnulla_)},
        {cmdFine_, form_.cmdFine.Caption, pulsante(cmdFine_)},
        {cmdHelp_, form_.cmdHelp.Caption, pulsante(cmdHelp_)},
        {cmdSelStampante_[0], form_.cmdSelStampante[0].Caption, pulsante(cmdSelStampante_[0])},
        {cmdSelStampante_[1], form_.cmdSelStampante[1].Caption, pulsante(cmdSelStampante_[1])},
    };
    QStringList captions;
    QList<const Voce*> attive;
    for (const Voce& v : voci) {
        if (v.widget->isVisibleTo(this) && v.widget->isEnabled()) {
            captions.append(v.caption);
            attive.append(&v);
        } else {
            v.imposta(v.caption);
        }
    }
    const QStringList uniche = MnemoniciUnici(captions);
    for (qsizetype i = 0; i < attive.size(); ++i)
        attive.at(i)->imposta(uniche.at(i));
}

void FinestraTaccuvo::PosizionaPannello() {
    const QRect r = frmLocalita_->geometry().united(frmBianco_->geometry());
    frmSelStampa_->setGeometry(r);
}

void FinestraTaccuvo::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    PosizionaPannello();
}

void FinestraTaccuvo::Centra() {
    // Centred at the size its contents give it, not the size it has before
    // it is first shown.
    adjustSize();
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.left() + (area.width() - frameGeometry().width()) / 2,
             area.top() + (area.height() - frameGeometry().height()) / 2);
    }
}

bool FinestraTaccuvo::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return QWidget::eventFilter(oggetto, evento);
    auto* tasto = static_cast<QKeyEvent*>(evento);
    const QString testo = tasto->text();
    if (testo.size() != 1 || !testo.at(0).isPrint() ||
        (tasto->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return QWidget::eventFilter(oggetto, evento);
    if (oggetto == txtLocalita_) {
        const int carattere = form_.txtLocalita_KeyPress(testo.at(0).unicode());
        if (carattere == 0) return true;
        if (carattere != testo.at(0).unicode()) {
            txtLocalita_->insert(QString(QChar(carattere)));
            Evento([this] { form_.txtLocalita_Change(txtLocalita_->text()); });
            return true;
        }
        return false;
    }
    for (const LegameElenco& l : elenchi_)
        if (l.widget == oggetto)
            // Dates and page counts are only picked from their lists.
            return (l.modello == &form_.cmbCopie ? form_.cmbCopie_KeyPress(testo.at(0).unicode())
                                                 : form_.cmbData_KeyPress(testo.at(0).unicode())) == 0;
    return QWidget::eventFilter(oggetto, evento);
}

void FinestraTaccuvo::keyPressEvent(QKeyEvent* evento) {
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && !form_.frmSelStampa.Visible &&
        form_.cmdStampa.Default && form_.cmdStampa.Visible && form_.cmdStampa.Enabled) {
        cmdStampa_->click();
        return;
    }
    if (evento->key() == Qt::Key_Escape && form_.frmSelStampa.Visible) {
        cmdSelStampante_[1]->click();
        return;
    }
    QWidget::keyPressEvent(evento);
}

void FinestraTaccuvo::closeEvent(QCloseEvent* evento) {
    // Closing while printing is cancelling: the question decides.
    if (form_.Stampando) {
        Evento([this] { form_.cmdAnnulla_Click(); });
        evento->ignore();
        return;
    }
    form_.cmdFine_Click();
    evento->accept();
}

} // namespace Taccuvo
