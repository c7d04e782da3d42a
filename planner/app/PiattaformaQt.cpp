#include "app/PiattaformaQt.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QWidget>
#ifdef Q_OS_UNIX
#include <sys/wait.h>
#endif

#include "app/DialogoTabella.h"
#include "app/FinestraViandora.h"
#include "finestre/RiquadroMessaggio.h"
#include "stampa/PaginaPdf.h"
#include "stampa/PaginaStampante.h"

PiattaformaQt::PiattaformaQt(std::function<void()> ridisegna) : ridisegna_(std::move(ridisegna)) {
    raccolta_.setInterval(500);
    QObject::connect(&raccolta_, &QTimer::timeout, [this] { RaccogliFigli(); });
}

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
    qint64 pid = 0;
    if (!QProcess::startDetached(programma, {argomento}, QString(), &pid)) return false;
#ifdef Q_OS_UNIX
    // Started detached, the program is handed to the system's reaper; but
    // when the planner is that reaper itself (the first process of a
    // container, a session's subreaper) the program comes back to it as a
    // child and must be waited for when it ends, or it stays a zombie.
    if (pid > 0) {
        figli_.append(pid);
        RaccogliFigli();
    }
#endif
    return true;
}

void PiattaformaQt::RaccogliFigli() {
#ifdef Q_OS_UNIX
    // Only the programs started here: other children have their owners.
    for (qsizetype i = figli_.size() - 1; i >= 0; --i) {
        int stato = 0;
        if (::waitpid(pid_t(figli_.at(i)), &stato, WNOHANG) != 0) figli_.removeAt(i);
    }
#endif
    if (figli_.isEmpty())
        raccolta_.stop();
    else if (!raccolta_.isActive())
        raccolta_.start();
}

QDateTime PiattaformaQt::Adesso() {
    return QDateTime::currentDateTime();
}

void PiattaformaQt::Termina() {
    QApplication::exit(0);
}

QString PiattaformaQt::SalvaFileProposto(const QString& titolo, const QString& filtro,
                                         const QString& proposta) {
    QFileDialog dialogo(finestra_, titolo, proposta, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    // The extension of the kind of file chosen: for the proposed name, and
    // for a name typed without one.
    static const QRegularExpression modello(QStringLiteral("\\*\\.(\\w+)"));
    auto estensione = [](const QString& f) { return modello.match(f).captured(1); };
    dialogo.setDefaultSuffix(estensione(filtro));
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo,
                     [&dialogo, &estensione](const QString& f) {
                         const QString nuova = estensione(f);
                         if (nuova.isEmpty()) return;
                         dialogo.setDefaultSuffix(nuova);
                         const QStringList scelti = dialogo.selectedFiles();
                         if (scelti.isEmpty() || QFileInfo(scelti.first()).fileName().isEmpty()) return;
                         const QFileInfo file(scelti.first());
                         dialogo.selectFile(file.completeBaseName() + u'.' + nuova);
                     });
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().first();
}

void PiattaformaQt::MostraTabella(const QString& titolo, const QStringList& intestazioni,
                                  const QList<QStringList>& righe, const QList<int>& evidenziate) {
    if (finestra_) finestra_->Aggiorna();
    std::unique_ptr<QDialog> dialogo(CreaDialogoTabella(finestra_, titolo, intestazioni, righe, evidenziate));
    dialogo->exec();
}

QStringList PiattaformaQt::ElencoStampanti() {
    return PaginaStampante::ElencoStampanti();
}

QString PiattaformaQt::StampantePredefinita() {
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<PaginaStampa> PiattaformaQt::ApriStampante(const QString& nomeDispositivo,
                                                           const QString& titolo, QString& errore) {
    return PaginaStampante::Apri(nomeDispositivo, titolo, errore);
}

std::unique_ptr<PaginaStampa> PiattaformaQt::ApriPdf(const QString& percorso, const QString& titolo,
                                                     QString& errore) {
    return PaginaPdf::Apri(percorso, titolo, errore);
}
