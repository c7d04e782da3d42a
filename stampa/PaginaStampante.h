#pragma once
// A page device on an installed printer, chosen by its device name, A4
// portrait; the origin is the top left of the printer's printable area.
#include <QPrinter>
#include <QStringList>
#include <memory>

#include "stampa/PaginaQt.h"

class PaginaStampante : public PaginaQt {
public:
    // The device names of the installed printers, in the system's order.
    static QStringList ElencoStampanti();
    // The first installed printer with that device name; null, with the
    // reason in errore, when there is none.
    static std::unique_ptr<PaginaStampante> Apri(const QString& nomeDispositivo, const QString& titolo,
                                                 QString& errore);
    ~PaginaStampante() override;

protected:
    bool Consegna() override;
    void Annulla() override;
    void Scarta() override {}

private:
    PaginaStampante() = default;
    std::unique_ptr<QPrinter> printer_;
};
