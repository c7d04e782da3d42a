#pragma once
// The desktop services of the planner, on Qt.
#include <QElapsedTimer>
#include <QList>
#include <QTimer>
#include <functional>

#include "shell/Piattaforma.h"

class FinestraViandora;

class PiattaformaQt : public Piattaforma {
public:
    // ridisegna: repaints the window from its module (before pending events
    // are let through); by default the window's own repaint during a command.
    explicit PiattaformaQt(std::function<void()> ridisegna = {});
    void ImpostaFinestra(FinestraViandora* finestra);
    void ImpostaRidisegno(std::function<void()> ridisegna) { ridisegna_ = std::move(ridisegna); }

    int MsgBox(const QString& testo, int pulsanti, const QString& titolo) override;
    QString ApriFile(const QString& titolo, const QString& filtro) override;
    QString SalvaFile(const QString& titolo, const QString& filtro) override;
    void ElaboraEventi() override;
    bool AvviaProgramma(const QString& programma, const QString& argomento) override;
    QDateTime Adesso() override;
    void Termina() override;
    void SetFocus(const QString& controllo) override;
    QString SalvaFileProposto(const QString& titolo, const QString& filtro, const QString& proposta) override;
    void MostraTabella(const QString& titolo, const QStringList& intestazioni,
                       const QList<QStringList>& righe, const QList<int>& evidenziate) override;
    QStringList ElencoStampanti() override;
    QString StampantePredefinita() override;
    std::unique_ptr<PaginaStampa> ApriStampante(const QString& nomeDispositivo, const QString& titolo,
                                                QString& errore) override;
    std::unique_ptr<PaginaStampa> ApriPdf(const QString& percorso, const QString& titolo,
                                          QString& errore) override;

private:
    FinestraViandora* finestra_ = nullptr;
    std::function<void()> ridisegna_;
    QString fuoco_; // asked for before the window exists
    QElapsedTimer ultimiEventi_;
    // Programs started that are this process's own children, until they end.
    QList<qint64> figli_;
    QTimer raccolta_;
    void RaccogliFigli();
};
