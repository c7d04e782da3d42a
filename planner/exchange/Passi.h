#pragma once
// Progress of a long exchange step in whole percent: the bar moves (and the
// window gets its turn) a hundred times per step at most, however many rows
// the step has.
#include <QString>

#include "database/Database.h"

class Passi {
public:
    Passi(Avanzamento* avanzamento, const QString& didascalia, qsizetype totale) : avanzamento_(avanzamento) {
        Inizia(didascalia, totale);
    }
    ~Passi() { Fine(); }
    Passi(const Passi&) = delete;
    Passi& operator=(const Passi&) = delete;

    void Inizia(const QString& didascalia, qsizetype totale) {
        totale_ = totale;
        fatti_ = 0;
        percento_ = 0;
        aperto_ = true;
        if (avanzamento_) avanzamento_->InizioAvanzamento(didascalia, 100);
    }
    // One unit done.
    void Avanza() { Porta(++fatti_); }
    // fatti units done out of the total.
    void Porta(qint64 fatti) {
        const int percento = totale_ > 0 ? int(qMin<qint64>(fatti, totale_) * 100 / totale_) : 100;
        for (; percento_ < percento; ++percento_)
            if (avanzamento_) avanzamento_->Avanza();
    }
    void Fine() {
        if (aperto_ && avanzamento_) avanzamento_->FineAvanzamento();
        aperto_ = false;
    }

private:
    Avanzamento* avanzamento_;
    qint64 totale_ = 0;
    qint64 fatti_ = 0;
    int percento_ = 0;
    bool aperto_ = false;
};
