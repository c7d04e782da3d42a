#pragma once
// A desktop for tests: scripted answers to message boxes and dialogs, a
// fixed clock, and a record of what the planner asked.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "shell/Piattaforma.h"
#include "support/PaginaRegistrata.h"

class PiattaformaProva : public Piattaforma {
public:
    struct Messaggio {
        QString testo;
        int pulsanti;
        QString titolo;
    };

    QList<Messaggio> messaggi; // every box shown, in order
    QList<int> risposte;       // answers to give, in order; Yes when none is left
    QStringList fileDaAprire;  // answers of the open dialog
    QStringList fileDaSalvare; // answers of the save dialog
    QDateTime adesso = QDateTime(QDate(2006, 8, 5), QTime(10, 52));
    int eventiElaborati = 0;
    std::function<void()> suEventi;    // runs at every "process pending events"
    std::function<void()> suMessaggio; // runs while a message box is shown
    QList<QPair<QString, QString>> programmiAvviati;
    bool terminato = false;
    QString fuoco;                               // the control that last received the focus
    std::function<void(const QString&)> suFocus; // a real window in the test applies it
    bool avvioRiesce = true;                     // what starting a program answers
    // Printing: the installed printers, the documents opened ("stampante:"
    // or "pdf:" and the name), and the last document as it was when the
    // planner let it go. preparaPagina sets up each new page (how it
    // measures, whether its end fails); aperturaRiesce false refuses them.
    QStringList stampanti;
    QString predefinita; // the system's default printer
    QStringList pagineAperte;
    PaginaRegistrata stampato;
    std::function<void(PaginaRegistrata&)> preparaPagina;
    bool aperturaRiesce = true;
    QStringList proposteSalvataggio; // the paths the save dialog proposed
    // When set, the pages opened are the ones it gives (a real PDF page).
    std::function<std::unique_ptr<PaginaStampa>(const QString& nome)> apriPagina;

    int MsgBox(const QString& testo, int pulsanti, const QString& titolo) override {
        messaggi.append({testo, pulsanti, titolo});
        if (suMessaggio) suMessaggio();
        if (risposte.isEmpty()) return (pulsanti & 7) == Msg::OkOnly ? Msg::Ok : Msg::Yes;
        return risposte.takeFirst();
    }
    QString ApriFile(const QString&, const QString&) override {
        return fileDaAprire.isEmpty() ? QString() : fileDaAprire.takeFirst();
    }
    QString SalvaFile(const QString&, const QString&) override {
        return fileDaSalvare.isEmpty() ? QString() : fileDaSalvare.takeFirst();
    }
    void ElaboraEventi() override {
        ++eventiElaborati;
        if (suEventi) suEventi();
    }
    // When set, starts the program for real.
    std::function<bool(const QString& programma, const QString& argomento)> avvia;
    bool AvviaProgramma(const QString& programma, const QString& argomento) override {
        programmiAvviati.append({programma, argomento});
        return avvia ? avvia(programma, argomento) : avvioRiesce;
    }
    QDateTime Adesso() override { return adesso; }
    void Termina() override { terminato = true; }
    void SetFocus(const QString& controllo) override {
        fuoco = controllo;
        if (suFocus) suFocus(controllo);
    }

    struct Tabella {
        QString titolo;
        QStringList intestazioni;
        QList<QStringList> righe;
        QList<int> evidenziate;
    };
    QList<Tabella> tabelle; // every table shown in a window of its own
    void MostraTabella(const QString& titolo, const QStringList& intestazioni,
                       const QList<QStringList>& righe, const QList<int>& evidenziate) override {
        tabelle.append({titolo, intestazioni, righe, evidenziate});
    }

    QString SalvaFileProposto(const QString& titolo, const QString& filtro,
                              const QString& proposta) override {
        proposteSalvataggio.append(proposta);
        return SalvaFile(titolo, filtro);
    }
    QStringList ElencoStampanti() override { return stampanti; }
    QString StampantePredefinita() override { return predefinita; }
    std::unique_ptr<PaginaStampa> ApriStampante(const QString& nome, const QString&,
                                                QString& errore) override {
        return Apri(QStringLiteral("stampante:") + nome, errore);
    }
    std::unique_ptr<PaginaStampa> ApriPdf(const QString& percorso, const QString&, QString& errore) override {
        return Apri(QStringLiteral("pdf:") + percorso, errore);
    }

private:
    // Hands its recording over when the planner lets it go.
    struct PaginaConsegnata : PaginaRegistrata {
        PaginaRegistrata* destinazione = nullptr;
        ~PaginaConsegnata() override { *destinazione = static_cast<const PaginaRegistrata&>(*this); }
    };
    std::unique_ptr<PaginaStampa> Apri(const QString& nome, QString& errore) {
        pagineAperte.append(nome);
        if (apriPagina) {
            auto pagina = apriPagina(nome);
            if (!pagina) errore = QStringLiteral("Impossibile aprire ") + nome;
            return pagina;
        }
        if (!aperturaRiesce) {
            errore = QStringLiteral("Impossibile aprire ") + nome;
            return nullptr;
        }
        auto pagina = std::make_unique<PaginaConsegnata>();
        pagina->destinazione = &stampato;
        if (preparaPagina) preparaPagina(*pagina);
        stampato = PaginaRegistrata();
        return pagina;
    }
};
