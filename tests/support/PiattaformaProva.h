#pragma once
// A desktop for tests: scripted answers to message boxes and dialogs, a
// fixed clock, and a record of what the planner asked.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "shell/Piattaforma.h"

class PiattaformaProva : public Piattaforma {
public:
    struct Messaggio {
        QString testo;
        int pulsanti;
        QString titolo;
    };

    QList<Messaggio> messaggi;     // every box shown, in order
    QList<int> risposte;           // answers to give, in order; Yes when none is left
    QStringList fileDaAprire;      // answers of the open dialog
    QStringList fileDaSalvare;     // answers of the save dialog
    QDateTime adesso = QDateTime(QDate(2006, 8, 5), QTime(10, 52));
    int eventiElaborati = 0;
    std::function<void()> suEventi; // runs at every "process pending events"
    QList<QPair<QString, QString>> programmiAvviati;
    bool terminato = false;
    QString fuoco; // the control that last received the focus
    std::function<void(const QString&)> suFocus; // a real window in the test applies it

    int MsgBox(const QString& testo, int pulsanti, const QString& titolo) override {
        messaggi.append({testo, pulsanti, titolo});
        if (risposte.isEmpty())
            return (pulsanti & 7) == Msg::OkOnly ? Msg::Ok : Msg::Yes;
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
        if (suEventi)
            suEventi();
    }
    bool AvviaProgramma(const QString& programma, const QString& argomento) override {
        programmiAvviati.append({programma, argomento});
        return true;
    }
    QDateTime Adesso() override { return adesso; }
    void Termina() override { terminato = true; }
    void SetFocus(const QString& controllo) override {
        fuoco = controllo;
        if (suFocus)
            suFocus(controllo);
    }
};
