#pragma once
// The desktop services of the logbook printer, on Qt.
#include <functional>

#include "core/PiattaformaTaccuvo.h"

class QWidget;

namespace Taccuvo {

class PiattaformaQt : public Piattaforma {
public:
    void ImpostaFinestra(QWidget* finestra) { finestra_ = finestra; }
    // Repaints the window from its module before pending events run.
    void ImpostaRidisegno(std::function<void()> ridisegna) { ridisegna_ = std::move(ridisegna); }
    bool Terminato() const { return terminato_; }
    int CodiceUscita() const { return codice_; }

    int MsgBox(const QString& testo, int pulsanti, const QString& titolo) override;
    void Avviso(const QString& testo, const QString& titolo) override;
    void Scrivi(const QString& riga) override;
    void ScriviErrore(const QString& riga) override;
    QString SalvaFile(const QString& titolo, const QString& filtro, const QString& proposta) override;
    void ElaboraEventi() override;
    QDate Oggi() override;
    void Termina(int codice) override;
    QStringList Stampanti() override;
    QString StampantePredefinita() override;
    Documento ApriStampante(const QString& nome, QString& errore) override;
    Documento ApriPdf(const QString& file, QString& errore) override;

private:
    QWidget* finestra_ = nullptr;
    std::function<void()> ridisegna_;
    bool terminato_ = false;
    int codice_ = 0;
};

} // namespace Taccuvo
