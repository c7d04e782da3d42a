#pragma once
// The page model drawn with QPainter on a paged device (a printer, a PDF
// writer). Millimetres become device pixels at the device's own resolution,
// and text is measured there too, so what is measured is what is drawn.
//
// The document starts with the first drawing call and a page break is only
// made when something is drawn after it, so ending the document straight
// after NewPage adds no blank page, and a document with nothing drawn
// delivers nothing. After EndDoc or KillDoc further drawing is ignored.
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <optional>

#include "common/PaginaStampa.h"

class QPagedPaintDevice;

class PaginaQt : public PaginaStampa {
public:
    double TextWidth(const QString& testo) override;
    double TextHeight(const QString& testo) override;
    // Like a printer's Print: afterwards the position is at the start of the
    // next line (x = 0, y one text height lower).
    void Print(const QString& testo) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2) override;
    void PaintPicture(const QString& immagine, double x, double y, double larghezza, double altezza) override;
    void NewPage() override;
    bool EndDoc() override;
    void KillDoc() override;
    int Page() const override { return pagina_; }
    QString Errore() const override { return errore_; }

protected:
    // The subclass owns the device, which must outlive the page; its
    // destructor calls Chiudi() while the device is still there.
    void ImpostaDispositivo(QPagedPaintDevice* dispositivo);
    // Abandons an unfinished document.
    void Chiudi();
    // After the painter has finished a complete document: hands it over
    // (commit the file, send the job). False, with errore_ set, on failure.
    virtual bool Consegna() = 0;
    // The document is being abandoned while the painter is still on it
    // (a printer cancels its job here, before the painter ends).
    virtual void Annulla() {}
    // The document is abandoned: nothing of it may remain.
    virtual void Scarta() = 0;

    QString errore_;

private:
    // The painter on the current page, starting the document and the pages
    // due; null once the document is closed or could not start.
    QPainter* Pittore();
    double Px(double mm) const { return mm * pxPerMm_; }
    QPen Penna() const;
    // The current font and its metrics on the device, remade only when the
    // font state changes (every cell of a table measures its text).
    const QFontMetricsF& Metriche();

    struct ChiaveFont {
        QString nome;
        double dimensione = -1;
        bool grassetto = false, corsivo = false;
        bool operator==(const ChiaveFont&) const = default;
    };
    ChiaveFont chiave_;
    QFont font_;
    std::optional<QFontMetricsF> metriche_;

    QPagedPaintDevice* dispositivo_ = nullptr;
    QPainter painter_;
    double pxPerMm_ = 1;
    int pagina_ = 1;
    int pagineDovute_ = 0; // page breaks asked for and not yet made
    bool chiuso_ = false;
    QHash<QString, QImage> immagini_;
};
