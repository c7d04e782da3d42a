// Writes databases of stored trips for comparing the timetables of two
// builds (scripts/confronta-calcolo.sh): CARTELLA/casuali<k>/ holds random
// trips, plausible and not, over a random city guide; CARTELLA/sintetici/
// the benchmark's trips over its guide of 20,000 entries.
// CARTELLA/elenco.txt lists "database code" of every trip.
// Usage: genera_viaggi CARTELLA [trips per database] [databases]
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <random>

#include "ViaggioSintetico.h"
#include "common/Stringhe.h"
#include "shell/FormViandora.h"
#include "shell/PiattaformaSenzaSchermo.h"
#include "shell/SlotRecordSet.h"

namespace {

class Caso {
public:
    explicit Caso(unsigned seme) : g_(seme) {}
    int Tra(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g_); }
    bool Moneta(int suCento) { return Tra(1, 100) <= suCento; }
    QString Uno(const QStringList& l) { return l.at(Tra(0, int(l.size()) - 1)); }
    QString Due(int a, int b) { return Zero(Tra(a, b), 2); }

private:
    std::mt19937 g_;
};

const QStringList Localita = {"ROMA", "L'AQUILA", "MILANO", "SANT'ANGELO", "NAPOLI", "BARI", "ROMA*", "BRA"};

void Voce(RecordSet& rs, const QStringList& v) {
    rs.AddNew();
    rs.Imposta("Localita", v.at(0));
    rs.Imposta("CodiceGuida", v.at(1));
    rs.Imposta("Descrizione", v.at(2));
    rs.Imposta("TempoSosta", v.at(3));
    rs.Imposta("FlagVisto", "0");
    rs.Update();
}

// campi: "Field=value;..." of the trip record.
void Meta(FormViandora& f, const QString& codice, const QString& campi, const QStringList& tappe) {
    f.Db.RecordSetImposta(SlotLibero, Query("MeteViandora").Dove("CodiceMeta", "\\"));
    RecordSet& m = f.Db.Rs(SlotLibero);
    m.AddNew();
    m.Imposta("CodiceMeta", codice);
    for (const QString& campo : campi.split(u';'))
        m.Imposta(campo.section(u'=', 0, 0), campo.section(u'=', 1));
    m.Update();
    f.Db.RecordSetImposta(SlotLibero, Query("Itinerari").Dove("CodiceMeta", "\\"));
    RecordSet& t = f.Db.Rs(SlotLibero);
    int sequenza = 0;
    for (const QString& tappa : tappe) {
        const QStringList c = tappa.split(u'|');
        const QString sosta = c.value(4);
        t.AddNew();
        t.Imposta("CodiceMeta", codice);
        t.Imposta("Sequenza", Zero(++sequenza, 4));
        t.Imposta("Localita", c.value(0));
        t.Imposta("NomeStrada", c.value(1) + " ");
        t.Imposta("Chilometri", c.value(2));
        t.Imposta("TipoStrada", c.value(3) + " ");
        t.Imposta("TempoSosta", (sosta.startsWith('*') ? sosta.mid(1) : sosta) + " ");
        t.Imposta("SostaGuidaCitta", " ");
        t.Imposta("FineGiorno", sosta.startsWith('*') ? "1" : "0");
        t.Update();
    }
}

QString MetaACaso(Caso& c) {
    QStringList campi;
    campi << "Localita=" + c.Uno(Localita) << "Nazione=ITALIA";
    campi << "DataInizio=" + c.Due(1, 28) + c.Due(1, 12) + QString::number(c.Tra(1999, 2030));
    campi << "OraInizio=" + c.Due(0, 24) + c.Uno({"00", "15", "30", "45"});
    const char* velocita[] = {"MediaAutostrada", "MediaSuperStrada", "MediaPrincipale", "MediaLocale"};
    for (const char* v : velocita)
        campi << QString::fromLatin1(v) + "=" +
                     (c.Moneta(80) ? QString::number(c.Tra(20, 140))
                                   : c.Uno({"0", "", "1", "2", "999", "abc", "7.5"}));
    const char* orari[] = {"OraColazione", "OraPranzo",    "DurataPranzo", "OraCena",     "DurataCena",
                           "OraNotte",     "InizioVisita", "FineVisita",   "OreTraghetti"};
    for (const char* o : orari)
        campi << QString::fromLatin1(o) + "=" + (c.Moneta(85) ? c.Due(0, 24) : c.Uno({"", "99", "-1"})) +
                     c.Uno({"00", "15", "30", "45", "59"});
    campi << "RiposoMinuti=" + c.Uno({"00", "05", "10", "15", "20", "30", "45", "60", "99"});
    campi << "RiposoOre=" + c.Due(0, 11) << "RiposoGiorno=" + c.Due(0, 5)
          << "RiposoDopoGiorni=" + c.Due(0, 11);
    campi << "GiorniAdeguamento=" + Zero(c.Moneta(50) ? 0 : c.Tra(1, 997), 4);
    campi << "CalcoloSoste=" + QString::number(c.Tra(1, 5));
    return campi.join(u';');
}

