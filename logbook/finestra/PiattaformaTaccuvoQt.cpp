#include "finestra/PiattaformaTaccuvoQt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>

#include "finestre/RiquadroMessaggio.h"
#include "stampa/PaginaPdf.h"
#include "stampa/PaginaStampante.h"

namespace Taccuvo {

int PiattaformaQt::MsgBox(const QString& testo, int pulsanti, const QString& titolo) {
    return RiquadroMessaggio(finestra_, testo, pulsanti, titolo);
}

void PiattaformaQt::Avviso(const QString& testo, const QString& titolo) {
    ScriviErrore(testo);
    // Without a desktop nobody could close the box.
    if (QGuiApplication::platformName() != QLatin1String("offscreen") &&
        QGuiApplication::platformName() != QLatin1String("minimal"))
        MsgBox(testo, Msg::OkOnly | Msg::Exclamation, titolo);
}

void PiattaformaQt::Scrivi(const QString& riga) {
    std::fprintf(stdout, "%s\n", riga.toLocal8Bit().constData());
    std::fflush(stdout);
}

void PiattaformaQt::ScriviErrore(const QString& riga) {
    std::fprintf(stderr, "Taccuvo: %s\n", riga.toLocal8Bit().constData());
    std::fflush(stderr);
}

QString PiattaformaQt::SalvaFile(const QString& titolo, const QString& filtro, const QString& proposta) {
    return QFileDialog::getSaveFileName(finestra_, titolo, QDir::current().absoluteFilePath(proposta),
                                        filtro);
}

void PiattaformaQt::ElaboraEventi() {
    if (ridisegna_) ridisegna_();
    QApplication::processEvents();
}

QDate PiattaformaQt::Oggi() {
    return QDate::currentDate();
}

void PiattaformaQt::Termina(int codice) {
    terminato_ = true;
    codice_ = codice;
    QApplication::exit(codice);
}

QStringList PiattaformaQt::Stampanti() {
    return PaginaStampante::ElencoStampanti();
}

QString PiattaformaQt::StampantePredefinita() {
    return QPrinterInfo::defaultPrinterName();
}

namespace {
const QString TitoloDocumento = QStringLiteral("Diario di Bordo");
}

Documento PiattaformaQt::ApriStampante(const QString& nome, QString& errore) {
    Documento d;
    d.Pagina = PaginaStampante::Apri(nome, TitoloDocumento, errore);
    if (d.Pagina) {
        // The pages are laid out on the printer's own printable height.
        QPrinter prova(QPrinterInfo::printerInfo(nome));
        prova.setPageSize(QPageSize(QPageSize::A4));
        prova.setPageOrientation(QPageLayout::Portrait);
        const double altezza = prova.pageLayout().paintRect(QPageLayout::Millimeter).height();
        if (altezza > 200) d.AltezzaStampabile = altezza;
    }
    return d;
}

Documento PiattaformaQt::ApriPdf(const QString& file, QString& errore) {
    Documento d;
    d.Pagina = PaginaPdf::Apri(file, TitoloDocumento, errore);
    d.AltezzaStampabile = 297 - 2 * PaginaPdf::MargineMm;
    return d;
}

} // namespace Taccuvo
