#include "stampa/PaginaStampante.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

QStringList PaginaStampante::ElencoStampanti() {
    QStringList nomi;
    const QList<QPrinterInfo> stampanti = QPrinterInfo::availablePrinters();
    for (const QPrinterInfo& info : stampanti)
        nomi.append(info.printerName());
    return nomi;
}

std::unique_ptr<PaginaStampante> PaginaStampante::Apri(const QString& nomeDispositivo, const QString& titolo,
                                                       QString& errore) {
    errore.clear();
    const QList<QPrinterInfo> stampanti = QPrinterInfo::availablePrinters();
    for (const QPrinterInfo& info : stampanti) {
        if (info.printerName() != nomeDispositivo) continue;
        std::unique_ptr<PaginaStampante> pagina(new PaginaStampante);
        pagina->printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        QPrinter& p = *pagina->printer_;
        p.setDocName(titolo);
        p.setCreator(QStringLiteral("Viandora"));
        p.setFullPage(false);
        p.setPageSize(QPageSize(QPageSize::A4));
        p.setPageOrientation(QPageLayout::Portrait);
        if (!p.isValid()) break;
        pagina->ImpostaDispositivo(&p);
        return pagina;
    }
    errore = QStringLiteral("La stampante %1 non è disponibile.").arg(nomeDispositivo);
    return nullptr;
}

PaginaStampante::~PaginaStampante() {
    Chiudi();
}

bool PaginaStampante::Consegna() {
    if (printer_->printerState() != QPrinter::Error) return true;
    errore_ = QStringLiteral("Errore della stampante %1: la stampa non è stata completata.")
                  .arg(printer_->printerName());
    return false;
}

void PaginaStampante::Annulla() {
    printer_->abort();
}
