// Draws the planner's main window into PNG files, without a display:
//   viandora-schermata file.png [data folder]
//     the window as it starts (on an empty temporary folder by default);
//   viandora-schermata --schermi folder
//     a sample trip on a temporary folder, drawn on four screens: the trip
//     (viaggio.png), the stage editor (itinerario.png), the timetable
//     (tabella.png) and the city guide (guida.png); and the timetable's
//     day-by-day summary (riepilogo.png).
// The window takes the size it starts with on the screen it is drawn for.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "app/DialogoTabella.h"
#include "app/FinestraViandora.h"
#include "app/PiattaformaQt.h"
#include "guide/ControlloreGuida.h"

namespace {

// Every question answered yes, every message taken as read: the sample trip
// is built through the window's own commands.
class PiattaformaSchermata : public PiattaformaQt {
public:
    int MsgBox(const QString&, int pulsanti, const QString&) override {
        return (pulsanti & 7) == Msg::OkOnly ? Msg::Ok : Msg::Yes;
    }
    QDateTime Adesso() override { return QDateTime(QDate(2007, 6, 10), QTime(9, 0)); }
    // A table is drawn into this file rather than shown.
    QWidget* finestra = nullptr;
    QString fileTabella;
    bool tabellaScritta = false;
    void MostraTabella(const QString& titolo, const QStringList& intestazioni,
                       const QList<QStringList>& righe, const QList<int>& evidenziate) override {
        std::unique_ptr<QDialog> dialogo(
            CreaDialogoTabella(finestra, titolo, intestazioni, righe, evidenziate));
        dialogo->show();
        QApplication::processEvents();
        tabellaScritta = dialogo->grab().save(fileTabella, "PNG", 0);
    }
};

bool Disegna(FinestraViandora& finestra, const QString& file) {
    finestra.Aggiorna();
    QApplication::processEvents();
    // The strongest compression: the pictures live in the repository.
    if (!finestra.grab().save(file, "PNG", 0)) {
        std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(file));
        return false;
    }
    return true;
}

void ScriviTappa(FormViandora& f, const QString& localita, const QString& strada, const QString& km,
                 const QString& tipo, const QString& sosta, bool fine = false) {
    f.txtTappa.Text = localita;
    f.txtStrada.Text = strada;
    f.txtKm.Text = km;
    f.cmbTipoStrada.SetText(tipo);
    for (int k = 0; k < 3; ++k)
        f.cmbSosta[k].SetText(sosta.mid(3 * k, 2));
    f.chkFineGiornata.Value = fine;
    f.Click(QStringLiteral("cmdInserisce"));
}

