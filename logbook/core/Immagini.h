#pragma once
// The pictures printed on the logbook's pages.
#include <QString>

namespace Taccuvo {
// The planner's logo and the logbook's own.
inline const QString ImmagineLogo1 = QStringLiteral(":/stampa/logo.png");
inline const QString ImmagineLogo2 = QStringLiteral(":/taccuvo/taccuvo.png");
} // namespace Taccuvo
