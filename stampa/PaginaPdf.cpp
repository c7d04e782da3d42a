#include "stampa/PaginaPdf.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

#include "common/FileOrdinario.h"

namespace {
QString Impossibile(const QString& percorso, const QString& motivo) {
    return QStringLiteral("Impossibile scrivere il file %1: %2")
        .arg(QDir::toNativeSeparators(percorso), motivo);
}
} // namespace

PaginaPdf::PaginaPdf(const QString& percorso) : file_(percorso) {}

std::unique_ptr<PaginaPdf> PaginaPdf::Apri(const QString& percorso, const QString& titolo, QString& errore) {
    errore.clear();
    if (percorso.trimmed().isEmpty()) {
        errore = QStringLiteral("Nessun file PDF indicato.");
        return nullptr;
    }
    // A device, FIFO or folder of that name would be replaced by the file.
    if (!ControllaFileDaScrivere(percorso, &errore)) return nullptr;
    std::unique_ptr<PaginaPdf> pagina(new PaginaPdf(percorso));
    if (!pagina->file_.open(QIODevice::WriteOnly)) {
        errore = Impossibile(percorso, pagina->file_.errorString());
        return nullptr;
    }
    pagina->writer_ = std::make_unique<QPdfWriter>(&pagina->file_);
    QPdfWriter& w = *pagina->writer_;
    w.setResolution(1200);
    w.setTitle(titolo);
    w.setCreator(QStringLiteral("Viandora"));
    w.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(MargineMm, MargineMm, MargineMm, MargineMm),
                                QPageLayout::Millimeter));
    pagina->ImpostaDispositivo(&w);
    return pagina;
}

PaginaPdf::~PaginaPdf() {
    Chiudi();
}

bool PaginaPdf::Consegna() {
    // A long document gives time for the name to change hands: looked at
    // again just before the rename.
    if (!ControllaFileDaScrivere(file_.fileName(), &errore_)) {
        Scarta();
        return false;
    }
    if (file_.commit()) return true;
    errore_ = Impossibile(file_.fileName(), file_.errorString());
    return false;
}

void PaginaPdf::Scarta() {
    if (!file_.isOpen()) return;
    // Committing a cancelled file removes its temporary copy.
    file_.cancelWriting();
    file_.commit();
}
