#include "finestre/Mnemonici.h"

#include <QSet>

namespace {
// Where the letter of the mnemonic stands in the caption; -1 for none.
qsizetype PosizioneMnemonico(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&') continue;
        if (caption.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        return i + 1;
    }
    return -1;
}

QString SenzaMnemonico(const QString& caption) {
    const qsizetype p = PosizioneMnemonico(caption);
    return p < 0 ? caption : caption.left(p - 1) + caption.mid(p);
}
} // namespace

QChar LetteraMnemonico(const QString& caption) {
    const qsizetype p = PosizioneMnemonico(caption);
    return p < 0 ? QChar() : caption.at(p).toLower();
}

QStringList MnemoniciUnici(const QStringList& captions) {
    QSet<QChar> usate;
    for (const QString& c : captions)
        if (const QChar l = LetteraMnemonico(c); !l.isNull()) usate.insert(l);
    QSet<QChar> prese;
    QStringList risultato = captions;
    for (QString& c : risultato) {
        const QChar propria = LetteraMnemonico(c);
        if (propria.isNull()) continue;
        if (!prese.contains(propria)) {
            prese.insert(propria);
            continue;
        }
        // Taken by a command before this one: the first letter of the text
        // that nobody else underlines.
        QString testo = SenzaMnemonico(c);
        qsizetype scelta = -1;
        for (qsizetype i = 0; i < testo.size() && scelta < 0; ++i) {
            const QChar l = testo.at(i).toLower();
            if (l.isLetterOrNumber() && !usate.contains(l)) scelta = i;
        }
        if (scelta >= 0) {
            const QChar l = testo.at(scelta).toLower();
            usate.insert(l);
            prese.insert(l);
            testo.insert(scelta, u'&');
        }
        c = testo;
    }
    return risultato;
}
