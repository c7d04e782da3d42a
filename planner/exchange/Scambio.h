#pragma once
// Trip exchange: writing chosen trips with their stages and the whole city
// guide to an exchange file, and adding chosen trips of such a file to the
// database. Plain functions over the database, used by the exchange screen
// and by viandora-cli.
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include "common/Avanzamento.h"
#include "database/Database.h"
#include "exchange/FileScambio.h"

struct EsitoEsportazione {
    int mete = 0;
    int tappe = 0;
    int voci = 0;
    // Values written otherwise than stored (separators, line breaks,
    // characters outside the code page); the database keeps them as they are.
    int valoriModificati = 0;
};

// Writes the trips of the given codes, in that order (a code listed twice is
// written once), their stages and every guide entry to the file, through a
// temporary file renamed at the end. False with an Italian message when the
// file cannot be written; an existing file is then left as it was.
bool EsportaMete(Database& db, const QStringList& codici, const QString& percorso, Avanzamento* avanzamento,
                 EsitoEsportazione& esito, QString& errore);

// The code each chosen file trip will have: its own unless a stored trip has
// it (or it is not a six-digit code); otherwise the next number after the
// highest stored code that neither a stored trip nor another chosen trip
// has, six digits. In the order of scelti.
QVector<QPair<QString, QString>> AssegnaCodiciImportazione(const QStringList& codiciArchivio,
                                                           const QStringList& scelti);

struct RiepilogoImportazione {
    int mete = 0;
    int tappe = 0;
    int voci = 0;
    int meteScartate = 0;
    int vociScartate = 0;
    // Values longer than their field, stored cut to its size.
    int valoriTagliati = 0;
    // Guide entries left out because no stored itinerary reaches their
    // locality.
    int vociNonRaggiunte = 0;
    // Stops and visit times with a minus sign, stored as none.
    int sosteNegative = 0;
    // File code -> stored code of every trip added.
    QVector<QPair<QString, QString>> codici;
};

// Adds the chosen trips of an exchange file (by file code, in list order),
// their stages and the guide entries of the localities the stored
// itineraries reach, skipping trips whose locality is stored already and
// guide entries stored already. The file is read a line at a time, each
// record added as it comes. One transaction: on ErroreDatabase (a write that
// fails, or a file that turns out unreadable) nothing has changed.
RiepilogoImportazione ImportaMete(Database& db, const QString& percorso, const QStringList& scelti,
                                  Avanzamento* avanzamento);

// The summary shown at the end of an import, lines joined by CR LF.
QString TestoRiepilogoImportazione(const RiepilogoImportazione& r);

// Columns of the two lists.
enum ColonnaScambio { ColNumero = 0, ColLocalita = 1, ColNazione = 2, ColCodice = 3 };
