#include "app/FinestraViandora.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <functional>

#include "app/ModelloGriglia.h"
#include "finestre/Mnemonici.h"

namespace {
// The window's outer size includes a frame and a title bar.
constexpr int BordoTwips = 120;
constexpr int TitoloTwips = 405;
// The interface font at the layout's own scale (15 twips a pixel): Liberation
// Sans has the widths of the sans serif the layout was drawn for.
constexpr double PixelCarattere = 10;
// The drop-down arrow, in twips.
constexpr int LarghezzaFreccia = 165;
// The start size leaves this much of the screen around the window.
constexpr double QuotaSchermo = 0.85;
// The smallest screen the window is drawn for: shrunk by hand, the window
// keeps at least the text it starts with there.
constexpr QSize SchermoMinimo(1024, 768);
// Repaints while a long command runs, at most one in this many ms.
constexpr qint64 IntervalloRidisegno = 80;
} // namespace

FinestraViandora::FinestraViandora(FormViandora& form, QWidget* parent) : QWidget(parent), form_(form) {
    piano_ = new QWidget(this);
    QHash<QString, QWidget*> contenitori;
    for (Controllo* c : form_.Controlli()) {
        QWidget* genitore = c->Genitore().isEmpty() ? piano_ : contenitori.value(c->Genitore(), piano_);
        QWidget* w = CreaWidget(*c, genitore);
        w->setObjectName(c->NomeCompleto());
        widget_.insert(c->NomeCompleto(), w);
        nomi_.insert(w, c->NomeCompleto());
        if (c->TipoControllo() == Controllo::Tipo::Pannello) contenitori.insert(c->Nome(), w);
        Legame l{c, w};
        if (c->TipoControllo() == Controllo::Tipo::Griglia)
            l.modelloGriglia = qobject_cast<ModelloGriglia*>(static_cast<QTableView*>(w)->model());
        legami_.append(l);
    }
    OrdineTabulazione();
    setMinimumSize(DimensioneA(0.75 / 15));
    ImpostaScala(1.0 / 15);
    resize(DimensioneA(scala_));
    piano_->setGeometry(QRect(QPoint(0, 0), DimensioneA(scala_)));
    Aggiorna();
}

int FinestraViandora::Px(int twips) const {
    return int(std::lround(twips * scala_));
}

QSize FinestraViandora::DimensioneA(double scala) const {
    return QSize(int(std::lround((form_.Width - BordoTwips) * scala)),
                 int(std::lround((form_.Height - TitoloTwips) * scala)));
}

QSize FinestraViandora::DimensioneIniziale(const QSize& disponibile) const {
    // At least the layout's own size when the screen holds it; larger on a
    // larger screen, in whole steps of a tenth.
    const QSize propria = DimensioneA(1.0 / 15);
    double fattore = std::min(disponibile.width() * QuotaSchermo / propria.width(),
                              disponibile.height() * QuotaSchermo / propria.height());
    fattore = std::floor(fattore * 10) / 10;
    if (fattore < 1)
        fattore = std::min({1.0, double(disponibile.width()) / propria.width(),
                            double(disponibile.height()) / propria.height()});
    return DimensioneA(fattore / 15);
}

QSize FinestraViandora::DimensioneMinima(const QSize& disponibile) const {
    return DimensioneIniziale(disponibile.boundedTo(SchermoMinimo));
}

void FinestraViandora::ImpostaScala(double scala) {
    scala_ = scala;
    larghezzeTesto_[0].clear();
    larghezzeTesto_[1].clear();
    const int pixel = qMax(6, int(std::lround(PixelCarattere * scala_ * 15)));
    QFont carattere(QStringLiteral("Liberation Sans"));
    carattere.setPixelSize(pixel);
    setFont(carattere);
    // The font in the style sheet too, so that every control follows a new
    // scale. Narrow lists: the drop-down arrow must leave room for the digits.
    setStyleSheet(
        QStringLiteral("QWidget { font-family: \"Liberation Sans\"; font-size: %2px; }"
                       "QListWidget[ricerca=\"true\"] { font-family: \"Liberation Mono\"; }"
                       "QComboBox { padding: 0px 1px 0px 2px; }"
                       "QComboBox::drop-down { width: %1px; }"
                       "QGroupBox { font-weight: bold; }"
                       "QGroupBox QLabel, QGroupBox QPushButton, QGroupBox QLineEdit, QGroupBox QCheckBox,"
                       " QGroupBox QComboBox, QGroupBox QTableView, QGroupBox QListWidget, QHeaderView"
                       " { font-weight: normal; }"
                       "QHeaderView::section { padding: 0px 1px; }"
                       "QPushButton { padding: 0px 2px; }")
            .arg(Px(LarghezzaFreccia))
            .arg(pixel));
}

