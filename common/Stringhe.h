#pragma once
// String helpers shared by both programs.
#include <QString>
#include <QtGlobal>
#include <array>

// The value's text, trimmed, left-padded with "0" to n characters and cut to
// its last n characters: Zero(5, 2) = "05", Zero(123, 2) = "23".
QString Zero(const QString& valore, int n);
QString Zero(double valore, int n);

// The fill is one character; a fill whose numeric value exceeds 9 is a
// character code ("32" is a space).
QString AggStr(const QString& testo, int n, const QString& riempimento);
QString AntStr(const QString& testo, int n, const QString& riempimento);

// ' = \ > < and " become "?", the one-character wildcard of a pattern.
QString LikeTesto(const QString& testo);
// "l'aquila" -> "L'Aquila", "san marino" -> "San Marino".
QString PrimoMaiuscolo(const QString& testo);
// The number formed by the text's digits alone: "1.234" -> 1234.
double ValoreSenzaPunti(const QString& testo);

bool QuasiUguale(double controllo, float fisso, qint16 ampiezza);

template <typename T> T Minore(T a, T b) {
    return a <= b ? a : b;
}
template <typename T> T Maggiore(T a, T b) {
    return a >= b ? a : b;
}
template <typename T> void Inc(T& x) {
    x += 1;
}
template <typename T> void Dec(T& x) {
    x -= 1;
}
template <typename T, typename U> void Incr(T& x, U d) {
    x += d;
}
template <typename T, typename U> void Decr(T& x, U d) {
    x -= d;
}

// The columns of one line of an exchange or import file.
struct RigaColonne {
    std::array<QString, 101> ColonneRiga; // 1..NumeroColonne used, 0 stays empty
    qint16 NumeroColonne = 0;
};

// The separator is the first found of: chr 255, 254, 253, 252, tab, ",", ";",
// "!". Control characters other than tab and double quotes are dropped.
// At most 100 columns; a last column with no separator after it still counts.
void SeparaColonne(const QString& riga, RigaColonne& colonne);
