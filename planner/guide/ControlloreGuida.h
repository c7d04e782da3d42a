#pragma once
// The city guide: its types, the list of the open trip's localities with
// their entries on the main grid, and adding, changing and deleting entries.
#include <QString>
#include <array>

#include "shell/Controlli.h"

class FinestraComune;

class ControlloreGuida {
public:
    // frmGuida: the window's panel the entry fields stand on; cmbGTipo,
    // cmbGH, cmbGM: its type, hours and minutes lists, which the trip
    // screen fills with its own lists.
    ControlloreGuida(FinestraComune& finestra, Pannello& frmGuida, Elenco& cmbGTipo, Elenco& cmbGH,
                     Elenco& cmbGM);
    // The panel's controls, registered on it, and their handlers.
    void CreaPannello();
    void CollegaEventi();

    // The guide list is on the main grid.
    bool ModoGuida = false;
    // Guide types by numeric code, 1..10 (0 unused).
    std::array<QString, 11> DescrizioneTipoGuida;
    std::array<bool, 11> TempoObbligatorioTipoGuida{};

    Etichetta lblGLocalita, lblGTipo, lblGDescrizione, lblGTempo;
    CasellaTesto txtGLocalita, txtGDescrizione;
    // The entry's closing days (lun,mar,...) and opening hours (hh:mm).
    Etichetta lblGChiuso, lblGDalle, lblGAlle;
    CasellaTesto txtGChiuso, txtGDalle, txtGAlle;
    Pulsante cmdSalvaRiga, cmdCancellaRiga, cmdFind, cmdFineInserimento;

    // Reads "TipoGuida" into the arrays and the type list.
    void CaricaTipiGuida();
    // The code 1..10 of a type description, 0 when none has it.
    int CodiceTipoGuida(const QString& descrizione) const;
    // Every entry's visited flag back to "0", in one transaction.
    void SettaAZeroFlaGVisto();
    // The entry fields from the grid's current row.
    void InserisciGuida();

    void cmdGuidaCitta_Click();
    void CmdSalvaRiga_Click();
    void cmdCancellaRiga_Click();
    void cmdFind_Click();
    void cmdFineInserimento_Click();

private:
    void CreaLaListadellaGuida();
    void CercaLocalitaGuida();
    // The list built again after a change, where it was scrolled.
    void RifaiLista();

    FinestraComune& finestra_;
    Pannello& frmGuida_;
    Elenco& cmbGTipo_;
    Elenco& cmbGH_;
    Elenco& cmbGM_;
};
