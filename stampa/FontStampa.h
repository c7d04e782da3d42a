#pragma once
// The font names the printouts use, resolved to installed fonts with the
// same metrics (the Liberation family), so the layouts fit as designed.
#include <QFont>
#include <QString>

class PaginaStampa;

// The family that stands for a printout's font name; an unknown name is
// used as it is.
QString FamigliaFont(const QString& nomeFont);

// The current font of a page: family, size in points, bold, italic.
QFont FontDellaPagina(const PaginaStampa& pagina);