QStringList TappeACaso(Caso& c) {
    QStringList tappe;
    for (int i = c.Tra(1, 20); i > 0; --i) {
        QString km = QString::number(c.Moneta(10) ? 0 : c.Tra(1, 1500));
        if (c.Moneta(5)) km = c.Uno({"abc", "-5", "1.23", "9999", ""});
        QString sosta;
        if (c.Moneta(40)) sosta = c.Due(0, 15) + ":" + c.Due(0, 23) + ":" + c.Uno({"00", "15", "30", "45"});
        if (c.Moneta(5)) sosta = c.Uno({"01:30", "-5", "abc", "99:99:99"});
        if (c.Moneta(20)) sosta.prepend(u'*');
        tappe << c.Uno(Localita) + "|" + c.Uno({"A1", "TRAGHETTO", "SS7", ""}) + "|" + km + "|" +
                     c.Uno({"A", "S", "P", "L", "X", ""}) + "|" + sosta;
    }
    return tappe;
}

bool Casuali(const QString& cartella, unsigned seme, int viaggi) {
    PiattaformaSenzaSchermo p;
    FormViandora f(p, cartella + u'/');
    if (!f.Form_Load()) return false;
    Caso c(seme);
    Database::Transazione t(f.Db);
    f.Db.RecordSetImposta(SlotLibero, Query("GuidaCitta").Dove("Localita", "\\"));
    for (int i = c.Tra(0, 40); i > 0; --i)
        Voce(f.Db.Rs(SlotLibero),
             {QString(c.Uno(Localita)).remove(u'*'), Zero(c.Tra(0, 12), 2), "Voce " + QString::number(i),
              c.Due(0, 12) + ":" + c.Uno({"00", "15", "30", "45"})});
    for (int v = 1; v <= viaggi; ++v)
        Meta(f, Zero(v, 6), MetaACaso(c), TappeACaso(c));
    t.Conferma();
    return true;
}

bool Sintetici(const QString& cartella) {
    PiattaformaSenzaSchermo p;
    FormViandora f(p, cartella + u'/');
    if (!f.Form_Load()) return false;
    Database::Transazione t(f.Db);
    f.Db.RecordSetImposta(SlotLibero, Query("GuidaCitta").Dove("Localita", "\\"));
    for (int i = 0; i < ViaggioSintetico::VociGuida; ++i)
        Voce(f.Db.Rs(SlotLibero), ViaggioSintetico::VoceGuida(i));
    const QString campi = "Localita=NORD;Nazione=ITALIA;DataInizio=01062007;OraInizio=0800;"
                          "MediaAutostrada=100;MediaSuperStrada=65;MediaPrincipale=50;MediaLocale=30;"
                          "OraColazione=0900;OraPranzo=1230;DurataPranzo=0230;OraCena=2000;DurataCena=0145;"
                          "OraNotte=2230;RiposoMinuti=15;RiposoOre=03;RiposoGiorno=01;RiposoDopoGiorni=05;"
                          "InizioVisita=0900;FineVisita=1800;OreTraghetti=0600;GiorniAdeguamento=0001;"
                          "CalcoloSoste=1";
    const int stadi[] = {250, 1000, 4000};
    for (int i = 0; i < 3; ++i)
        Meta(f, Zero(i + 1, 6), campi, ViaggioSintetico::Tappe(stadi[i]));
    t.Conferma();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Uso: genera_viaggi CARTELLA [viaggi per database] [database]\n");
        return 2;
    }
    const QString radice = QString::fromLocal8Bit(argv[1]);
    const int viaggi = argc > 2 ? std::atoi(argv[2]) : 55;
    const int database = argc > 3 ? std::atoi(argv[3]) : 10;
    QFile elenco(radice + QStringLiteral("/elenco.txt"));
    if (!QDir().mkpath(radice) || !elenco.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream out(&elenco);
    for (int k = 1; k <= database; ++k) {
        const QString nome = QStringLiteral("casuali%1").arg(k, 2, 10, QLatin1Char('0'));
        if (!QDir().mkpath(radice + u'/' + nome) || !Casuali(radice + u'/' + nome, unsigned(k), viaggi))
            return 1;
        for (int v = 1; v <= viaggi; ++v)
            out << nome << "/ViandoraQuintora.mdb " << Zero(v, 6) << '\n';
    }
    if (!QDir().mkpath(radice + QStringLiteral("/sintetici")) ||
        !Sintetici(radice + QStringLiteral("/sintetici")))
        return 1;
    for (int v = 1; v <= 3; ++v)
        out << "sintetici/ViandoraQuintora.mdb " << Zero(v, 6) << '\n';
    return 0;
}
