#pragma once
// The city guide of the database as the timetable engine sees it: the
// localities' times through one guide pass (the visited flags it leaves are
// written by ScriviVisti), and each locality's entries, read once per run.
#include <QHash>

#include "guide/PassaggioGuida.h"
#include "timetable/CalcoloTabellaDiMarcia.h"

class Database;

class GuidaDatabase : public GuidaCalcolo {
public:
    // Build it inside the transaction that ScriviVisti ends.
    GuidaDatabase(Database& db, const QStringList& localita);
    double TempoLocalita(const QString& localita) override;
    const QList<VoceGuida>& Voci(const QString& localita) override;
    void ScriviVisti() { passaggio_.ScriviVisti(); }

private:
    Database& db_;
    PassaggioGuida passaggio_;
    QHash<QString, QList<VoceGuida>> voci_; // by locality pattern
};
