#include "stampa/PaginaQt.h"

#include <QPagedPaintDevice>

#include "stampa/FontStampa.h"

namespace {
QColor Colore(quint32 rgb) {
    return QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}
} // namespace

void PaginaQt::ImpostaDispositivo(QPagedPaintDevice* dispositivo) {
    dispositivo_ = dispositivo;
    pxPerMm_ = dispositivo->logicalDpiX() / 25.4;
}

const QFontMetricsF& PaginaQt::Metriche() {
    const ChiaveFont chiave{FontName, FontSize, FontBold, FontItalic};
    if (!metriche_ || !(chiave == chiave_)) {
        chiave_ = chiave;
        font_ = FontDellaPagina(*this);
        metriche_.emplace(font_, dispositivo_);
    }
    return *metriche_;
}

double PaginaQt::TextWidth(const QString& testo) {
    return Metriche().horizontalAdvance(testo) / pxPerMm_;
}

double PaginaQt::TextHeight(const QString&) {
    return Metriche().height() / pxPerMm_;
}

QPainter* PaginaQt::Pittore() {
    if (chiuso_ || !dispositivo_) return nullptr;
    if (!painter_.isActive()) {
        if (!painter_.begin(dispositivo_)) {
            if (errore_.isEmpty()) errore_ = QStringLiteral("Impossibile avviare la stampa.");
            chiuso_ = true;
            Scarta();
            return nullptr;
        }
        painter_.setRenderHint(QPainter::Antialiasing);
    }
    for (; pagineDovute_ > 0; --pagineDovute_)
        dispositivo_->newPage();
    return &painter_;
}

QPen PaginaQt::Penna() const {
    QPen penna(Qt::black);
    penna.setWidthF(Px(LarghezzaLineaMm()));
    penna.setCapStyle(Qt::SquareCap);
    penna.setJoinStyle(Qt::MiterJoin);
    return penna;
}

void PaginaQt::Print(const QString& testo) {
    const QFontMetricsF& fm = Metriche();
    const double ascesa = fm.ascent(), altezza = fm.height();
    if (QPainter* p = Pittore()) {
        if (p->font() != font_) p->setFont(font_);
        p->setPen(Colore(ForeColor));
        p->drawText(QPointF(Px(CurrentX), Px(CurrentY) + ascesa), testo);
    }
    CurrentX = 0;
    CurrentY += altezza / pxPerMm_;
}

void PaginaQt::Line(double x1, double y1, double x2, double y2) {
    if (QPainter* p = Pittore()) {
        p->setPen(Penna());
        p->drawLine(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2)));
    }
}

void PaginaQt::Box(double x1, double y1, double x2, double y2) {
    if (QPainter* p = Pittore()) {
        p->setPen(Penna());
        p->setBrush(FillSolid ? QBrush(Colore(FillColor)) : QBrush(Qt::NoBrush));
        p->drawRect(QRectF(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2))).normalized());
        p->setBrush(Qt::NoBrush);
    }
}

void PaginaQt::PaintPicture(const QString& immagine, double x, double y, double larghezza, double altezza) {
    auto it = immagini_.find(immagine);
    if (it == immagini_.end()) it = immagini_.insert(immagine, QImage(immagine));
    if (it->isNull()) return;
    if (QPainter* p = Pittore()) p->drawImage(QRectF(Px(x), Px(y), Px(larghezza), Px(altezza)), *it);
}

void PaginaQt::NewPage() {
    if (chiuso_) return;
    ++pagina_;
    ++pagineDovute_;
}

bool PaginaQt::EndDoc() {
    if (chiuso_) return errore_.isEmpty();
    chiuso_ = true;
    if (!painter_.isActive()) {
        // Nothing was drawn: there is no document to deliver.
        Scarta();
        return errore_.isEmpty();
    }
    if (!painter_.end()) {
        if (errore_.isEmpty()) errore_ = QStringLiteral("La stampa non è stata completata.");
        Scarta();
        return false;
    }
    return Consegna();
}

void PaginaQt::KillDoc() {
    if (chiuso_) return;
    chiuso_ = true;
    if (painter_.isActive()) {
        Annulla();
        painter_.end();
    }
    Scarta();
}

void PaginaQt::Chiudi() {
    KillDoc();
}
