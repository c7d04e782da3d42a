#include "common/Stringhe.h"

#include <cmath>

#include "common/Numeri.h"
#include "common/Testo1252.h"

namespace {

// Spaces only: a tab or other blank left in a value is part of it.
QString TogliSpazi(const QString& testo) {
    qsizetype inizio = 0;
    qsizetype fine = testo.size();
    while (inizio < fine && testo[inizio] == u' ')
        ++inizio;
    while (fine > inizio && testo[fine - 1] == u' ')
        --fine;
    return testo.mid(inizio, fine - inizio);
}

// A fill above 9 is a character code, read in the files' code page; an empty fill pads with spaces.
QChar CarattereRiempimento(const QString& riempimento) {
    const double valore = Val(riempimento);
    if (valore > 9) {
        const qint32 codice = CLng(valore);
        if (codice <= 255) return DecodificaWindows1252(QByteArray(1, static_cast<char>(codice))).at(0);
        if (codice <= 0xFFFF && !QChar::isSurrogate(static_cast<char32_t>(codice)))
            return QChar(static_cast<char16_t>(codice));
    }
    return riempimento.isEmpty() ? QChar(u' ') : riempimento.at(0);
}

bool LetteraAZ(QChar c) {
    return c >= u'A' && c <= u'Z';
}

} // namespace

QString Zero(const QString& valore, int n) {
    if (n <= 0) return QString();
    return (QString(n, u'0') + TogliSpazi(valore)).right(n);
}

QString Zero(double valore, int n) {
    // A whole value, the usual case, written digit by digit: the same text
    // as through TestoNumero, without building it.
    if (n > 0 && n <= 18 && valore >= 0 && valore < 1e15 && valore == std::floor(valore)) {
        auto resto = static_cast<qint64>(valore);
        QString testo(n, u'0');
        for (qsizetype i = n - 1; i >= 0 && resto > 0; --i, resto /= 10)
            testo[i] = QChar(u'0' + int(resto % 10));
        return testo;
    }
    return Zero(TestoNumero(valore), n);
}

QString AggStr(const QString& testo, int n, const QString& riempimento) {
    if (n <= 0) return QString();
    return (testo + QString(n, CarattereRiempimento(riempimento))).left(n);
}

QString AntStr(const QString& testo, int n, const QString& riempimento) {
    if (n <= 0) return QString();
    return (QString(n, CarattereRiempimento(riempimento)) + testo).right(n);
}

QString LikeTesto(const QString& testo) {
    QString risultato = testo;
    for (QChar& c : risultato)
        if (c == u'\'' || c == u'=' || c == u'\\' || c == u'>' || c == u'<' || c == u'"') c = u'?';
    return risultato;
}

QString PrimoMaiuscolo(const QString& testo) {
    const QString maiuscolo = TogliSpazi(testo).toUpper();
    QString risultato = maiuscolo;
    for (qsizetype i = 1; i < maiuscolo.size(); ++i)
        if (LetteraAZ(maiuscolo[i - 1])) risultato[i] = maiuscolo[i].toLower();
    return risultato;
}

double ValoreSenzaPunti(const QString& testo) {
    QString cifre;
    for (QChar c : testo)
        if (c >= u'0' && c <= u'9') cifre += c;
    return Val(cifre);
}

bool QuasiUguale(double controllo, float fisso, qint16 ampiezza) {
    const float minimo = fisso - ampiezza;
    const float massimo = fisso + ampiezza;
    return minimo <= controllo && controllo <= massimo;
}

void SeparaColonne(const QString& riga, RigaColonne& colonne) {
    static constexpr char16_t separatori[] = {u'\u00FF', u'\u00FE', u'\u00FD', u'\u00FC',
                                              u'\t',     u',',      u';',      u'!'};
    QChar separatore;
    bool trovato = false;
    for (char16_t s : separatori) {
        if (riga.contains(QChar(s))) {
            separatore = QChar(s);
            trovato = true;
            break;
        }
    }

    QString resto;
    resto.reserve(riga.size());
    for (QChar c : riga)
        if ((c.unicode() >= 32 || c == u'\t') && c != u'"') resto += c;

    colonne.ColonneRiga.fill(QString());
    colonne.NumeroColonne = 0;
    qsizetype inizio = 0;
    while (inizio < resto.size() && colonne.NumeroColonne < 100) {
        const qsizetype posizione = trovato ? resto.indexOf(separatore, inizio) : -1;
        const qsizetype fine = posizione < 0 ? resto.size() : posizione;
        const QString colonna = TogliSpazi(resto.mid(inizio, fine - inizio));
        // Trailing blanks after the last separator are not a column of their own.
        if (posizione < 0 && colonna.isEmpty()) break;
        ++colonne.NumeroColonne;
        colonne.ColonneRiga[colonne.NumeroColonne] = colonna;
        inizio = fine + 1;
    }
}
