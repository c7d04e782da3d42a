#include "database/Confronto.h"

#include <QByteArrayView>
#include <QChar>
#include <QList>
#include <QString>
#include <sqlite3.h>
#include <string>

namespace {

// Three characters outside ASCII are composed into ASCII ones (Kelvin sign,
// Greek question mark, Greek varia); they are left as they are.
bool ComponeInAscii(char16_t c) {
    return c == 0x212A || c == 0x037E || c == 0x1FEF;
}

// Per code point, so that "?" and a literal character each stand for exactly
// one character and "=" agrees with LIKE on a pattern without wildcards.
// A character outside ASCII never becomes an ASCII one (the long s is not
// folded to "s"): two texts can then be equal only when their leading ASCII
// characters agree, letter case aside, which is what lets a lookup narrow
// its rows through an index of the plain text (InizioIndicizzabile).
std::u32string Piega(const QString& testo, QString::NormalizationForm forma, bool senzaSegni) {
    QString normale;
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (!ComponeInAscii(testo.at(i).unicode())) continue;
        normale += testo.mid(inizio, i - inizio).normalized(forma);
        normale += testo.at(i);
        inizio = i + 1;
    }
    normale += testo.mid(inizio).normalized(forma);
    std::u32string piegato;
    piegato.reserve(normale.size());
    for (const char32_t c : normale.toUcs4()) {
        if (senzaSegni && QChar::category(c) == QChar::Mark_NonSpacing) continue;
        const char32_t piegata = QChar::toCaseFolded(c);
        piegato.push_back(c >= 0x80 && piegata < 0x80 ? c : piegata);
    }
    return piegato;
}

std::u32string PiegaTesto(const QString& testo) {
    // Plain ASCII, most names, needs no composing.
    std::u32string piegato;
    piegato.reserve(size_t(testo.size()));
    for (const QChar c : testo) {
        const char16_t u = c.unicode();
        if (u >= 0x80) return Piega(testo, QString::NormalizationForm_C, false);
        piegato.push_back(u >= u'A' && u <= u'Z' ? char32_t(u - u'A' + u'a') : char32_t(u));
    }
    return piegato;
}

// The accents stripped, so that "città" sorts with "citta" and not after "cittz".
std::u32string ChiaveOrdine(const QString& testo) {
    return Piega(testo, QString::NormalizationForm_D, true);
}

bool Ascii(const char* p, int n) {
    for (int i = 0; i < n; ++i)
        if (static_cast<unsigned char>(p[i]) >= 0x80) return false;
    return true;
}

char MinuscoloAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

