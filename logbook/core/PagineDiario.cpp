#include "core/PagineDiario.h"

#include <QStringList>
#include <cmath>

#include "common/Date.h"
#include "core/Immagini.h"

namespace Taccuvo {

const QString ControlliMezzo[4] = {QStringLiteral("Olio"), QStringLiteral("Paraflu"), QStringLiteral("Freni"),
                                   QStringLiteral("Gomme")};

namespace {

constexpr quint32 Ciano = 0xC0FFFF;
constexpr quint32 Verde = 0xC0FFC0;
constexpr quint32 Giallo = 0xFFFFC0;
constexpr quint32 Arancio = 0xFFE0C0;

enum Allinea { L = 0, C = 1, R = 2 };

// Drawing helpers over the page's state, so each block reads as a list of
// its boxes, lines and texts.
class Disegno {
public:
    explicit Disegno(PaginaStampa& p) : p_(p) {}

    void Spessore(int larghezza) { p_.DrawWidth = larghezza; }
    void Pieno(quint32 colore) {
        p_.FillSolid = true;
        p_.FillColor = colore;
    }
    void Vuoto() { p_.FillSolid = false; }
    void Box(double x1, double y1, double x2, double y2) { p_.Box(x1, y1, x2, y2); }
    void Linea(double x1, double y1, double x2, double y2) { p_.Line(x1, y1, x2, y2); }
    void Immagine(const QString& nome, double x, double y, double l, double a) {
        p_.PaintPicture(nome, x, y, l, a);
    }
    // Text by its baseline in a span: bold "B", italic "I", both "BI".
    void Testo(const QString& t, double y, double x1, double x2, const char* stile, double punti, Allinea a) {
        const QByteArray s(stile);
        StampaTesto(p_, AdattamentoTesto::Riduci, t, y, x1, x2, s.contains('B'), s.contains('I'), punti, a);
    }
    // The same, kept inside the lines of its box, da..a.
    void TestoNelRiquadro(const QString& t, double y, double x1, double x2, const char* stile, double punti,
                          Allinea al, double da, double a) {
        const QByteArray s(stile);
        StampaTestoNelRiquadro(p_, AdattamentoTesto::Riduci, t, y, x1, x2, s.contains('B'), s.contains('I'),
                               punti, al, da, a);
    }
    PaginaStampa& Pagina() { return p_; }

private:
    PaginaStampa& p_;
};

void BandaTitolo(Disegno& d, const DatiDiario& dati) {
    d.Immagine(ImmagineLogo1, 10, 6, 7, 7);
    d.Immagine(ImmagineLogo2, 18, 5, 8, 8);
    d.Spessore(8);
    d.Pieno(Ciano);
    d.Box(28, 5, 195, 13);
    d.Box(110, 5, 155, 13);
    d.Testo(QStringLiteral("Meta del viaggio:"), 8, 30, 75, "", 6, L);
    d.Testo(QStringLiteral("Periodo:"), 8, 156, 195, "", 6, L);
    d.Testo(QStringLiteral("Diario di Bordo"), 12, 100, 165, "BI", 15, C);
    if (dati.Compilati) {
        d.Testo(dati.Destinazione, 12, 30, 75, "B", 16, L);
        d.Testo(dati.Periodo, 12, 155, 195, "BI", 12, R);
    }
}

void Pernottamento(Disegno& d, const DatiDiario& dati, int k) {
    d.Spessore(1);
    d.Pieno(Verde);
    d.Box(10, 14, 110, 20);
    d.Pieno(Ciano);
    d.Box(145, 14, 165, 20);
    d.Pieno(Verde);
    d.Box(165, 14, 195, 26);

    d.Vuoto();
    d.Spessore(8);
    d.Box(10, 14, 195, 35);
    d.Box(110, 14, 129.5, 35);
    d.Box(145, 14, 165, 35);
    d.Linea(129.5, 21, 145, 21);
    d.Linea(165, 26, 195, 26);
    d.Spessore(3);
    d.Box(175, 14, 185, 26);

    d.Spessore(1);
    d.Box(10, 20, 110, 28);
    d.Linea(129.5, 27, 145, 27);
    d.Linea(135, 21, 135, 35);
    d.Linea(145, 28, 165, 28);
    d.Spessore(8);
    d.Linea(10, 20, 110, 20);
    d.Linea(145, 20, 165, 20);

    d.Spessore(1);
    for (double y : {16.0, 21.0, 26.0, 31.0})
        d.Box(125, y, 128, y + 3);
    d.Box(140, 16, 143, 19);

    d.Testo(QStringLiteral("Pernottamento"), 19.4, 12, 100, "B", 12, C);
    d.Testo(QStringLiteral("Località:"), 23, 11, 100, "", 7, L);
    d.Testo(QStringLiteral("Indirizzo:"), 31, 11, 100, "", 7, L);
    d.Testo(QStringLiteral("Campeggio"), 19, 111, 122, "", 7, L);
    d.Testo(QStringLiteral("Area attrezz."), 24, 111, 122, "", 7, L);
    d.Testo(QStringLiteral("Punto sosta"), 29, 111, 122, "", 7, L);
    d.Testo(QStringLiteral("Park libero"), 34, 111, 122, "", 7, L);
    d.Testo(QStringLiteral("Gratis"), 19, 129, 143, "", 8, C);
    d.Testo(QStringLiteral("Div."), 25.5, 132, 135, "", 7, C);
    d.Testo(QStringLiteral("Importo"), 25.5, 136, 146, "", 7, C);
    d.Testo(QStringLiteral("Contakm."), 19, 145, 167, "B", 10, C);
    d.Testo(QStringLiteral("Progressivo:"), 22.8, 146, 167, "", 6, L);
    d.Testo(QStringLiteral("Giorno:"), 30.3, 146, 167, "", 6, L);
    d.Testo(QStringLiteral("Numero progressivo pagina"), 29, 166, 195, "", 6, L);

    if (!dati.Compilati) {
        d.Testo(QStringLiteral("Giorno"), 17, 166, 176, "", 6, C);
        d.Testo(QStringLiteral("settimana"), 19, 166, 176, "", 6, C);
        d.Testo(QStringLiteral("Giorno"), 17, 177, 186, "", 6, C);
        d.Testo(QStringLiteral("mese"), 19, 177, 186, "", 6, C);
        d.Testo(QStringLiteral("Mese"), 18, 187, 195, "", 6, C);
        return;
    }
    const float giorno = dati.PrimoGiorno + static_cast<float>(k - 1);
    const QString data = Giu2Datas(giorno);
    d.TestoNelRiquadro(LettereGiorno(giorno), 25, 166, 176, "B", 20, C, 165, 175);
    d.Testo(data.mid(0, 2), 25, 177, 186, "B", 20, R);
    d.Testo(data.mid(2, 2), 25, 187, 196, "B", 20, R);
    d.Testo(QStringLiteral("Giorno %1 di %2").arg(k).arg(dati.Pagine), 33, 165, 195, "", 12, C);
}

void LuoghiVisitati(Disegno& d, double F40) {
    d.Spessore(8);
    d.Pieno(Giallo);
    d.Box(10, 36, 195, 43);
    d.Spessore(1);
    d.Box(60, 36, 175, 43);
    d.Testo(QStringLiteral("Località visitate"), 42, 10, 60, "B", 12, C);
    d.Testo(QStringLiteral("Descrizione"), 42, 60, 175, "B", 12, C);
    d.Testo(QStringLiteral("Foto"), 42, 180, 190, "B", 12, C);

    d.Vuoto();
    d.Spessore(1);
    d.Box(60, 44, 175, F40 - 20);
    double y = 45;
    do {
        y += 6;
        d.Linea(12, y, 58, y);
        d.Linea(62, y, 173, y);
        d.Linea(177, y, 193, y);
    } while (y < F40 - 30);
}

void ControlliESerbatoi(Disegno& d, double F40) {
    // The rule under the captions first, so it covers none of their letters.
    d.Spessore(5);
    d.Linea(10, F40 - 11, 195, F40 - 11);
    d.Spessore(1);
    d.Pieno(Verde);
    d.Box(10, F40 - 20, 50, F40 - 15);
    d.Testo(QStringLiteral("Controlli del mezzo"), F40 - 16, 12, 50, "B", 8, C);
    d.Vuoto();
    for (int i = 0; i < 4; ++i) {
        const double x = 10 + 10 * i;
        d.Testo(ControlliMezzo[i], F40 - 11, x + 0.5, x + 10, "", 8, L);
        // The tick goes in the row under the name.
        d.Box(x + 3.5, F40 - 9.5, x + 6.5, F40 - 6.5);
        if (i > 0) d.Linea(x, F40 - 15, x, F40 - 5);
    }

    d.Pieno(Verde);
    d.Box(50, F40 - 20, 195, F40 - 15);
    d.Testo(QStringLiteral("Carico e scarico serbatoi acque potabili, grigie e nere"), F40 - 16, 51, 160, "B",
            9, C);
    d.Testo(QStringLiteral("Importo"), F40 - 16, 161, 195, "B", 8, C);
    d.Vuoto();
    d.Testo(QStringLiteral("Località"), F40 - 11, 51, 84.8, "I", 7, L);
    d.Testo(QStringLiteral("Ubicazione"), F40 - 11, 86, 134.8, "I", 7, L);
    d.Testo(QStringLiteral("Gestore"), F40 - 11, 136, 159.8, "I", 7, L);
    // The amounts' captions within the lines of their narrow columns.
    d.TestoNelRiquadro(QStringLiteral("Div."), F40 - 11, 161, 165, "I", 7, C, 159.8, 164.8);
    d.TestoNelRiquadro(QStringLiteral("Potabile"), F40 - 11, 166, 175, "I", 7, C, 164.8, 174.8);
    d.TestoNelRiquadro(QStringLiteral("Grigie"), F40 - 11, 176, 185, "I", 7, C, 174.8, 184.8);
    d.TestoNelRiquadro(QStringLiteral("Nere"), F40 - 11, 186, 195, "I", 7, C, 184.8, 195);
    // The lines that also part the title from "Importo" start at its top.
    for (double x : {50.0, 159.8})
        d.Linea(x, F40 - 20, x, F40 - 6);
    for (double x : {84.8, 134.8, 164.8, 174.8, 184.8})
        d.Linea(x, F40 - 15, x, F40 - 6);
}

void Spese(Disegno& d, const DatiDiario& dati, double F, double F40) {
    d.Spessore(1);
    d.Pieno(Arancio);
    d.Box(10, F40 - 5, 195, F40);
    d.Testo(QStringLiteral("Altre spese della giornata"), F40 - 0.42, 10, 195, "B", 10, C);

    // The lower field, in rows of 5 mm: fuel (title, captions, three rows)
    // and gas (title, captions, one row) on the left, the expense codes on
    // the right with the legend on their last row.
    d.Pieno(Ciano);
    d.Box(10, F40, 195, F);
    d.Pieno(Verde);
    d.Box(10, F40, 70, F40 + 5);
    d.Box(10, F - 15, 70, F - 10);
    d.Pieno(Giallo);
    d.Box(70, F40, 195, F40 + 5);
    d.Vuoto();
    for (double y = F40 + 5; y <= F - 5 + 0.001; y += 5)
        d.Linea(10, y, 195, y);

    d.Linea(70, F40, 70, F);
    const QString carburante[5] = {QStringLiteral("Litri"), QStringLiteral("Div."),
                                   QStringLiteral("Unitario"), QStringLiteral("Importo"),
                                   QStringLiteral("Km.")};
    const double colonne[6] = {10, 22, 30, 42, 56, 70};
    const double regole[4] = {21, 29, 41, 55};
    auto cella = [&](const QString& titolo, double alto, double basso) {
        d.Testo(titolo, alto + 4.2, 10, 70, "B", 8, C);
        for (int i = 0; i < 5; ++i)
            d.Testo(carburante[i], alto + 9, colonne[i], colonne[i + 1], "", 6, C);
        for (double x : regole)
            d.Linea(x, alto + 5, x, basso);
    };
    cella(QStringLiteral("Carburante"), F40, F - 15);
    cella(QStringLiteral("Gas/Gpl"), F - 15, F);

    d.Testo(QStringLiteral("Codifica delle spese"), F40 + 4.2, 70, 195, "B", 8, C);
    const QString codici[4] = {QStringLiteral("Cod."), QStringLiteral("Div."), QStringLiteral("Importo"),
                               QStringLiteral("Località/Descrizione/Da-A/Tempo/ecc.")};
    for (double g : {70.0, 132.5}) {
        const double bordi[5] = {g, g + 6, g + 12, g + 25, g + 62.5};
        for (int i = 0; i < 4; ++i)
            d.TestoNelRiquadro(codici[i], F40 + 9, bordi[i], bordi[i + 1], "", 6, C, bordi[i], bordi[i + 1]);
        for (int i = 1; i < 4; ++i)
            d.Linea(bordi[i], F40 + 5, bordi[i], F - 5);
    }
    d.Linea(132.5, F40 + 5, 132.5, F - 5);

    const QStringList legenda =
        QStringLiteral("Div=Divisa, AA=Autostrada, AS=Altre strade, TR=Traghetti, TU=Tunnel, PT=Ponti, "
                       "P=Parcheggi, M=Musei, C=Luoghi culto, E=Escursioni, V=Varie,")
            .split(QLatin1Char(','), Qt::SkipEmptyParts);
    double x = 71;
    for (const QString& voce : legenda) {
        if (x >= 195) break;
        d.Testo(voce, F - 1, x, 195, "I", 5, L);
        x += d.Pagina().TextWidth(voce.trimmed()) + 1;
    }
    d.Testo(dati.Versione, F + 4, 185, 205, "I", 5, C);
}

} // namespace

QString LettereGiorno(float numeroGiorno) {
    long w = std::lround(numeroGiorno) % 7;
    if (w < 0) w += 7;
    return QStringLiteral("SaDoLuMaMeGiVeSaDo").mid(2 * static_cast<int>(w), 2);
}

void StampaCopertina(PaginaStampa& pagina, const DatiDiario& dati) {
    Disegno d(pagina);
    const double F = FondoPagina(dati);
    d.Vuoto();
    d.Spessore(8);
    d.Box(15, 15, 195, F);
    d.Immagine(ImmagineLogo1, 22, 20, 15, 15);
    d.Immagine(ImmagineLogo2, 170, 19, 18, 18);
    if (dati.Compilati) {
        d.TestoNelRiquadro(dati.Destinazione, F / 2, 16, 195, "B", 48, C, 15, 195);
        d.TestoNelRiquadro(dati.Periodo, F - 20, 16, 195, "B", 24, C, 15, 195);
    } else {
        d.Spessore(1);
        d.Linea(35, F / 2, 175, F / 2);
        d.Testo(QStringLiteral("Meta del viaggio"), F / 2 + 3, 15, 195, "I", 6, C);
        d.Linea(35, F - 20, 175, F - 20);
        d.Testo(QStringLiteral("Periodo"), F - 17, 15, 195, "I", 6, C);
    }
    d.Testo(QStringLiteral("Diario di Bordo"), F - 55, 15, 195, "B", 36, C);
    d.Testo(dati.Versione, F - 5, 15, 195, "I", 8, C);
    pagina.NewPage();
}

void StampaPaginaGiorno(PaginaStampa& pagina, const DatiDiario& dati, int k) {
    Disegno d(pagina);
    const double F = FondoPagina(dati);
    const double F40 = F - 40;
    BandaTitolo(d, dati);
    Pernottamento(d, dati, k);
    LuoghiVisitati(d, F40);
    ControlliESerbatoi(d, F40);
    Spese(d, dati, F, F40);
    // The frame round the lower page last, so no fill covers it.
    d.Vuoto();
    d.Spessore(8);
    d.Box(10, 44, 195, F);
}

} // namespace Taccuvo
