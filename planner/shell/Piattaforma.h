#pragma once
// What the planner's core needs from the desktop: the real window provides
// it, the tests provide scripted answers.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

#include "common/Msg.h"
#include "common/PaginaStampa.h"

class Piattaforma {
public:
    virtual ~Piattaforma() = default;

    // A modal message box; gives Msg::Ok, Msg::Yes, Msg::No or Msg::Cancel.
    virtual int MsgBox(const QString& testo, int pulsanti, const QString& titolo) = 0;
    // File dialogs; an empty text when the user gives up. The filter is in
    // the form "Descrizione (*.iei)".
    virtual QString ApriFile(const QString& titolo, const QString& filtro) = 0;
    virtual QString SalvaFile(const QString& titolo, const QString& filtro) = 0;
    // Lets pending window events run (the stop button, repaints).
    virtual void ElaboraEventi() = 0;
    // Starts a program with one argument text without waiting for it.
    virtual bool AvviaProgramma(const QString& programma, const QString& argomento) = 0;
    // Today and the time of day.
    virtual QDateTime Adesso() = 0;
    // The program ends once the current command returns.
    virtual void Termina() = 0;
    // The keyboard focus goes to a control, by its full name ("txtTappa"),
    // once the window shows the state the current command leaves.
    virtual void SetFocus(const QString& controllo) = 0;

    // A table in a window of its own, until the user closes it: the column
    // headings, the rows' cells (the last row holds the totals) and the rows,
    // by index, that must stand out. Without such a window, a message box.
    virtual void MostraTabella(const QString& titolo, const QStringList& intestazioni,
                               const QList<QStringList>& righe, const QList<int>& evidenziate) {
        Q_UNUSED(evidenziate);
        QStringList testo{intestazioni.join(u'\t')};
        for (const QStringList& riga : righe)
            testo << riga.join(u'\t');
        MsgBox(testo.join(QStringLiteral("\r\n")), Msg::OkOnly, titolo);
    }

    // ---- printing ---------------------------------------------------------
    // The save dialog, opening on a proposed file path.
    virtual QString SalvaFileProposto(const QString& titolo, const QString& filtro, const QString& proposta) {
        Q_UNUSED(proposta);
        return SalvaFile(titolo, filtro);
    }
    // The device names of the installed printers, in the system's order, and
    // the system's default one (empty when it has none).
    virtual QStringList ElencoStampanti() { return {}; }
    virtual QString StampantePredefinita() { return {}; }
    // A new document on the printer with that device name, or on a PDF file
    // written whole when the document ends. Null, with the reason in errore,
    // when it cannot be opened.
    virtual std::unique_ptr<PaginaStampa> ApriStampante(const QString& nomeDispositivo, const QString& titolo,
                                                        QString& errore) {
        Q_UNUSED(titolo);
        errore = QStringLiteral("La stampante %1 non è disponibile.").arg(nomeDispositivo);
        return nullptr;
    }
    virtual std::unique_ptr<PaginaStampa> ApriPdf(const QString& percorso, const QString& titolo,
                                                  QString& errore) {
        Q_UNUSED(titolo);
        errore = QStringLiteral("Impossibile scrivere il file %1.").arg(percorso);
        return nullptr;
    }
};