void FinestraViandora::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    const QSize propria = DimensioneA(1.0 / 15);
    // One factor for both directions keeps the proportions; the layout is
    // centred in what is left over.
    const double scala =
        std::min(double(width()) / propria.width(), double(height()) / propria.height()) / 15;
    if (std::abs(scala - scala_) > 1e-9) ImpostaScala(scala);
    const QSize piano = DimensioneA(scala_);
    piano_->setGeometry((width() - piano.width()) / 2, (height() - piano.height()) / 2, piano.width(),
                        piano.height());
    Aggiorna();
}

void FinestraViandora::OrdineTabulazione() {
    // Screen order: the panels by their place, and inside each the controls
    // row by row; a panel's content comes where the panel stands.
    QHash<QString, QList<Controllo*>> figli;
    for (Controllo* c : form_.Controlli())
        figli[c->Genitore()].append(c);
    QList<QWidget*> ordine;
    std::function<void(const QString&)> visita = [&](const QString& pannello) {
        QList<Controllo*> lista = figli.value(pannello);
        // Controls whose tops differ by less than a field's height share a row.
        std::stable_sort(lista.begin(), lista.end(), [](const Controllo* a, const Controllo* b) {
            if (std::abs(a->Top - b->Top) >= 200) return a->Top < b->Top;
            return a->Left < b->Left;
        });
        for (Controllo* c : lista) {
            if (c->TipoControllo() == Controllo::Tipo::Pannello)
                visita(c->Nome());
            else if (QWidget* w = Widget(c->NomeCompleto()); w && (w->focusPolicy() & Qt::TabFocus))
                ordine.append(w);
        }
    };
    visita(QString());
    for (int i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
}

void FinestraViandora::Aggiorna() {
    Ridisegna(true);
}

void FinestraViandora::AggiornaDurante() {
    if (ultimoRidisegno_.isValid() && ultimoRidisegno_.elapsed() < IntervalloRidisegno) return;
    Ridisegna(false);
}

bool FinestraViandora::Attivo(const Controllo& c) const {
    for (const Controllo* k = &c; k;
         k = k->Genitore().isEmpty() ? nullptr : form_.TrovaControllo(k->Genitore()))
        if (!k->Visible || !k->Enabled) return false;
    return true;
}

QString FinestraViandora::Caption(const Controllo& c) const {
    if (auto it = mnemonici_.constFind(&c); it != mnemonici_.constEnd()) return *it;
    switch (c.TipoControllo()) {
    case Controllo::Tipo::Pannello:
        return static_cast<const Pannello&>(c).Caption;
    case Controllo::Tipo::Pulsante:
        return static_cast<const Pulsante&>(c).Caption;
    case Controllo::Tipo::CasellaSpunta:
        return static_cast<const CasellaSpunta&>(c).Caption;
    case Controllo::Tipo::Opzione:
        return static_cast<const Opzione&>(c).Caption;
    default:
        return QString();
    }
}

void FinestraViandora::AssegnaMnemonici() {
    // In the order the controls were made: panels and the button frame
    // before the panels shown over them.
    mnemonici_.clear();
    QList<const Controllo*> comandi;
    QStringList captions;
    for (const Legame& l : legami_) {
        const QString caption = Caption(*l.controllo);
        if (caption.contains(u'&') && Attivo(*l.controllo)) {
            comandi.append(l.controllo);
            captions.append(caption);
        }
    }
    const QStringList uniche = MnemoniciUnici(captions);
    for (qsizetype i = 0; i < comandi.size(); ++i)
        if (uniche.at(i) != captions.at(i)) mnemonici_.insert(comandi.at(i), uniche.at(i));
}

void FinestraViandora::Ridisegna(bool griglie) {
    aggiornamento_ = true;
    if (windowTitle() != form_.Caption) setWindowTitle(form_.Caption);
    AssegnaMnemonici();
    for (Legame& l : legami_)
        AggiornaWidget(l, griglie);
    // A control shown lies over those created before it, as the panels are
    // meant to; raising repaints, so only when something came into view.
    if (mostrati_) {
        for (Legame& l : legami_)
            if (l.controllo->Visible) l.widget->raise();
        mostrati_ = false;
    }
    aggiornamento_ = false;
    ultimoRidisegno_.start();
    if (!fuoco_.isEmpty()) {
        if (QWidget* w = Widget(fuoco_); w && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
            fuoco_.clear();
        } else if (griglie) {
            // Asked for a control the module then hid: nothing to do.
            fuoco_.clear();
        }
    }
}

void FinestraViandora::Fuoco(const QString& nomeCompleto) {
    fuoco_ = nomeCompleto;
}

void FinestraViandora::Evento(const std::function<void()>& azione) {
    if (aggiornamento_) return;
    azione();
    if (form_.Terminato()) return;
    Aggiorna();
}

void FinestraViandora::closeEvent(QCloseEvent* evento) {
    bool annulla = false;
    form_.Form_QueryUnload(annulla);
    if (annulla) {
        evento->ignore();
        Aggiorna();
    } else {
        evento->accept();
    }
}

void FinestraViandora::Centra() {
    if (QScreen* schermo = screen()) {
        const QRect area = schermo->availableGeometry();
        setMinimumSize(DimensioneMinima(area.size()));
        resize(DimensioneIniziale(area.size()));
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}