int Schermi(const QString& cartellaPng) {
    QTemporaryDir temporanea;
    PiattaformaSchermata piattaforma;
    FormViandora f(piattaforma, temporanea.path() + u'/');
    if (!f.Form_Load()) return 1;
    FinestraViandora finestra(f);
    piattaforma.ImpostaFinestra(&finestra);
    piattaforma.finestra = &finestra;
    finestra.Centra();
    finestra.show();
    QDir().mkpath(cartellaPng);
    const QDir cartella(cartellaPng);

    f.Click(QStringLiteral("cmdNuovo"));
    f.txtLocalita.Text = QStringLiteral("FIRENZE");
    f.txtNazione.Text = QStringLiteral("ITALIA");
    f.cmbInizio[0].SetText(QStringLiteral("15"));
    f.cmbInizio[1].SetText(QStringLiteral("06"));
    f.cmbInizio[2].SetText(QStringLiteral("2007"));
    f.cmbInizio[3].SetText(QStringLiteral("08"));
    f.cmbInizio[4].SetText(QStringLiteral("00"));
    f.cmbMediaKm[0].SetText(QStringLiteral("110"));
    f.Click(QStringLiteral("cmdSalva"));

    f.Click(QStringLiteral("cmdItinerario"));
    const QStringList tappe = {
        "MILANO||||",        "PIACENZA|A1|68|A|",         "PARMA|A1|62|A|00:01:00",
        "BOLOGNA|A1|96|A|*", "FIRENZE|A1|107|A|01:00:00", "SIENA|RA3|76|S|00:02:00",
        "AREZZO|SS73|63|P|", "PERUGIA|E45|78|S|00:03:00", "ASSISI|SS75|26|P|*",
        "ROMA|A1|177|A|",
    };
    for (const QString& t : tappe) {
        const QStringList c = t.split(u'|');
        const QString sosta = c[4].startsWith(u'*') ? c[4].mid(1) : c[4];
        ScriviTappa(f, c[0], c[1], c[2],
                    c[3] == QLatin1String("A")   ? QStringLiteral("Autostrada")
                    : c[3] == QLatin1String("S") ? QStringLiteral("SuperStrada")
                    : c[3] == QLatin1String("P") ? QStringLiteral("Principale")
                                                 : QString(),
                    sosta.isEmpty() ? QStringLiteral("00:00:00") : sosta, c[4].startsWith(u'*'));
    }
    f.Click(QStringLiteral("cmdMemorizza"));
    f.mfgTab.Row = 5;
    f.Click(QStringLiteral("mfgTab"));
    if (!Disegna(finestra, cartella.filePath(QStringLiteral("itinerario.png")))) return 1;
    f.Click(QStringLiteral("cmdFine"));

    // Guide entries for Florence, entered on the guide screen.
    f.Click(QStringLiteral("cmdGuidaCitta"));
    const struct {
        const char* tipo;
        const char* descrizione;
        const char* ore;
    } voci[] = {{"Ottimo", "Galleria degli Uffizi", "03"},
                {"Da vedere", "Duomo e Battistero", "02"},
                {"Punto Sosta", "Area camper Villa Costanza (A1)", "00"}};
    for (const auto& v : voci) {
        for (int r = 1; r < f.mfgTab.Rows(); ++r)
            if (f.mfgTab.TextMatrix(r, 1) == QLatin1String("FIRENZE")) {
                f.mfgTab.Row = r;
                break;
            }
        f.Click(QStringLiteral("mfgTab"));
        f.cmbGTipo.SetText(QString::fromUtf8(v.tipo));
        f.Guida.txtGDescrizione.Text = QString::fromUtf8(v.descrizione);
        f.cmbGH.SetText(QString::fromLatin1(v.ore));
        f.cmbGM.SetText(QStringLiteral("00"));
        f.Click(QStringLiteral("cmdSalvaRiga"));
    }
    if (!Disegna(finestra, cartella.filePath(QStringLiteral("guida.png")))) return 1;
    f.Click(QStringLiteral("cmdFineInserimento"));
    if (!Disegna(finestra, cartella.filePath(QStringLiteral("viaggio.png")))) return 1;

    f.Click(QStringLiteral("cmdCalcola"));
    if (!Disegna(finestra, cartella.filePath(QStringLiteral("tabella.png")))) return 1;
    piattaforma.fileTabella = cartella.filePath(QStringLiteral("riepilogo.png"));
    f.Click(QStringLiteral("cmdRiepilogo"));
    if (!piattaforma.tabellaScritta) {
        std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(piattaforma.fileTabella));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The same look on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QStringList argomenti = QApplication::arguments();
    if (argomenti.size() < 2) {
        std::fprintf(stderr, "uso: viandora-schermata file.png [cartella dati]\n"
                             "     viandora-schermata --schermi cartella\n");
        return 2;
    }
    // Start-up makes the data folder the current one: names given relative
    // to the caller's folder are made whole first.
    if (argomenti[1] == QLatin1String("--schermi"))
        return Schermi(QDir(argomenti.size() > 2 ? argomenti[2] : QStringLiteral(".")).absolutePath());
    const QString png = QFileInfo(argomenti[1]).absoluteFilePath();

    QTemporaryDir temporanea;
    QString cartella = argomenti.size() > 2 && !argomenti[2].isEmpty() ? argomenti[2] : temporanea.path();
    if (!cartella.endsWith(QLatin1Char('/'))) cartella += QLatin1Char('/');

    PiattaformaQt piattaforma;
    FormViandora form(piattaforma, cartella);
    if (!form.Form_Load()) return 1;
    FinestraViandora finestra(form);
    piattaforma.ImpostaFinestra(&finestra);
    finestra.Centra();
    finestra.show();
    return Disegna(finestra, png) ? 0 : 1;
}
