#include "app/PiattaformaQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QProcess>
#include <QWidget>

#include "app/FinestraViandora.h"
#include "finestre/RiquadroMessaggio.h"
#include "stampa/PaginaPdf.h"
#include "stampa/PaginaStampante.h"

PiattaformaQt::PiattaformaQt(std::function<void()> ridisegna) : ridisegna_(std::move(ridisegna)) {}

void PiattaformaQt::ImpostaFinestra(FinestraViandora* finestra) {
    finestra_ = finestra;
    if (finestra_ && !fuoco_.isEmpty()) finestra_->Fuoco(fuoco_);
    fuoco_.clear();
}

void PiattaformaQt::SetFocus(const QString& controllo) {
    if (finestra_)
        finestra_->Fuoco(controllo);
    else
        fuoco_ = controllo;
}

int PiattaformaQt::MsgBox(const QString& testo, int pulsanti, const QString& titolo) {
    // The window behind the box shows where the command stands.
    if (finestra_) finestra_->Aggiorna();
    return RiquadroMessaggio(finestra_, testo, pulsanti, titolo);
}

QString PiattaformaQt::ApriFile(const QString& titolo, const QString& filtro) {
    return QFileDialog::getOpenFileName(finestra_, titolo, QString(), filtro);
}

QString PiattaformaQt::SalvaFile(const QString& titolo, const QString& filtro) {
    return QFileDialog::getSaveFileName(finestra_, titolo, QString(), filtro);
}

void PiattaformaQt::ElaboraEventi() {
    // A long command asks once per unit of work, thousands of times: the
    // window's events run at most every few milliseconds, quick enough for
    // the stop button and nothing next to the work itself.
    constexpr qint64 Intervallo = 15;
    if (ultimiEventi_.isValid() && ultimiEventi_.elapsed() < Intervallo) return;
    if (ridisegna_)
        ridisegna_();
    else if (finestra_)
        finestra_->AggiornaDurante();
    QApplication::processEvents();
    ultimiEventi_.start();
}

bool PiattaformaQt::AvviaProgramma(const QString& programma, const QString& argomento) {
    return QProcess::startDetached(programma, {argomento});
}

QDateTime PiattaformaQt::Adesso() {
    return QDateTime::currentDateTime();
}

void PiattaformaQt::Termina() {
    QApplication::exit(0);
}

QString PiattaformaQt::SalvaFileProposto(const QString& titolo, const QString& filtro,
                                         const QString& proposta) {
    return QFileDialog::getSaveFileName(finestra_, titolo, proposta, filtro);
}

QStringList PiattaformaQt::ElencoStampanti() {
    return PaginaStampante::ElencoStampanti();
}

std::unique_ptr<PaginaStampa> PiattaformaQt::ApriStampante(const QString& nomeDispositivo,
                                                           const QString& titolo, QString& errore) {
    return PaginaStampante::Apri(nomeDispositivo, titolo, errore);
}

std::unique_ptr<PaginaStampa> PiattaformaQt::ApriPdf(const QString& percorso, const QString& titolo,
                                                     QString& errore) {
    return PaginaPdf::Apri(percorso, titolo, errore);
}
