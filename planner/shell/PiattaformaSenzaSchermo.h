#pragma once
// A desktop without a display: message boxes are recorded, not shown, and
// every question is answered in the negative, so that a run without a user
// never confirms a change.
#include <QDateTime>
#include <QList>
#include <QString>

#include "shell/Piattaforma.h"

class PiattaformaSenzaSchermo : public Piattaforma {
public:
    struct Messaggio {
        QString testo;
        int pulsanti = 0;
        QString titolo;
    };
    QList<Messaggio> Messaggi;
    bool Terminato = false;

    int MsgBox(const QString& testo, int pulsanti, const QString& titolo) override {
        Messaggi.append({testo, pulsanti, titolo});
        switch (pulsanti & 7) {
        case Msg::YesNo:
            return Msg::No;
        case Msg::YesNoCancel:
            return Msg::Cancel;
        default:
            return Msg::Ok;
        }
    }
    QString ApriFile(const QString&, const QString&) override { return {}; }
    QString SalvaFile(const QString&, const QString&) override { return {}; }
    void ElaboraEventi() override {}
    bool AvviaProgramma(const QString&, const QString&) override { return false; }
    QDateTime Adesso() override { return QDateTime::currentDateTime(); }
    void Termina() override { Terminato = true; }
    void SetFocus(const QString&) override {}
};
