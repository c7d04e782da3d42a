// The logbook printer's command line on arbitrary text: one argument per
// line, read as UTF-8 the way a shell hands them over. The window module
// then loads with it, on a desktop that refuses every printer, so the fields
// it fills are checked without printing.
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "Verifica.h"
#include "common/Date.h"
#include "common/Stringhe.h"
#include "core/FormTaccuvo.h"

namespace {

class SenzaStampanti : public Taccuvo::Piattaforma {
public:
    int MsgBox(const QString&, int, const QString&) override { return Msg::No; }
    void Avviso(const QString&, const QString&) override {}
    void Scrivi(const QString&) override {}
    void ScriviErrore(const QString&) override {}
    QString SalvaFile(const QString&, const QString&, const QString&) override { return {}; }
    void ElaboraEventi() override {}
    QDate Oggi() override { return QDate(2026, 12, 7); }
    void Termina(int c) override { codice = c; }
    QStringList Stampanti() override { return {}; }
    QString StampantePredefinita() override { return {}; }
    Taccuvo::Documento ApriStampante(const QString&, QString& errore) override {
        ++aperture;
        errore = QStringLiteral("nessuna");
        return {};
    }
    Taccuvo::Documento ApriPdf(const QString& file, QString& errore) override {
        ++aperture;
        // The name made from the destination stays in the working folder.
        VERIFICA(file == pdf || QFileInfo(file).absolutePath() == QDir::currentPath());
        errore = QStringLiteral("nessuna");
        return {};
    }
    QString pdf;
    int aperture = 0;
    int codice = -1;
};

void VerificaData(const Taccuvo::DataAvvio& d) {
    if (!d.Valida) return;
    VERIFICA(d.Anno >= 1901 && d.Anno <= 2099 && d.Mese >= 1 && d.Mese <= 12);
    VERIFICA(d.Giorno >= 1 && d.Giorno <= GiorniMese(d.Anno, d.Mese));
    // A valid date survives the day numbers.
    const QString data = Gma2Data(d.Giorno, d.Mese, d.Anno);
    VERIFICA(Giu2Datas(Data2Giul(data)) == data);
}

void VerificaElenco(const Taccuvo::Elenco& e) {
    VERIFICA(e.Voci.contains(e.Text));
}

} // namespace

namespace {
// The marker file lands in the working folder: a temporary one while the
// window module runs, in memory where the system offers it, as it is written
// at every input. The fuzzer's own folders are named relative to the folder
// it started in, which is back in place when the input is done.
class CartellaDiLavoro {
public:
    CartellaDiLavoro() : iniziale_(QDir::currentPath()) { QDir::setCurrent(Temporanea().path()); }
    ~CartellaDiLavoro() { QDir::setCurrent(iniziale_); }

private:
    static QTemporaryDir& Temporanea() {
        static QTemporaryDir cartella(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/fuzz_taccuvo-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/fuzz_taccuvo-XXXXXX"));
        return cartella;
    }
    QString iniziale_;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const QByteArray byte(reinterpret_cast<const char*>(dati), qsizetype(dimensione));
    QStringList argomenti;
    for (const QByteArray& riga : byte.split('\n'))
        argomenti.append(QString::fromUtf8(riga));
    if (byte.isEmpty()) argomenti.clear();

    const Taccuvo::Argomenti a = Taccuvo::LeggiArgomenti(argomenti);
    if (!a.Errore.isEmpty() || a.Aiuto) return 0;
    VERIFICA(a.FilePdf.isEmpty() || !a.ParametriAvvio.trimmed().isEmpty());

    const Taccuvo::ParametriStampa p = Taccuvo::SeparaParametriAvvio(a.ParametriAvvio);
    VERIFICA(p.Destinazione.size() <= Taccuvo::LunghezzaMassimaDestinazione);
    VERIFICA(!p.Destinazione.contains(u','));
    VERIFICA(p.Destinazione == p.Destinazione.trimmed());
    VerificaData(p.Inizio);
    VerificaData(p.Fine);
    VERIFICA(p.Errore.isEmpty() == (p.Inizio.Valida && p.Fine.Valida));
    if (a.ParametriAvvio.isEmpty()) return 0;

    CartellaDiLavoro cartella;
    SenzaStampanti piattaforma;
    piattaforma.pdf = a.FilePdf;
    Taccuvo::FormTaccuvo form(piattaforma, QStringLiteral("Taccuvo"));
    form.form_load(a.ParametriAvvio, a.FilePdf);
    // Started with arguments it always ends, and only a period of two real
    // dates that it may print unasked reaches the printer.
    VERIFICA(piattaforma.codice == 1);
    for (const Taccuvo::Elenco* e :
         {&form.cmbg1, &form.cmbm1, &form.cmba1, &form.cmbg2, &form.cmbm2, &form.cmba2})
        VerificaElenco(*e);
    VERIFICA(form.txtLocalita.Text == p.Destinazione);
    const float inizio = Data2Giul(Gma2Data(form.cmbg1.Text, form.cmbm1.Text, form.cmba1.Text));
    const float fine = Data2Giul(Gma2Data(form.cmbg2.Text, form.cmbm2.Text, form.cmba2.Text));
    const bool stampabile = p.Errore.isEmpty() && inizio <= fine && fine - inizio < 366;
    VERIFICA(piattaforma.aperture == (stampabile ? 1 : 0));
    if (p.Inizio.Valida)
        VERIFICA(form.cmbg1.Text.toInt() == p.Inizio.Giorno && form.cmba1.Text.toInt() == p.Inizio.Anno);
    return 0;
}
