#include "printing/PaginaTabellare.h"

double StampaTestoNellaCella(PaginaTabellare& s, const QString& testo, double riga, double da, double a,
                             bool grassetto, bool corsivo, double dimensione, int allineato, int i, int j) {
    const auto& pc = s.PosizioneColonna;
    const double sinistra = pc[i] - (i == 1 ? 2 : 1);
    const double destra = j >= s.UltimaPosizione ? pc[s.UltimaPosizione] : pc[j] - 1;
    return StampaTestoNelRiquadro(s.Pagina, AdattamentoTesto::Taglia, testo, riga, da, a, grassetto, corsivo,
                                  dimensione, allineato, sinistra, destra);
}

void StampaFinePagina(PaginaTabellare& s) {
    if (s.RigaStampa >= 800) return;
    PaginaStampa& p = s.Pagina;
    const auto& pc = s.PosizioneColonna;
    StampaTesto(p, AdattamentoTesto::Taglia, s.Oggi.toString(QStringLiteral("dd/MM/yyyy")), s.RigaStampa,
                pc[1], pc[4], false, true, 6, 0);
    // The right edge is the layout's last boundary: the city guide has no
    // boundary 16.
    const int destra = pc[s.UltimaPosizione];
    StampaTesto(p, AdattamentoTesto::Taglia, TitoloProgramma, s.RigaStampa, 1, destra, false, true, 6, 2);
    s.RigaStampa -= s.AltezzaRiga;
    p.DrawWidth = 3;
    p.FillSolid = false;
    p.Box(pc[1] - 2, pc[0], destra, s.RigaStampa);
    p.DrawWidth = 1;
    p.NewPage();
}
