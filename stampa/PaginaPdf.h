#pragma once
// A page device that writes a PDF file: A4 portrait, vector text with the
// fonts embedded. The file is written under a temporary name and takes its
// own name only when the document ends complete; a failed or abandoned
// document leaves no file behind.
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

#include "stampa/PaginaQt.h"

class PaginaPdf : public PaginaQt {
public:
    // Margins of the printable area, as on a printer.
    static constexpr double MargineMm = 5;

    // Null, with the reason in errore, when the file cannot be written.
    static std::unique_ptr<PaginaPdf> Apri(const QString& percorso, const QString& titolo, QString& errore);
    ~PaginaPdf() override;

protected:
    bool Consegna() override;
    void Scarta() override;

private:
    PaginaPdf(const QString& percorso);
    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
};
