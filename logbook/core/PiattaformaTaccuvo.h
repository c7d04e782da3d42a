#pragma once
// What the logbook printer needs from the desktop: the real window provides
// it, the tests provide scripted answers.
#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>

#include "common/Msg.h"
#include "common/PaginaStampa.h"

namespace Taccuvo {

// An open print document: its page and the height of its printable area.
struct Documento {
    std::shared_ptr<PaginaStampa> Pagina;
    double AltezzaStampabile = 297; // millimetres
};

class Piattaforma {
public:
    virtual ~Piattaforma() = default;

    // A modal message box; gives Msg::Ok, Msg::Yes or Msg::No.
    virtual int MsgBox(const QString& testo, int pulsanti, const QString& titolo) = 0;
    // A message of a run nobody attends (started with arguments): always on
    // standard error, and in a box too when there is a desktop to show it.
    virtual void Avviso(const QString& testo, const QString& titolo) = 0;
    // A line on standard output / standard error.
    virtual void Scrivi(const QString& riga) = 0;
    virtual void ScriviErrore(const QString& riga) = 0;
    // The save dialog, proposing a file; an empty text when the user gives up.
    virtual QString SalvaFile(const QString& titolo, const QString& filtro, const QString& proposta) = 0;
    // Lets pending window events run (the cancel button, repaints).
    virtual void ElaboraEventi() = 0;
    virtual QDate Oggi() = 0;
    // The program ends with this exit code once the current command returns.
    virtual void Termina(int codice) = 0;

    // Device names of the installed printers, in the system's order, and the
    // default one (empty when the system has none).
    virtual QStringList Stampanti() = 0;
    virtual QString StampantePredefinita() = 0;
    // A new A4 portrait document on a printer or into a PDF file; no page
    // and the reason in errore when it cannot be opened.
    virtual Documento ApriStampante(const QString& nome, QString& errore) = 0;
    virtual Documento ApriPdf(const QString& file, QString& errore) = 0;
};

} // namespace Taccuvo
