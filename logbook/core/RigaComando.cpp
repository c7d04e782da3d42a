#include "core/RigaComando.h"

#include <QRegularExpression>

#include "common/Date.h"

namespace Taccuvo {

Argomenti LeggiArgomenti(const QStringList& argomenti) {
    Argomenti a;
    QStringList resto;
    int i = 0;
    for (; i < argomenti.size(); ++i) {
        const QString& x = argomenti[i];
        if (x.contains(QLatin1Char(',')) || !x.startsWith(QLatin1Char('-'))) break;
        if (x == QLatin1String("--")) {
            ++i;
            break;
        }
        if (x == QLatin1String("--help") || x == QLatin1String("-h")) {
            a.Aiuto = true;
        } else if (x == QLatin1String("--pdf")) {
            if (i + 1 >= argomenti.size() || argomenti[i + 1].isEmpty()) {
                a.Errore = QStringLiteral("Manca il nome del file dopo --pdf.");
                return a;
            }
            a.FilePdf = argomenti[++i];
        } else {
            a.Errore = QStringLiteral("Opzione sconosciuta: %1").arg(x);
            return a;
        }
    }
    for (; i < argomenti.size(); ++i)
        resto.append(argomenti[i]);
    a.ParametriAvvio = resto.join(QLatin1Char(' '));
    if (!a.FilePdf.isEmpty() && a.ParametriAvvio.trimmed().isEmpty() && !a.Aiuto)
        a.Errore = QStringLiteral("Con --pdf servono destinazione e periodo.");
    return a;
}

DataAvvio LeggiData(const QString& testo) {
    static const QRegularExpression forma(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    DataAvvio d;
    const QRegularExpressionMatch m = forma.match(testo.trimmed());
    if (!m.hasMatch()) return d;
    const int giorno = m.captured(1).toInt();
    const int mese = m.captured(2).toInt();
    const int anno = m.captured(3).toInt();
    // Day numbers hold from 1901 to 2099.
    if (anno < 1901 || anno > 2099 || mese < 1 || mese > 12 || giorno < 1 || giorno > GiorniMese(anno, mese))
        return d;
    d.Valida = true;
    d.Giorno = giorno;
    d.Mese = mese;
    d.Anno = anno;
    return d;
}

QString PulisciDestinazione(const QString& testo) {
    // Control characters print as nothing readable: they become blanks.
    QString d = testo;
    for (QChar& c : d)
        if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
    return d.trimmed().left(LunghezzaMassimaDestinazione).trimmed();
}

namespace {
QString ErroreData(const QString& testo, const DataAvvio& data, const char* quale) {
    if (data.Valida) return {};
    if (testo.trimmed().isEmpty()) return QStringLiteral("Manca la data %1").arg(QLatin1String(quale));
    return QStringLiteral("La data %1 \"%2\" non è un giorno del calendario (GG/MM/AAAA, dal 1901 al 2099)")
        .arg(QLatin1String(quale), PulisciDestinazione(testo).left(40));
}
} // namespace

ParametriStampa SeparaParametriAvvio(const QString& ParametriAvvio) {
    ParametriStampa p;
    // Each field is read on its own: a field that cannot be read leaves the
    // others as they are.
    const qsizetype virgola = ParametriAvvio.indexOf(QLatin1Char(','));
    if (virgola < 0) {
        p.Errore = QStringLiteral("Manca il periodo: servono destinazione, data iniziale e data finale "
                                  "separate da virgole (ROMA,01/07/2026,15/07/2026)");
        return p;
    }
    p.Destinazione = PulisciDestinazione(ParametriAvvio.left(virgola));
    const QString resto = ParametriAvvio.mid(virgola + 1).trimmed();
    const qsizetype seconda = resto.indexOf(QLatin1Char(','));
    const QString inizio = seconda < 0 ? resto : resto.left(seconda);
    const QString fine = seconda < 0 ? QString() : resto.mid(seconda + 1);
    p.Inizio = LeggiData(inizio);
    p.Fine = LeggiData(fine);
    p.Errore = ErroreData(inizio, p.Inizio, "iniziale");
    if (p.Errore.isEmpty()) p.Errore = ErroreData(fine, p.Fine, "finale");
    return p;
}

QString UsoTaccuvo() {
    return QStringLiteral("Uso: Taccuvo [--pdf FILE] [DESTINAZIONE,GG/MM/AAAA,GG/MM/AAAA]\n"
                          "\n"
                          "Stampa le pagine del Diario di Bordo: una copertina e una pagina per ogni\n"
                          "giorno del periodo, con destinazione, data e giorno del viaggio.\n"
                          "\n"
                          "Senza argomenti apre la finestra, dove si scelgono destinazione, periodo\n"
                          "(o i moduli in bianco) e stampante.\n"
                          "Con destinazione e periodo stampa subito, senza domande, sulla stampante\n"
                          "predefinita; se il sistema non ne ha, scrive nella cartella di lavoro un\n"
                          "PDF con il nome della destinazione e del periodo e ne mostra il percorso.\n"
                          "Alla fine scrive nella cartella di lavoro il file FineStampaQuintora.tmp.\n"
                          "\n"
                          "  --pdf FILE   stampa nel file PDF indicato invece che sulla stampante\n"
                          "  --help       mostra questo aiuto ed esce\n"
                          "\n"
                          "Esempio: Taccuvo PORTO SANTO STEFANO,01/07/2026,03/07/2026\n");
}

} // namespace Taccuvo
