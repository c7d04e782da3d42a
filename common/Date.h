#pragma once
// Date forms and day numbers.
// Stored date: ggmmaaaa; shown date: gg/mm/aaaa; sort key: aaaammgg.
// Day number: whole number in single precision, 1 January 2000 = 730135,
// day number modulo 7 = 0 is a Saturday; consistent from 1901 to 2099.
#include <QString>

int GiorniMese(int anno, int mese);

QString Data2Data(const QString& data); // ggmmaaaa -> gg/mm/aaaa
QString DataClear(const QString& data); // gg/mm/aaaa -> ggmmaaaa
QString DataChan(const QString& data);  // ggmmaaaa -> aaaammgg

void Data2Gma(const QString& data, int& giorno, int& mese, int& anno);
QString Gma2Data(const QString& giorno, const QString& mese, const QString& anno);
QString Gma2Data(double giorno, double mese, double anno);

float Data2Giul(const QString& data);
void Giul2Data(float numeroGiorno, int& giorno, int& mese, int& anno);
QString Giu2Datas(float numeroGiorno);

// "Sab", "Dom", ... or "" when the text is not 8 characters long.
QString GiornoSettimana(const QString& data);