int ConfrontaAscii(const char* a, int na, const char* b, int nb) {
    const int n = na < nb ? na : nb;
    for (int i = 0; i < n; ++i) {
        const unsigned char ca = static_cast<unsigned char>(MinuscoloAscii(a[i]));
        const unsigned char cb = static_cast<unsigned char>(MinuscoloAscii(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

int Segno(int x) {
    return x < 0 ? -1 : (x > 0 ? 1 : 0);
}

int ConfrontaPieni(const QString& a, const QString& b) {
    const int primo = ChiaveOrdine(a).compare(ChiaveOrdine(b));
    if (primo != 0) return Segno(primo);
    return Segno(PiegaTesto(a).compare(PiegaTesto(b)));
}

// Iterative, backtracking only to the last "*": no exponential blow-up on
// patterns such as "*a*a*a*a*b".
bool Corrisponde(const std::u32string& p, const std::u32string& t) {
    const size_t nessuna = std::u32string::npos;
    size_t i = 0, j = 0, stella = nessuna, ripresa = 0;
    while (j < t.size()) {
        if (i < p.size() && p[i] == U'*') {
            stella = i++;
            ripresa = j;
        } else if (i < p.size() && (p[i] == U'?' || p[i] == t[j])) {
            ++i;
            ++j;
        } else if (stella != nessuna) {
            i = stella + 1;
            j = ++ripresa;
        } else {
            return false;
        }
    }
    while (i < p.size() && p[i] == U'*')
        ++i;
    return i == p.size();
}

int Collazione(void*, int na, const void* a, int nb, const void* b) {
    const char* pa = static_cast<const char*>(a);
    const char* pb = static_cast<const char*>(b);
    if (Ascii(pa, na) && Ascii(pb, nb)) return ConfrontaAscii(pa, na, pb, nb);
    return ConfrontaPieni(QString::fromUtf8(QByteArrayView(pa, na)),
                          QString::fromUtf8(QByteArrayView(pb, nb)));
}

QString TestoValore(sqlite3_value* v) {
    const char* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(QByteArrayView(p, sqlite3_value_bytes(v)));
}

void DistruggiModello(void* p) {
    delete static_cast<std::u32string*>(p);
}

void FunzioneLike(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (argc != 2) {
        sqlite3_result_error(ctx, "LIKE con ESCAPE non supportato", -1);
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // The pattern is the same for every row: fold it once per statement.
    const auto* modello = static_cast<const std::u32string*>(sqlite3_get_auxdata(ctx, 0));
    std::u32string locale;
    if (!modello) {
        locale = PiegaTesto(TestoValore(argv[0]));
        sqlite3_set_auxdata(ctx, 0, new std::u32string(locale), DistruggiModello);
        modello = &locale;
    }
    sqlite3_result_int(ctx, Corrisponde(*modello, PiegaTesto(TestoValore(argv[1]))) ? 1 : 0);
}

} // namespace

int ConfrontaTesti(QStringView a, QStringView b) {
    return ConfrontaPieni(a.toString(), b.toString());
}

bool CorrispondeModello(QStringView modello, QStringView testo) {
    return Corrisponde(PiegaTesto(modello.toString()), PiegaTesto(testo.toString()));
}

bool CorrispondePiegati(const std::u32string& modello, const std::u32string& testo) {
    return Corrisponde(modello, testo);
}

std::u32string Piegato(QStringView testo) {
    return PiegaTesto(testo.toString());
}

QString InizioIndicizzabile(QStringView testo) {
    qsizetype n = 0;
    while (n < testo.size() && testo.at(n).unicode() < 0x80 && testo.at(n) != u'*' && testo.at(n) != u'?')
        ++n;
    // A mark that follows may compose with the last ASCII character.
    if (n < testo.size() && testo.at(n).unicode() >= 0x80 && n > 0) --n;
    return testo.left(n).toString().toLower();
}

QString OltreInizio(const QString& inizio) {
    // NOCASE compares bytes with A-Z read as a-z: the next value after "@"
    // is "[", and the inizio is already in lower case.
    QString oltre = inizio;
    while (!oltre.isEmpty()) {
        const char16_t ultimo = oltre.back().unicode();
        if (ultimo < 0x7F) {
            oltre.back() = QChar(ultimo == u'@' ? u'[' : char16_t(ultimo + 1));
            return oltre;
        }
        oltre.chop(1);
    }
    // A noncharacter, which no name holds.
    return QString::fromUcs4(U"\U0010FFFF", 1);
}

bool TestoSiNo(QStringView testo) {
    const QString s = testo.trimmed().toString().toLower();
    return s == QLatin1String("true") || s == QLatin1String("vero") || s == QLatin1String("-1") ||
           s == QLatin1String("1") || s == QLatin1String("si") || s == QStringLiteral("sì") ||
           s == QLatin1String("yes");
}

int RegistraConfronti(sqlite3* db) {
    // Only the queries name the collation: the file itself keeps to the
    // engine's own (NOCASE), so that any SQLite tool can check and edit it.
    int rc = sqlite3_create_collation_v2(db, "VIANDORA", SQLITE_UTF8, nullptr, Collazione, nullptr);
    if (rc != SQLITE_OK) return rc;
    const int opzioni = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    rc = sqlite3_create_function_v2(db, "like", 2, opzioni, nullptr, FunzioneLike, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return rc;
    // The engine's own LIKE ... ESCAPE would bring back "%" and "_".
    return sqlite3_create_function_v2(db, "like", 3, opzioni, nullptr, FunzioneLike, nullptr, nullptr,
                                      nullptr);
}
