// The keyboard and the clipboard: keys through the fields' filters, the
// grids' movement keys, Enter and Esc on the default and cancel buttons, the
// fields' context menu and pasting.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "app/FinestraViandora.h"

namespace {
// Key codes the grid's handler knows: pages, arrows, first and last row.
int CodiceTastoGriglia(const QKeyEvent* tasto) {
    switch (tasto->key()) {
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Down:
        return 40;
    default:
        return 0;
    }
}
} // namespace

void FinestraViandora::Incolla(QObject* campo, const QString& nome) {
    auto* e = qobject_cast<QLineEdit*>(campo);
    if (!e || e->isReadOnly()) return;
    // What typing could enter, and nothing else: each character goes
    // through the field's key filter; a paste is one line.
    QString testo = QApplication::clipboard()->text();
    testo = testo.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
    QString accettato;
    for (const QChar ch : testo) {
        int KeyAscii = ch.unicode();
        if (KeyAscii < 32) continue;
        if (form_.HaGestoreTasti(nome)) form_.KeyPress(nome, KeyAscii);
        if (KeyAscii != 0) accettato += QChar(KeyAscii);
    }
    if (accettato.isEmpty()) {
        Aggiorna();
        return;
    }
    e->insert(accettato);
    emit e->textEdited(e->text());
}

void FinestraViandora::MenuContestuale(QObject* campo, const QString& nome, const QPoint& dove) {
    auto* e = qobject_cast<QLineEdit*>(campo);
    if (!e) return;
    QMenu menu(e);
    const bool scrivibile = !e->isReadOnly() && e->isEnabled();
    QAction* annulla = menu.addAction(QStringLiteral("&Annulla"), e, &QLineEdit::undo);
    annulla->setEnabled(scrivibile && e->isUndoAvailable());
    QAction* ripeti = menu.addAction(QStringLiteral("&Ripeti"), e, &QLineEdit::redo);
    ripeti->setEnabled(scrivibile && e->isRedoAvailable());
    menu.addSeparator();
    QAction* taglia = menu.addAction(QStringLiteral("&Taglia"), e, [e] {
        e->cut();
        emit e->textEdited(e->text());
    });
    taglia->setEnabled(scrivibile && e->hasSelectedText() && e->echoMode() == QLineEdit::Normal);
    QAction* copia = menu.addAction(QStringLiteral("&Copia"), e, &QLineEdit::copy);
    copia->setEnabled(e->hasSelectedText() && e->echoMode() == QLineEdit::Normal);
    QAction* incolla = menu.addAction(QStringLiteral("&Incolla"), e, [this, e, nome] { Incolla(e, nome); });
    incolla->setEnabled(scrivibile && !QApplication::clipboard()->text().isEmpty());
    QAction* elimina = menu.addAction(QStringLiteral("&Elimina"), e, [e] {
        e->del();
        emit e->textEdited(e->text());
    });
    elimina->setEnabled(scrivibile && e->hasSelectedText());
    menu.addSeparator();
    QAction* tutto = menu.addAction(QStringLiteral("Seleziona &tutto"), e, &QLineEdit::selectAll);
    tutto->setEnabled(!e->text().isEmpty());
    menu.exec(dove);
    // The edits above went to the model; let the window show its answer.
    Aggiorna();
}

bool FinestraViandora::eventFilter(QObject* oggetto, QEvent* evento) {
    const QString nome = nomi_.value(oggetto);
    if (nome.isEmpty()) return QWidget::eventFilter(oggetto, evento);
    if (evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (qobject_cast<QLineEdit*>(oggetto) && tasto->matches(QKeySequence::Paste)) {
            Incolla(oggetto, nome);
            return true;
        }
        if (auto* lista = qobject_cast<QListWidget*>(oggetto);
            lista && (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter)) {
            if (QListWidgetItem* voce = lista->currentItem()) emit lista->itemClicked(voce);
            return true;
        }
        const QString testo = tasto->text();
        // A letter with Alt or Ctrl is no typed text: with Alt it is a
        // command's key, and one that no command takes here (disabled, or on
        // another screen) types nothing; with Ctrl it is the field's own
        // (copy, select all). The control codes stay the filters' to judge.
        const Qt::KeyboardModifiers modificatori =
            tasto->modifiers() & (Qt::AltModifier | Qt::ControlModifier);
        const bool comando = modificatori && testo.size() == 1 && testo.at(0).isPrint();
        if (comando && modificatori == Qt::AltModifier && qobject_cast<QLineEdit*>(oggetto)) return true;
        // Tab moves the focus, Enter and Esc belong to the default and cancel
        // buttons, Delete edits: none of them reaches a field's key filter.
        const bool tastoDellaFinestra = tasto->key() == Qt::Key_Tab || tasto->key() == Qt::Key_Backtab ||
                                        tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter ||
                                        tasto->key() == Qt::Key_Escape || tasto->key() == Qt::Key_Delete;
        if (testo.size() == 1 && !tastoDellaFinestra && !comando && form_.HaGestoreTasti(nome)) {
            int KeyAscii = testo.at(0).unicode();
            const int originale = KeyAscii;
            form_.KeyPress(nome, KeyAscii);
            if (KeyAscii == 0) {
                Aggiorna();
                return true;
            }
            if (KeyAscii != originale) {
                if (auto* e = qobject_cast<QLineEdit*>(oggetto)) {
                    e->insert(QString(QChar(KeyAscii)));
                    emit e->textEdited(e->text());
                    return true;
                }
            }
        }
        if (qobject_cast<QTableView*>(oggetto) && form_.HaGestoreKeyDown(nome)) {
            // The module moves the selection itself.
            const int codice = CodiceTastoGriglia(tasto);
            if (codice != 0) {
                Evento([this, nome, codice] {
                    int k = codice;
                    form_.KeyDown(nome, k);
                });
                return true;
            }
        }
    } else if (evento->type() == QEvent::FocusOut && qobject_cast<QComboBox*>(oggetto)) {
        Evento([this, nome] { form_.LostFocus(nome); });
    }
    return QWidget::eventFilter(oggetto, evento);
}

void FinestraViandora::PremiPulsante(bool predefinito) {
    for (Controllo* c : form_.Controlli()) {
        if (c->TipoControllo() != Controllo::Tipo::Pulsante) continue;
        auto* p = static_cast<Pulsante*>(c);
        if ((predefinito ? p->Default : p->Cancel) && p->Enabled && p->Visible) {
            if (auto* b = qobject_cast<QPushButton*>(Widget(p->NomeCompleto())); b && b->isVisible())
                b->click();
            return;
        }
    }
}

void FinestraViandora::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)
        PremiPulsante(true);
    else if (evento->key() == Qt::Key_Escape)
        PremiPulsante(false);
    else
        QWidget::keyPressEvent(evento);
}
