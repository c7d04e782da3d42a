// The window module put together: every subsystem's state, the controls and
// the events. The one place that knows all the subsystems' headers.
#include "exchange/Scambio.h"
#include "guide/Guida.h"
#include "itinerary/CopiaTratto.h"
#include "printing/Stampa.h"
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/Meta.h"

struct FormViandora::StatiSottosistemi {
    StatoMeta Meta;
    StatoItinerario Itinerario;
    StatoGuida Guida;
    StatoCopiaTratto CopiaTratto;
    StatoTabellaDiMarcia TabellaDiMarcia;
    StatoScambio Scambio;
    StatoStampa Stampa;
};

FormViandora::FormViandora(Piattaforma& piattaforma, const QString& cartellaProgramma)
    : stati_(std::make_unique<StatiSottosistemi>()), CartellaProgramma(cartellaProgramma), Meta(stati_->Meta),
      Itinerario(stati_->Itinerario), Guida(stati_->Guida), CopiaTratto(stati_->CopiaTratto),
      TabellaDiMarcia(stati_->TabellaDiMarcia), Scambio(stati_->Scambio), Stampa(stati_->Stampa),
      piattaforma_(piattaforma) {
    Caption = QStringLiteral("Quintora 2.00 - 2005");
    for (int k = 0; k < 3; ++k)
        cmbSosta.emplace_back();
    CreaControlli();
    CreaSchermoMeta();
    CreaPannelloGuida();
    CreaPannelloInserimento();
    CreaPulsantiAiuto();
    CreaPannelloCopia();
    CreaPannelloScambio();
    CreaPannelliStampa();
    CollegaEventi();
}

FormViandora::~FormViandora() = default;
