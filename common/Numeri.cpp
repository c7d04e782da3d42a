#include "common/Numeri.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool Spazio(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}
bool Cifra(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Rounded half to even, then held in [minimo, massimo]; not a number gives 0.
double ArrotondaPari(double x, double minimo, double massimo) {
    if (std::isnan(x)) return 0;
    double r = std::floor(x);
    const double resto = x - r;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
    if (r < minimo) return minimo;
    if (r > massimo) return massimo;
    return r;
}

// Text of a non-negative finite number in plain decimal notation, shortest form that reads back the same.
std::string CifreDecimali(double x) {
    std::array<char, 512> buffer{};
    const auto risultato =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed);
    return std::string(buffer.data(), risultato.ptr);
}

} // namespace

double Val(const QString& testo) {
    qsizetype i = 0;
    const qsizetype n = testo.size();
    auto salta = [&] {
        while (i < n && Spazio(testo[i]))
            ++i;
    };

    salta();
    bool negativo = false;
    if (i < n && (testo[i] == u'-' || testo[i] == u'+')) {
        negativo = testo[i] == u'-';
        ++i;
    }

    // Significant digits and the power of ten they are worth, read with blanks skipped.
    std::string cifre;
    long long esponenteCifre = 0;
    bool virgola = false;
    for (salta(); i < n; ++i, salta()) {
        const QChar c = testo[i];
        if (Cifra(c)) {
            if (cifre.empty() && c == u'0') {
                if (virgola) --esponenteCifre;
                continue;
            }
            if (cifre.size() < 800) {
                cifre.push_back(char(c.unicode()));
                if (virgola) --esponenteCifre;
            } else if (!virgola) {
                ++esponenteCifre;
            }
        } else if (c == u'.' && !virgola) {
            virgola = true;
        } else {
            break;
        }
    }

    long long esponente = 0;
    if (i < n && (testo[i] == u'E' || testo[i] == u'e' || testo[i] == u'D' || testo[i] == u'd')) {
        ++i;
        salta();
        bool esponenteNegativo = false;
        if (i < n && (testo[i] == u'-' || testo[i] == u'+')) {
            esponenteNegativo = testo[i] == u'-';
            ++i;
        }
        for (salta(); i < n && Cifra(testo[i]); ++i, salta())
            if (esponente < 100000) esponente = esponente * 10 + (testo[i].unicode() - u'0');
        if (esponenteNegativo) esponente = -esponente;
    }

    if (cifre.empty()) return 0;

    // The value is 0.cifre x 10^grandezza; far outside the double range it is infinite or zero.
    const long long grandezza = esponenteCifre + esponente + static_cast<long long>(cifre.size());
    double valore = 0;
    if (grandezza > 400) {
        valore = std::numeric_limits<double>::infinity();
    } else if (grandezza >= -400) {
        const std::string testoNumero = "0." + cifre + "e" + std::to_string(grandezza);
        const auto risultato =
            std::from_chars(testoNumero.data(), testoNumero.data() + testoNumero.size(), valore);
        if (risultato.ec == std::errc::result_out_of_range)
            valore = grandezza > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negativo ? -valore : valore;
}

double Int(double x) {
    return std::floor(x);
}

qint16 CInt(double x) {
    return static_cast<qint16>(ArrotondaPari(x, -32768.0, 32767.0));
}

qint32 CLng(double x) {
    return static_cast<qint32>(ArrotondaPari(x, -2147483648.0, 2147483647.0));
}

qint16 A16(qint32 x) {
    return static_cast<qint16>(static_cast<quint16>(x));
}

QString TestoNumero(double x) {
    if (x == std::floor(x) && std::fabs(x) < 1e15) return QString::number(static_cast<qint64>(x));
    return QString::number(x, 'G', 7).replace(u'.', u',');
}

QString Formato(double x, const QString& modello) {
    if (!std::isfinite(x)) return TestoNumero(x);

    const qsizetype punto = modello.indexOf(u'.');
    const QString parteIntera = punto < 0 ? modello : modello.left(punto);
    const QString parteDecimale = punto < 0 ? QString() : modello.mid(punto + 1);
    const bool raggruppa = parteIntera.contains(u',');
    const qsizetype cifreInteraMinime = parteIntera.count(u'0');
    const qsizetype decimaliMinimi = parteDecimale.count(u'0');
    const qsizetype decimali = decimaliMinimi + parteDecimale.count(u'#');

    // Rounded on the decimal digits, so that 2.5 and 1.005 round as they are written.
    const std::string testo = CifreDecimali(std::fabs(x));
    const auto posizionePunto = testo.find('.');
    std::string intere = testo.substr(0, posizionePunto);
    std::string frazione =
        posizionePunto == std::string::npos ? std::string() : testo.substr(posizionePunto + 1);
    const bool arrotondaSu = static_cast<qsizetype>(frazione.size()) > decimali && frazione[decimali] >= '5';
    frazione.resize(decimali, '0');
    if (arrotondaSu) {
        std::string tutte = intere + frazione;
        qsizetype k = static_cast<qsizetype>(tutte.size()) - 1;
        while (k >= 0 && tutte[k] == '9')
            tutte[k--] = '0';
        if (k >= 0)
            ++tutte[k];
        else
            tutte.insert(tutte.begin(), '1');
        intere = tutte.substr(0, tutte.size() - frazione.size());
        frazione = tutte.substr(tutte.size() - frazione.size());
    }

    while (static_cast<qsizetype>(frazione.size()) > decimaliMinimi && frazione.back() == '0')
        frazione.pop_back();
    const auto primaSignificativa = intere.find_first_not_of('0');
    intere = primaSignificativa == std::string::npos ? std::string() : intere.substr(primaSignificativa);
    if (static_cast<qsizetype>(intere.size()) < cifreInteraMinime)
        intere.insert(0, cifreInteraMinime - intere.size(), '0');

    QString risultato;
    for (std::size_t k = 0; k < intere.size(); ++k) {
        if (raggruppa && k > 0 && (intere.size() - k) % 3 == 0) risultato += u'.';
        risultato += QChar(intere[k]);
    }
    if (!frazione.empty()) risultato += u',' + QString::fromLatin1(frazione);

    const bool zero = intere.find_first_not_of('0') == std::string::npos &&
                      frazione.find_first_not_of('0') == std::string::npos;
    if (x < 0 && !zero) risultato.prepend(u'-');
    return risultato;
}
