#pragma once
// Reads a PDF back with poppler's tools (pdfinfo, pdftotext, pdffonts), as a
// user's viewer would see it.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace StrumentiPdf {

// Standard output of a tool; a null string when it cannot run or fails.
inline QString Esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The value of one pdfinfo field ("Pages", "Page size"), trimmed.
inline QString Info(const QString& pdf, const QString& campo) {
    const QString testo = Esegui(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression re(QStringLiteral("^%1:\\s*(.*)$").arg(QRegularExpression::escape(campo)),
                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(testo);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

inline int Pagine(const QString& pdf) {
    return Info(pdf, QStringLiteral("Pages")).toInt();
}

// Every page is A4 portrait (595 x 842 points, to a point).
inline bool TuttoA4(const QString& pdf) {
    const QString testo =
        Esegui(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                           QStringLiteral("9999"), pdf});
    const QRegularExpression re(QStringLiteral("size:\\s*([0-9.]+) x ([0-9.]+) pts"));
    int pagine = 0;
    for (auto it = re.globalMatch(testo); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (qAbs(m.captured(1).toDouble() - 595.28) > 1 || qAbs(m.captured(2).toDouble() - 841.89) > 1)
            return false;
        ++pagine;
    }
    return pagine > 0;
}

// The text of the document, in reading layout.
inline QString Testo(const QString& pdf) {
    return Esegui(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

} // namespace StrumentiPdf
