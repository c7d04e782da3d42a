#pragma once
// The text comparisons of the planner's queries: "=" and ORDER BY ignore
// letter case, LIKE takes "*" and "?" as wildcards. Registered on every
// connection as the collation VIANDORA and the function like().
#include <QStringView>
#include <string>

struct sqlite3;

// Negative, zero or positive. Letter case is ignored; an accented letter
// sorts next to its plain letter but does not equal it.
int ConfrontaTesti(QStringView a, QStringView b);

// "*" any run of characters, "?" exactly one; any other character stands for
// itself, letter case ignored.
bool CorrispondeModello(QStringView modello, QStringView testo);
// The same on texts already folded to code points, for callers that match
// many texts against one pattern.
bool CorrispondePiegati(const std::u32string& modello, const std::u32string& testo);

// A yes/no value kept as text: "True", "Vero", "Sì", "-1", "1" and the like.
bool TestoSiNo(QStringView testo);

// SQLite result code; SQLITE_OK when both are in place.
int RegistraConfronti(sqlite3* db);
