#pragma once
// A page for tests: records every drawing call with its coordinates and the
// state in force, and measures text with a fixed rule so layouts can be
// checked to the millimetre.
#include <QList>
#include <QString>
#include <cmath>
#include <functional>

#include "common/PaginaStampa.h"

class PaginaRegistrata : public PaginaStampa {
public:
    enum Tipo { Testo, Linea, Riquadro, Immagine, NuovaPagina, FineDocumento, Annullamento };
    struct Chiamata {
        Tipo tipo;
        int pagina;
        QString testo;                         // the text printed, or the image's name
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // text: its top left; image: x, y, width, height
        QString font;
        double size = 0;
        bool bold = false, italic = false;
        int drawWidth = 1;
        bool fillSolid = false;
        quint32 fillColor = 0;
    };

    QList<Chiamata> chiamate;
    // Text width in millimetres; by default 0.2 mm per point per character
    // (a 10-point "abc" is 6 mm), bold 10% wider.
    std::function<double(const PaginaRegistrata&, const QString&)> larghezza;
    bool fineRiuscita = true; // what EndDoc answers
    int misure = 0;           // how many times a text was measured

    double TextWidth(const QString& testo) override {
        ++misure;
        if (larghezza) return larghezza(*this, testo);
        return testo.size() * FontSize * 0.2 * (FontBold ? 1.1 : 1.0);
    }
    // 0.4 mm per point: a 10-point line is 4 mm high.
    double TextHeight(const QString&) override { return FontSize * 0.4; }
    void Print(const QString& testo) override {
        Chiamata c = Stato(Testo);
        c.testo = testo;
        c.x1 = CurrentX;
        c.y1 = CurrentY;
        chiamate.append(c);
        CurrentX = 0;
        CurrentY += TextHeight(testo);
    }
    void Line(double x1, double y1, double x2, double y2) override { Forma(Linea, x1, y1, x2, y2); }
    void Box(double x1, double y1, double x2, double y2) override { Forma(Riquadro, x1, y1, x2, y2); }
    void PaintPicture(const QString& immagine, double x, double y, double l, double a) override {
        Forma(Immagine, x, y, l, a);
        chiamate.last().testo = immagine;
    }
    void NewPage() override {
        chiamate.append(Stato(NuovaPagina));
        ++pagina_;
    }
    bool EndDoc() override {
        chiamate.append(Stato(FineDocumento));
        return fineRiuscita;
    }
    void KillDoc() override { chiamate.append(Stato(Annullamento)); }
    int Page() const override { return pagina_; }
    QString Errore() const override { return fineRiuscita ? QString() : QStringLiteral("Stampante spenta."); }

    // ---- queries for the tests -------------------------------------------
    QList<Chiamata> Di(Tipo tipo, int pagina = 0) const {
        QList<Chiamata> r;
        for (const Chiamata& c : chiamate)
            if (c.tipo == tipo && (pagina == 0 || c.pagina == pagina)) r.append(c);
        return r;
    }
    QStringList Testi(int pagina = 0) const {
        QStringList r;
        for (const Chiamata& c : Di(Testo, pagina))
            r.append(c.testo);
        return r;
    }
    // The first text printed (on that page) that equals t; null when there is none.
    const Chiamata* TestoUguale(const QString& t, int pagina = 0) const {
        for (const Chiamata& c : chiamate)
            if (c.tipo == Testo && c.testo == t && (pagina == 0 || c.pagina == pagina)) return &c;
        return nullptr;
    }
    // Whether a line or box with these coordinates (to a hundredth of a
    // millimetre) was drawn.
    bool HaForma(Tipo tipo, double x1, double y1, double x2, double y2, int pagina = 0) const {
        for (const Chiamata& c : chiamate)
            if (c.tipo == tipo && (pagina == 0 || c.pagina == pagina) && Vicino(c.x1, x1) &&
                Vicino(c.y1, y1) && Vicino(c.x2, x2) && Vicino(c.y2, y2))
                return true;
        return false;
    }
    static bool Vicino(double a, double b) { return std::fabs(a - b) < 0.01; }

private:
    Chiamata Stato(Tipo tipo) const {
        Chiamata c;
        c.tipo = tipo;
        c.pagina = pagina_;
        c.font = FontName;
        c.size = FontSize;
        c.bold = FontBold;
        c.italic = FontItalic;
        c.drawWidth = DrawWidth;
        c.fillSolid = FillSolid;
        c.fillColor = FillColor;
        return c;
    }
    void Forma(Tipo tipo, double x1, double y1, double x2, double y2) {
        Chiamata c = Stato(tipo);
        c.x1 = x1;
        c.y1 = y1;
        c.x2 = x2;
        c.y2 = y2;
        chiamate.append(c);
    }
    int pagina_ = 1;
};
