#include "database/Confronto.h"

#include <QByteArrayView>
#include <QChar>
#include <QList>
#include <QString>
#include <sqlite3.h>
#include <string>

namespace {

// Per code point, so that "?" and a literal character each stand for exactly
// one character and "=" agrees with LIKE on a pattern without wildcards.
std::u32string Piega(const QString& testo, QString::NormalizationForm forma, bool senzaSegni) {
    const QString normale = testo.normalized(forma);
    std::u32string piegato;
    piegato.reserve(normale.size());
    for (const char32_t c : normale.toUcs4()) {
        if (senzaSegni && QChar::category(c) == QChar::Mark_NonSpacing) continue;
        piegato.push_back(QChar::toCaseFolded(c));
    }
    return piegato;
}

std::u32string PiegaTesto(const QString& testo) {
    return Piega(testo, QString::NormalizationForm_C, false);
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

bool TestoSiNo(QStringView testo) {
    const QString s = testo.trimmed().toString().toLower();
    return s == QLatin1String("true") || s == QLatin1String("vero") || s == QLatin1String("-1") ||
           s == QLatin1String("1") || s == QLatin1String("si") || s == QStringLiteral("sì") ||
           s == QLatin1String("yes");
}

int RegistraConfronti(sqlite3* db) {
    int rc = sqlite3_create_collation_v2(db, "VIANDORA", SQLITE_UTF8, nullptr, Collazione, nullptr);
    if (rc != SQLITE_OK) return rc;
    const int opzioni = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    rc = sqlite3_create_function_v2(db, "like", 2, opzioni, nullptr, FunzioneLike, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return rc;
    // The engine's own LIKE ... ESCAPE would bring back "%" and "_".
    return sqlite3_create_function_v2(db, "like", 3, opzioni, nullptr, FunzioneLike, nullptr, nullptr,
                                      nullptr);
}
