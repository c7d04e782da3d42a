#include "common/Date.h"

#include "common/Numeri.h"
#include "common/Stringhe.h"

#include <cmath>

// The day-number formulas treat every fourth year as a leap year, which is why the numbering is
// only trusted from 1901 to 2099; the constants below must stay as they are for stored numbers to match.

int GiorniMese(int anno, int mese) {
    switch (mese) {
    case 0: // the December before January
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        break;
    }
    const bool bisestile = (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
    return mese == 2 && bisestile ? 29 : 28;
}

QString Data2Data(const QString& data) {
    return data.mid(0, 2) + u'/' + data.mid(2, 2) + u'/' + data.mid(4);
}

QString DataClear(const QString& data) {
    return data.mid(0, 2) + data.mid(3, 2) + data.right(4);
}

QString DataChan(const QString& data) {
    return data.mid(4) + data.mid(2, 2) + data.mid(0, 2);
}

void Data2Gma(const QString& data, int& giorno, int& mese, int& anno) {
    giorno = CLng(Val(data.mid(0, 2)));
    mese = CLng(Val(data.mid(2, 2)));
    anno = CLng(Val(data.mid(4)));
}

QString Gma2Data(const QString& giorno, const QString& mese, const QString& anno) {
    return Zero(giorno, 2) + Zero(mese, 2) + Zero(anno, 4);
}

QString Gma2Data(double giorno, double mese, double anno) {
    return Zero(giorno, 2) + Zero(mese, 2) + Zero(anno, 4);
}

float Data2Giul(const QString& data) {
    int giorno = 0;
    int mese = 0;
    int anno = 0;
    Data2Gma(data, giorno, mese, anno);
    double numero = giorno + Int(30.57 * mese) + Int(365.25 * anno - 395.25);
    if (mese > 2) {
        numero -= 1;
        if (anno % 4 != 0) numero -= 1;
    }
    return static_cast<float>(numero);
}

void Giul2Data(float numeroGiorno, int& giorno, int& mese, int& anno) {
    const double j = numeroGiorno;
    // The first estimate of the year falls one short in the first days of a year; the month then exceeds 12.
    double a = Int(j / 365.26) + 1;
    double resto = j - Int(365.25 * a - 395.25);
    const double correzione = std::fmod(a, 4.0) == 0 ? 1 : 2;
    if (resto > 91 - correzione) resto += correzione;
    double m = Int(resto / 30.57);
    const double g = resto - Int(30.57 * m);
    if (m > 12) {
        m -= 12;
        a += 1;
    }
    giorno = CLng(g);
    mese = CLng(m);
    anno = CLng(a);
}

QString Giu2Datas(float numeroGiorno) {
    int giorno = 0;
    int mese = 0;
    int anno = 0;
    Giul2Data(numeroGiorno, giorno, mese, anno);
    return Gma2Data(giorno, mese, anno);
}

QString GiornoSettimana(const QString& data) {
    if (data.size() != 8) return QString();
    // Malformed dates can give negative day numbers; keep the index inside the list.
    int k = CLng(Data2Giul(data)) % 7;
    if (k < 0) k += 7;
    return QStringLiteral("SabDomLunMarMerGioVen").mid(3 * k, 3);
}
