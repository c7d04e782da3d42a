#pragma once
// The text comparisons of the planner's queries: "=" and ORDER BY ignore
// letter case, LIKE takes "*" and "?" as wildcards. Registered on every
// connection as the collation VIANDORA and the function like(), and named
// only in the queries, never in the file's schema.
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

// The folded form that "=" and LIKE compare: composed, then folded one code
// point at a time.
std::u32string Piegato(QStringView testo);

// The start, in lower case, that every text equal to the given one, or
// matching it as a pattern, has too (letter case aside): its leading ASCII
// characters up to the first wildcard, less the last one when a character
// outside ASCII follows. Texts starting so lie from it up to OltreInizio
// in the engine's NOCASE order, which an index of the plain text serves.
QString InizioIndicizzabile(QStringView testo);
QString OltreInizio(const QString& inizio);

// A yes/no value kept as text: "True", "Vero", "Sì", "-1", "1" and the like.
bool TestoSiNo(QStringView testo);

// SQLite result code; SQLITE_OK when both are in place.
int RegistraConfronti(sqlite3* db);
