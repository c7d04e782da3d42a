#pragma once
// The columns of each grid set-up of the window (FormViandora::ImpostaGriglia).
// The timetable's own columns are in model/ColonneTabella.h.

// The stage grid (the itinerary matrix) and the prepared stage table, which
// keeps its columns.
enum ColonnaTappa : int {
    TappaNumero = 0,
    TappaLocalita = 1,
    TappaStrada = 2,
    TappaKm = 3,
    TappaTipoStrada = 4,
    TappaKmProgressivi = 5,
    TappaTempo = 6,
    TappaSosta = 7, // "gg:hh:mm", a leading "*" for the end of the day
    TappaGuida = 8, // the locality's guide time
    // Working columns of the prepared table.
    TappaFineGiornata = 14, // "1" when the day ends after the stop
    TappaSostaItinerario = 15,
    TappaSostaGuida = 16,
    TappaSostaApplicata = 17, // scaled by every pass
    // The stage's fixed times, carried with its row until it is stored: the
    // ferry's stored texts joined by "|", the booked night's ggmmaaaa.
    TappaTraghetto = 18,
    TappaNottePrenotata = 19,
    ColonneMatrice = 20,
};

// The guide list: a row per locality, then a row per entry of it.
enum ColonnaGuida : int {
    GuidaNumero = 0,
    GuidaLocalita = 1,
    GuidaSostaTappa = 2, // the locality's stop in the itinerary
    GuidaDescrizione = 3,
    GuidaTempo = 4,
    GuidaTipo = 5,
    GuidaNascosta = 6, // empty, without width
    GuidaVoce = 8,     // "1" on the rows of stored entries
};

// The copy grid's lists.
enum ColonnaTappaMeta : int {
    TappaMetaNumero = 0,
    TappaMetaLocalita = 1,
    TappaMetaStrada = 2,
    TappaMetaKm = 3,
    TappaMetaTipo = 4,
    TappaMetaSosta = 5,
    ColonneTappeMeta = 6,
};
enum ColonnaMeta : int {
    MetaNumero = 0,
    MetaLocalita = 1,
    MetaNazione = 2,
    MetaCodice = 3,
    ColonneMete = 4,
};
