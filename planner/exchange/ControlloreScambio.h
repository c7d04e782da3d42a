#pragma once
// The exchange screen: the database's or a file's trips on one list, the
// chosen ones on the other, the move-all buttons under them, the command
// button and the way back; then the export or import of the chosen ones.
#include <QString>
#include <deque>

#include "shell/Controlli.h"

class FinestraComune;

class ControlloreScambio {
public:
    // frmExport: the window's panel the screen is drawn on.
    ControlloreScambio(FinestraComune& finestra, Pannello& frmExport);
    // The screen's controls, registered on the panel, and their handlers.
    void CreaPannello();
    void CollegaEventi();

    std::deque<Etichetta> lblImExp; // captions of the two lists
    std::deque<Griglia> mfgImExp;   // 0 and 1
    std::deque<Pulsante> cmdTutto;  // 0 moves list 0 into list 1, 1 the reverse
    Pulsante cmdImExp;              // "Esporta" / "Importa"
    Pulsante cmdRinuncia;

    enum class Modo { Esportazione, Importazione };
    Modo ModoScambio() const { return modo_; }
    // The list the command writes or imports: list 1 when exporting, list 0
    // when importing.
    int ListaSelezione() const { return modo_ == Modo::Esportazione ? 1 : 0; }
    // The file whose trips list 1 shows while importing.
    const QString& FileImport() const { return fileImport_; }

    void cmdExport_Click();
    void cmdImport_Click();
    void mfgImExp_Click(int Index);
    void cmdTutto_Click(int Index);
    void cmdImExp_Click();
    void EsciExportImport();

private:
    void PreparaExportImport();
    void TrasferisceMetaImportExport(int Index);
    void AggiornaPulsantiImportExport();
    void Esporta();
    void Importa();
    // "NuImEs" without a current trip, every command with one.
    void OffriComandiMeta();

    FinestraComune& finestra_;
    Pannello& frmExport_;
    Modo modo_ = Modo::Esportazione;
    QString fileImport_;
};
