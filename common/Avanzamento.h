#pragma once
// Where a long operation reports its progress (the window's progress bar).
#include <QString>

class Avanzamento {
public:
    virtual ~Avanzamento() = default;
    // Sets the status text, the total of work units and the counter to 0.
    virtual void InizioAvanzamento(const QString& didascalia, double totale) = 0;
    // One unit done: the counter grows by one and the bar is redrawn.
    virtual void Avanza() = 0;
    // Counter and total back to 0.
    virtual void FineAvanzamento() = 0;
};
