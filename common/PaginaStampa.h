#pragma once
// The page both programs print on: A4 portrait, millimetres from the top
// left of the printable area, y growing downwards. The printouts see only
// this interface; the Qt back ends (printer, PDF) and the tests' recording
// page implement it.
#include <QString>
#include <QtGlobal>

class PaginaStampa {
public:
    virtual ~PaginaStampa() = default;

    // State the printouts set and read, as on a printer object. The back end
    // reads it at each drawing call.
    QString FontName = QStringLiteral("arial"); // "Times new roman", "arial", "Arial Narrow"
    double FontSize = 10;                       // points, fractions allowed
    bool FontBold = false;
    bool FontItalic = false;
    int DrawWidth = 1;            // line width in printer pixels (PixelStampanteMm each)
    bool FillSolid = false;       // boxes: solid fill or transparent
    quint32 FillColor = 0xFFFFFF; // 0xRRGGBB
    quint32 ForeColor = 0x000000; // colour of text, 0xRRGGBB
    double CurrentX = 0;          // where the next text starts (its top left)
    double CurrentY = 0;

    // A line width counts pixels of a 600 dpi printer, whatever the device:
    // the frames of width 8 are a third of a millimetre, the rules of width 1
    // a hairline, on paper and in a PDF alike.
    static constexpr double PixelStampanteMm = 25.4 / 600;
    // Width in millimetres of the lines drawn now.
    double LarghezzaLineaMm() const { return qMax(1, DrawWidth) * PixelStampanteMm; }

    // Size of a text in the current font, in millimetres.
    virtual double TextWidth(const QString& testo) = 0;
    virtual double TextHeight(const QString& testo) = 0;
    // Prints at the current position.
    virtual void Print(const QString& testo) = 0;
    // A black line in the current line width.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    // A rectangle: black outline in the current line width, filled as
    // FillSolid and FillColor say.
    virtual void Box(double x1, double y1, double x2, double y2) = 0;
    // An image of the program's resources (":/..."), scaled into the rectangle.
    virtual void PaintPicture(const QString& immagine, double x, double y, double larghezza,
                              double altezza) = 0;
    // Ends the page; the page number grows by one.
    virtual void NewPage() = 0;
    // Sends the document; directly after NewPage no blank page is added.
    // False when the document could not be completed (the device says why).
    virtual bool EndDoc() = 0;
    // Discards the whole document.
    virtual void KillDoc() = 0;
    // 1-based number of the page being printed.
    virtual int Page() const = 0;
    // Why the last EndDoc failed, in Italian.
    virtual QString Errore() const { return {}; }
};

// How StampaTesto makes a text that is too wide fit its span.
enum class AdattamentoTesto {
    Taglia, // the planner: drop last characters (2 mm tolerance)
    Riduci, // the logbook: lower the size by 0.4 pt (2.5 mm tolerance), never cut
};

// Prints one text on the line RigaStampaVerticale, within daOrizz..aOrizz,
// aligned 0 left, 1 centred, 2 right. Blank texts print nothing and leave
// the font alone; otherwise size and style stay set after the call. Gives
// the width of what was printed, 0 when nothing was.
double StampaTesto(PaginaStampa& pagina, AdattamentoTesto adattamento, const QString& Testo,
                   double RigaStampaVerticale, double daOrizz, double aOrizz, bool Grassetto, bool Corsivo,
                   double Size, int Allineato);

// StampaTesto for a text that must also stay inside the lines of its box,
// riquadroDa..riquadroA: too wide for them at its place in the span, it is
// printed a point smaller at a time (the logbook: 0.4 points) and, in the
// planner, once at the smallest size, cut at its end. A text that fits is
// printed as StampaTesto prints it.
double StampaTestoNelRiquadro(PaginaStampa& pagina, AdattamentoTesto adattamento, const QString& Testo,
                              double RigaStampaVerticale, double daOrizz, double aOrizz, bool Grassetto,
                              bool Corsivo, double Size, int Allineato, double riquadroDa, double riquadroA);
