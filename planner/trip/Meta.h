#pragma once
// The trip on screen: its code, its checked parameters and the purpose the
// shared search list is open for.
#include <QString>
#include <QtGlobal>

#include "model/ParametriMeta.h"

struct StatoMeta {
    // Empty while no stored trip is on screen.
    QString CodiceMetaCorrente;
    ParametriMetaTipo ParametriMeta;
    // Purpose of the shared list-choice handler: 1 trip search, 2 locality
    // search, 3 and 4 copying stretches from other trips.
    qint16 ModoRicerca = 0;
};
