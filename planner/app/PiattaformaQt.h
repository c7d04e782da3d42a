#pragma once
// The desktop services of the planner, on Qt.
#include <functional>

#include "shell/Piattaforma.h"

class QWidget;

class PiattaformaQt : public Piattaforma {
public:
    // ridisegna: repaints the window from its module (before pending events
    // are let through).
    explicit PiattaformaQt(std::function<void()> ridisegna = {});
    void ImpostaFinestra(QWidget* finestra) { finestra_ = finestra; }
    void ImpostaRidisegno(std::function<void()> ridisegna) { ridisegna_ = std::move(ridisegna); }

    int MsgBox(const QString& testo, int pulsanti, const QString& titolo) override;
    QString ApriFile(const QString& titolo, const QString& filtro) override;
    QString SalvaFile(const QString& titolo, const QString& filtro) override;
    void ElaboraEventi() override;
    bool AvviaProgramma(const QString& programma, const QString& argomento) override;
    QDateTime Adesso() override;
    void Termina() override;
    QString SalvaFileProposto(const QString& titolo, const QString& filtro, const QString& proposta) override;
    QStringList ElencoStampanti() override;
    std::unique_ptr<PaginaStampa> ApriStampante(const QString& nomeDispositivo, const QString& titolo,
                                                QString& errore) override;
    std::unique_ptr<PaginaStampa> ApriPdf(const QString& percorso, const QString& titolo, QString& errore) override;

private:
    QWidget* finestra_ = nullptr;
    std::function<void()> ridisegna_;
};
