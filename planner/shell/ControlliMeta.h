#pragma once
// The trip screen's controls: the heading with code, destination and
// country, the period, the speeds and totals, the daily times and rests, the
// vehicle panel and the trip search list. The window holds them; the trip
// screen's controller works them.
#include <deque>

#include "shell/Controlli.h"

struct ControlliMeta {
    Pannello frmMetaIntesta, frmMetePeriodo, frmMeteVelocita, frmMeteTempi;
    Pannello frmMeteInizio, frmMeteFine;
    Etichetta lblCodice, lblLocalita, lblNazione;
    CasellaTesto txtCodice, txtLocalita, txtNazione;
    std::deque<Elenco> cmbInizio;     // 0 day, 1 month, 2 year, 3 hour, 4 minutes
    std::deque<CasellaTesto> txtFine; // end of trip: 0 day, 1 month, 2 year, 3 hour, 4 minutes, 5 weekday
    CasellaTesto txtInizioGSett;
    // Length of the trip in days, as the last calculation counted it.
    CasellaTesto txtGiorni;
    std::deque<Elenco> cmbMediaKm; // 0 motorway, 1 dual carriageway, 2 main road, 3 local road
    std::deque<Etichetta> lblTipoStrada;
    std::deque<CasellaTesto> txtKmTot; // 0..3 per road type, 4 overall
    std::deque<CasellaTesto> txtTempo; // likewise
    Etichetta lblKmh, lblKm, lblTempo, lblTotale, lblTragh;
    CasellaTesto txtTragh;
    std::deque<Elenco> cmbOra; // 0..8 hours of the daily times
    std::deque<Elenco> cmbMin; // 0..8 their minutes
    Etichetta lblMetePauseColaz, lblMetePausaPranzo, lblMetePausaCena, lblMetePauseNotte;
    Etichetta lblTraghetto, lblDurataPranzo, lblDurataCena, lblVisite, lblVisiteAlle;
    Elenco cmbRipM, cmbRipH, cmbRipG, cmbRipGG, cmbGiorni, cmbSoste;
    Etichetta lblRipM, lblRipH, lblRipG, lblRipGG, lblGiorni, lblDefault;
    std::deque<Pulsante> cmdDefault; // 0 save, 1 load, 2 restore

    // The trip's vehicle and costs, below the commands.
    Pannello frmVeicolo;
    std::deque<Etichetta> lblVeicolo;
    // 0 consumption l/100 km, 1 tank l, 2 reserve l, 3 fuel price, 4 motorway
    // toll per km, 5 one night, 6 one ferry crossing, 7 most driving (hh:mm).
    std::deque<CasellaTesto> txtVeicolo;

    // The stored trips' destinations, to open one.
    Elenco cmbRicerca;
};
