#pragma once
// The stage editor's controls: the entry panel with its fields and the
// itinerary commands, the stage's fixed times, the locality search list and
// the copy grid with its panels. The window holds them; the itinerary's
// controller works them.
#include <deque>

#include "shell/Controlli.h"

struct ControlliItinerario {
    Pannello frmInputBox;
    Etichetta lblInsTappa, lblInsStrada, lblInsKm, lblInsTipoStrada, lblInsSosta, lblInsRiga;
    CasellaTesto txtTappa, txtStrada, txtKm, txtRiga;
    CasellaTesto txtKmProgressivi;
    CasellaSpunta chkFineGiornata, chkProgressivo;
    // The stop (days, hours, minutes) and the road type; the trip screen
    // fills the stop's lists with its own.
    std::deque<Elenco> cmbSosta;
    Elenco cmbTipoStrada;
    Pulsante cmdInserisce, cmdAggiunge, cmdCancella, cmdRicalcola, cmdRitorno, cmdCerca;
    Pulsante cmdFine, cmdMemorizza, cmdDuplica, cmdAzzeraSoste, cmdTrasferisce, cmdMapPoint;

    // The stage's fixed times: a ferry's departures (enabled for a road
    // holding "TRAGH") and a booked night, kept in the row's working columns.
    Pannello frmTraghetto;
    Etichetta lblPartenze, lblGiorniTraghetto, lblDurata, lblAnticipo, lblCostoTraghetto, lblNottePrenotata;
    CasellaTesto txtPartenze, txtGiorniTraghetto, txtDurata, txtAnticipo, txtCostoTraghetto,
        txtNottePrenotata;

    // The grid's localities, to select one.
    Elenco cmbRicercaTappa;
    // Stages of other trips: the list of trips or the chosen trip's stages,
    // and the stretch panel beside it. Under a calculated timetable the copy
    // grid keeps the stage list.
    Pannello frmPercorso, frmLista;
    Griglia mfgCopia;
};
