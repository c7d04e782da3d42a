#pragma once
// Numbers as the stored texts carry them, and the fixed display patterns.
#include <QString>
#include <QtGlobal>

// The numeric value of a text: its leading number (spaces skipped, optional
// sign, decimal point "."), 0 when there is none. "12abc" -> 12, "abc" -> 0.
double Val(const QString& testo);

// Largest whole number not above x.
double Int(double x);
// Rounded half to even, held in 16 bits (saturated at the ends of the range).
qint16 CInt(double x);
// Rounded half to even, held in 32 bits (saturated at the ends of the range).
qint32 CLng(double x);
// Wraps a whole number into 16 bits, as 16-bit stored arithmetic does.
qint16 A16(qint32 x);

// Text of a number as the program writes it: whole numbers without decimals,
// others with "," as decimal separator and up to 7 significant digits.
QString TestoNumero(double x);

// Display patterns made of "#", "0", "," (grouping) and "." (decimals), such
// as "#,###", "#,##0", "##,##0", "#0", "0.00". Italian marks: "." groups
// thousands, "," separates decimals. Rounds half away from zero.
// "#,###" of 0 is the empty text.
QString Formato(double x, const QString& modello);
