#include "routeimport/LetturaPercorso.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include "common/Testo1252.h"

namespace {

constexpr qint64 KmMassimiLetti = 10'000'000;
const QString Traghetto = QStringLiteral("TRAGH");
const QString SostaTraghetto = QStringLiteral("00:02:00");

bool SoloAscii(const QByteArray& b) {
    for (char c : b)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

QString Decodifica(const QByteArray& b) {
    if (b.startsWith("\xFF\xFE")) return QStringDecoder(QStringConverter::Utf16LE)(b.mid(2));
    if (b.startsWith("\xFE\xFF")) return QStringDecoder(QStringConverter::Utf16BE)(b.mid(2));
    if (b.contains('\0')) return {};
    if (b.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(b.mid(3));
    if (!SoloAscii(b)) {
        QStringDecoder utf8(QStringConverter::Utf8);
        const QString testo = utf8(b);
        if (!utf8.hasError()) return testo;
    }
    return DecodificaWindows1252(b);
}

// A cell that a spreadsheet saved in quotes, because it holds a comma or a
// quote, has them taken off.
QString SenzaVirgolette(const QString& cella) {
    if (cella.size() >= 2 && cella.startsWith(u'"') && cella.endsWith(u'"'))
        return cella.mid(1, cella.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\"")).trimmed();
    return cella;
}

// The locality named at the start of a text: up to a comma, a parenthesis
// or the words that go on to describe the way.
QString TagliaLocalita(QString testo) {
    static const char* const fini[] = {",",           ";",  "(", ":", " su ", " verso ", " in direzione",
                                       " direzione ", " - "};
    for (const char* fine : fini) {
        const qsizetype p = testo.indexOf(QLatin1String(fine));
        if (p >= 0) testo.truncate(p);
    }
    return testo.simplified();
}

// "vicino a Roma" -> "Roma".
QString SenzaVicinoA(const QString& testo) {
    const QString nome = testo.trimmed();
    return nome.startsWith(QLatin1String("vicino a"), Qt::CaseInsensitive) ? nome.mid(8).trimmed() : nome;
}

// "da Roma" -> "Roma": the start and the arrival name their place after a
// preposition or a colon.
QString SenzaPreposizione(QString testo) {
    testo = testo.trimmed();
    while (testo.startsWith(u':'))
        testo = testo.mid(1).trimmed();
    for (const char* p : {"da ", "dal ", "dalla ", "a ", "ad ", "in ", "al ", "alla "}) {
        const QLatin1String prep(p);
        if (testo.startsWith(prep, Qt::CaseInsensitive)) return testo.mid(prep.size()).trimmed();
    }
    return testo;
}

// A word names a road when, without its punctuation, it starts with a
// letter and holds a digit ("A1", "SS131", "E35", "A1/E35", "D907"); the
// part after an apostrophe counts ("dell'A1").
QString DesignazioneStrada(QString parola) {
    const qsizetype apostrofo = qMax(parola.lastIndexOf(u'\''), parola.lastIndexOf(QChar(0x2019)));
    if (apostrofo >= 0) parola = parola.mid(apostrofo + 1);
    while (!parola.isEmpty() && !parola.front().isLetterOrNumber())
        parola.remove(0, 1);
    while (!parola.isEmpty() && !parola.back().isLetterOrNumber())
        parola.chop(1);
    if (parola.isEmpty() || !parola.front().isLetter()) return {};
    bool cifra = false;
    for (QChar c : parola) {
        if (c.isDigit())
            cifra = true;
        else if (!c.isLetter() && c != u'/' && c != u'-' && c != u'.')
            return {};
    }
    return cifra ? parola.toUpper() : QString();
}

// A cell that holds a distance and nothing else: "12,6", "1.234,5 km".
bool SoloDistanza(const QString& cella) {
    static const QRegularExpression distanza(QStringLiteral("^\\d[\\d.,]*\\s*(km|mi)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    return distanza.match(cella).hasMatch();
}

} // namespace

QStringList LetturaPercorso::RigheTesto(const QByteArray& contenuto) {
    const QString testo = Decodifica(contenuto);
    QStringList righe;
    QString riga;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo.at(i);
        if (c == u'\r' || c == u'\n') {
            righe << riga;
            riga.clear();
            if (c == u'\r' && i + 1 < testo.size() && testo.at(i + 1) == u'\n') ++i;
        } else {
            riga += c;
        }
    }
    if (!riga.isEmpty()) righe << riga;
    return righe;
}

void LetturaPercorso::EstraeColonneTappa(const QString& riga) {
    for (QString& c : ColonneTappa)
        c.clear();
    qsizetype inizio = 0;
    for (int k = 1; k <= 20; ++k) {
        const qsizetype tab = riga.indexOf(u'\t', inizio);
        ColonneTappa[k] = SenzaVirgolette(riga.mid(inizio, tab < 0 ? -1 : tab - inizio).trimmed());
        if (tab < 0) break;
        inizio = tab + 1;
    }
}

int LetturaPercorso::Riconosce(const QStringList& righe, int& rigaIntestazione) {
    LetturaPercorso l;
    for (int i = 0; i < righe.size() && i < RigheRicerca; ++i) {
        l.EstraeColonneTappa(righe.at(i).toLower());
        const auto& c = l.ColonneTappa;
        rigaIntestazione = i;
        if (c[1].right(3) == QLatin1String("ora") && c[2] == QLatin1String("istruzioni") &&
            c[3] == QLatin1String("km"))
            return 1;
        if (c[1].mid(2).trimmed() == QStringLiteral("località") && c[2] == QLatin1String("distanza") &&
            c[3] == QLatin1String("direzione"))
            return 2;
    }
    rigaIntestazione = -1;
    return 0;
}

qint64 LetturaPercorso::ValoreKm(const QString& testo) {
    qsizetype i = 0;
    while (i < testo.size() && !testo.at(i).isDigit())
        ++i;
    QString numero;
    while (i < testo.size() && (testo.at(i).isDigit() || testo.at(i) == u'.' || testo.at(i) == u','))
        numero += testo.at(i++);
    while (!numero.isEmpty() && !numero.back().isDigit())
        numero.chop(1);
    if (numero.isEmpty()) return 0;

    const qsizetype punto = numero.lastIndexOf(u'.');
    const qsizetype virgola = numero.lastIndexOf(u',');
    QChar decimale;
    if (punto >= 0 && virgola >= 0) {
        decimale = punto > virgola ? u'.' : u',';
    } else if (punto >= 0 || virgola >= 0) {
        // Groups of three digits after every mark, and not a leading zero,
        // are thousands ("1.234", "1,234,567"); otherwise the first mark is
        // the decimal one ("12.5", "0.500", "12,8").
        const QChar segno = punto >= 0 ? u'.' : u',';
        const QStringList gruppi = numero.split(segno);
        bool migliaia = gruppi.first() != QLatin1String("0") && !gruppi.first().isEmpty();
        for (qsizetype g = 1; g < gruppi.size(); ++g)
            migliaia = migliaia && gruppi.at(g).size() == 3;
        // A single comma is the Italian decimal mark.
        if (segno == u',' && gruppi.size() == 2) migliaia = false;
        decimale = migliaia ? QChar() : segno;
    }
    qint64 valore = 0;
    for (QChar c : numero) {
        if (c == decimale) break;
        if (!c.isDigit()) continue;
        valore = qMin(valore * 10 + c.digitValue(), KmMassimiLetti);
    }
    return valore;
}

void LetturaPercorso::EstraeTappaStrada(const QString& istruzione) {
    // Text in parentheses is examined on its own: there the road's other
    // number ("A1 (E35)") or the road of a place named outside.
    QString fuori;
    QStringList dentro;
    int livello = 0;
    QString corrente;
    for (QChar c : istruzione) {
        if (c == u'(') {
            if (livello++ == 0) {
                fuori += u' ';
                corrente.clear();
                continue;
            }
        } else if (c == u')' && livello > 0) {
            if (--livello == 0) {
                dentro << corrente;
                continue;
            }
        }
        if (livello > 0)
            corrente += c;
        else
            fuori += c;
    }
    if (livello > 0) dentro << corrente;

    auto strade = [](const QString& testo) {
        QStringList trovate;
        for (const QString& parola : testo.split(u' ', Qt::SkipEmptyParts)) {
            if (parola.contains(QLatin1String("REPUBBL"))) continue;
            const QString strada = DesignazioneStrada(parola);
            if (!strada.isEmpty()) trovate << strada;
        }
        return trovate;
    };
    QStringList trovate = strade(fuori);
    // The number in parentheses is only a second name of a road already
    // found; alone, it is the road.
    if (trovate.isEmpty())
        for (const QString& d : dentro)
            trovate << strade(d);
    if (istruzione.contains(QLatin1String("traghetto"))) trovate << Traghetto;
    for (const QString& s : trovate)
        if (StradeTappa.size() < 100) StradeTappa << s;
}

void LetturaPercorso::Azzera() {
    Tappe.clear();
    StradeTappa.clear();
    DistanzaProgressiva = 0;
    DistanzaUltimaTappa = 0;
    ultimaDistanzaLetta_ = 0;
    sommaTratti_ = 0;
    localitaPrecedente_ = QStringLiteral("\\");
    inizioScritto_ = false;
    troppoLungo_ = false;
    KmNonCredibili = 0;
    LocalitaNonCredibile.clear();
    colonnaKm_ = 2;
    colonnaIstruzione_ = 3;
}

LetturaPercorso::Esito LetturaPercorso::Leggi(const QByteArray& contenuto) {
    Azzera();
    Layout = 0;
    if (contenuto.size() < LunghezzaMinima) return Esito::NonRiconosciuto;
    const QStringList righe = RigheTesto(contenuto);
    int intestazione = -1;
    Layout = Riconosce(righe, intestazione);
    if (Layout == 0) return Esito::NonRiconosciuto;
    if (Layout == 1) ColonneLayout1(righe, intestazione);
    if (Layout == 2) RigaLayout2(righe.at(intestazione));
    for (int i = intestazione + 1; i < righe.size() && !troppoLungo_ && KmNonCredibili == 0; ++i) {
        if (Layout == 1)
            RigaLayout1(righe.at(i));
        else
            RigaLayout2(righe.at(i));
    }
    if (troppoLungo_ || KmNonCredibili > 0) {
        Tappe.clear();
        return troppoLungo_ ? Esito::TroppoLungo : Esito::DistanzaNonCredibile;
    }
    return Esito::Letto;
}

bool LetturaPercorso::ChiudeTappa(const QString& localita) {
    const QString nome = SenzaVicinoA(TagliaLocalita(localita));
    // The stage is named after the place without "vicino a", once more
    // below: "vicino a vicino a" names no place at all.
    if (nome.isEmpty() || SenzaVicinoA(nome).isEmpty()) return false;
    // The same place on consecutive lines is one stage: the way through it
    // counts towards the next.
    if (nome.compare(localitaPrecedente_, Qt::CaseInsensitive) == 0) return false;
    SalvaRigaItinerarioImportato(nome);
    return true;
}

void LetturaPercorso::SalvaRigaItinerarioImportato(const QString& localita) {
    bool traghetto = false;
    QStringList altre;
    for (const QString& s : StradeTappa) {
        if (s.contains(Traghetto))
            traghetto = true;
        else if (!altre.contains(s))
            altre << s;
    }
    StradeTappa.clear();
    const QString strada = ((traghetto ? Traghetto + u' ' : QString()) + altre.join(u' ')).trimmed();

    const QString nome = SenzaVicinoA(localita);
    localitaPrecedente_ = nome;
    inizioScritto_ = true;

    // A running distance that goes back (a damaged file) gives no negative
    // stage.
    qint64 km = qMax<qint64>(0, DistanzaProgressiva - DistanzaUltimaTappa);
    DistanzaUltimaTappa = DistanzaProgressiva;

    TappaPercorso t;
    t.Localita = nome.toUpper();
    if (km > KmMassimiCredibili) {
        KmNonCredibili = km;
        LocalitaNonCredibile = t.Localita;
        return;
    }
    t.Strada = strada;
    t.TipoStrada = strada.startsWith(u'A') ? QStringLiteral("A") : QStringLiteral("P");
    const bool fette = km > KmMassimiRiga;
    while (fette && km > KmPerFetta) {
        t.Km = KmPerFetta;
        km -= KmPerFetta;
        if (Tappe.size() >= MassimoTappe) {
            troppoLungo_ = true;
            return;
        }
        Tappe << t;
    }
    if (Tappe.size() >= MassimoTappe) {
        troppoLungo_ = true;
        return;
    }
    t.Km = km;
    t.Sosta = traghetto ? SostaTraghetto : QString();
    Tappe << t;
}

// The header names the columns: time, instruction, km. Some exports keep
// that header over rows that carry the running distance second and the
// instruction third, and users have years of such files: they are told by
// their first row with both cells, whose second cell is a bare distance
// and whose third is not.
void LetturaPercorso::ColonneLayout1(const QStringList& righe, int intestazione) {
    colonnaIstruzione_ = 2;
    colonnaKm_ = 3;
    for (int i = intestazione + 1; i < righe.size(); ++i) {
        EstraeColonneTappa(righe.at(i));
        const QString& seconda = ColonneTappa[2];
        const QString& terza = ColonneTappa[3];
        if (ColonneTappa[1] == QLatin1String("Istruzioni") || seconda.isEmpty() || terza.isEmpty()) continue;
        if (SoloDistanza(seconda) && !SoloDistanza(terza)) {
            colonnaIstruzione_ = 3;
            colonnaKm_ = 2;
        }
        return;
    }
}

void LetturaPercorso::RigaLayout1(const QString& riga) {
    EstraeColonneTappa(riga);
    if (ColonneTappa[1] == QLatin1String("Istruzioni")) {
        for (int k = 1; k <= 20; ++k) {
            if (ColonneTappa[k].toLower().startsWith(QLatin1String("km"))) {
                colonnaKm_ = k;
                break;
            }
        }
        return;
    }
    QString istruzione = ColonneTappa[colonnaIstruzione_];
    if (istruzione.section(u' ', 0, 0) == QLatin1String("vicino")) istruzione = istruzione.mid(6).trimmed();
    if (istruzione.isEmpty()) return;
    const QString parola = istruzione.section(u' ', 0, 0);
    const QString cellaKm = ColonneTappa[colonnaKm_];
    bool haDistanza = false;
    for (QChar c : cellaKm)
        haDistanza = haDistanza || c.isDigit();

    QString localita;
    bool stradePrima = false; // the line's roads lead to its own place
    bool distanza = false;
    const bool controllo = istruzione.contains(QLatin1String("controllo orari"));
    if (istruzione.left(8).toLower() == QLatin1String("partenza")) {
        const qsizetype vicino = istruzione.indexOf(QLatin1String("vicino"));
        localita = vicino >= 0 ? istruzione.mid(vicino + 9) : SenzaPreposizione(istruzione.section(u' ', 1));
    } else if (istruzione.left(6).toLower() == QLatin1String("arrivo")) {
        QString resto = istruzione;
        const qsizetype vicino = resto.indexOf(QLatin1String("vicino"));
        if (vicino >= 0) resto = resto.mid(vicino + 7);
        const qsizetype spazio = resto.indexOf(u' ');
        localita = SenzaPreposizione(spazio >= 0 ? resto.mid(spazio + 1) : QString());
        stradePrima = true;
        distanza = true;
    } else if (parola == QLatin1String("a") || parola == QLatin1String("presso")) {
        localita = istruzione.mid(parola.size() + 1);
        distanza = true;
    } else if (parola == QLatin1String("Ingresso")) {
        localita = istruzione;
        stradePrima = true;
        distanza = true;
    }
    if ((distanza || controllo) && haDistanza) DistanzaProgressiva = ValoreKm(cellaKm);

    auto strade = [&] {
        EstraeTappaStrada(istruzione);
        if (controllo) StradeTappa << QStringLiteral("TRAGH");
        const qsizetype su = istruzione.indexOf(QLatin1String(" su "));
        if (su > parola.size() - 1) {
            QString nome = istruzione.mid(su + 4).section(u' ', 0, 0);
            while (!nome.isEmpty() && !nome.back().isLetterOrNumber())
                nome.chop(1);
            bool lettera = false;
            for (QChar c : nome)
                lettera = lettera || c.isLetter();
            if (lettera && nome == nome.toUpper() && !StradeTappa.contains(nome) && StradeTappa.size() < 100)
                StradeTappa << nome;
        }
    };
    if (localita.trimmed().isEmpty()) {
        strade();
        return;
    }
    if (stradePrima) strade();
    ChiudeTappa(localita);
    if (!stradePrima) strade();
}

void LetturaPercorso::RigaLayout2(const QString& riga) {
    EstraeColonneTappa(riga);
    QString prima = ColonneTappa[1];
    if (prima.mid(2).trimmed().toLower().startsWith(QLatin1String("localit"))) {
        for (int k = 1; k <= 20; ++k) {
            if (ColonneTappa[k].toLower() == QLatin1String("posizione opposta")) {
                colonnaKm_ = k;
                break;
            }
        }
        return;
    }
    const QString cellaKm = ColonneTappa[colonnaKm_];
    if (cellaKm.toUpper().contains(QLatin1String("KM"))) {
        // A distance column that starts again from zero (a new leg of the
        // route) keeps the running total growing.
        const qint64 letta = ValoreKm(cellaKm);
        if (letta < ultimaDistanzaLetta_) sommaTratti_ += ultimaDistanzaLetta_;
        ultimaDistanzaLetta_ = letta;
        DistanzaProgressiva = sommaTratti_ + letta;
    }
    const QString istruzione = ColonneTappa[3];
    if (prima.startsWith(u'-')) prima = prima.mid(1).trimmed();
    if (prima.startsWith(u'(')) {
        const qsizetype chiusa = prima.indexOf(u')');
        prima = chiusa >= 0 ? prima.mid(chiusa + 1).trimmed() : QString();
    }
    bool ingresso = riga.contains(QLatin1String("Ingresso"));
    QString localita = prima;
    if (localita.isEmpty()) {
        const qsizetype direzione = istruzione.indexOf(QLatin1String("direzione di"));
        const qsizetype confine = istruzione.indexOf(QLatin1String("confine"));
        const qsizetype verso = istruzione.indexOf(QLatin1String("verso"));
        if (confine >= 0 && verso >= 0) {
            localita = QStringLiteral("Ingresso in ") + istruzione.mid(verso + 6).trimmed();
            ingresso = true;
        } else if (direzione >= 0) {
            localita = QStringLiteral("Direzione ") + istruzione.mid(direzione + 12).trimmed();
        }
    }
    const bool partenza = !inizioScritto_ && !TagliaLocalita(prima).isEmpty();
    if (partenza || ingresso || DistanzaProgressiva - DistanzaUltimaTappa >= 1) ChiudeTappa(localita);
    EstraeTappaStrada(istruzione);
}
