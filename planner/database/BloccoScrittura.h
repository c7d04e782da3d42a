#pragma once
// One planner window writes a database at a time: the window holds an
// advisory lock on a file beside the database for as long as it runs. The
// system drops the lock with the process that holds it, however it ends, so a
// lock left by a killed window never blocks the next one.
#include <QString>

class BloccoScrittura {
public:
    enum class Esito {
        Preso,      // this window writes the database
        Occupato,   // another running window holds it
        Impossibile // no lock can be kept beside the file (a folder that cannot be written)
    };

    BloccoScrittura() = default;
    ~BloccoScrittura() { Rilascia(); }
    BloccoScrittura(const BloccoScrittura&) = delete;
    BloccoScrittura& operator=(const BloccoScrittura&) = delete;

    Esito Prendi(const QString& fileDatabase);
    void Rilascia();
    bool Preso() const { return fd_ >= 0; }

    // The file that carries the lock of a database: hidden, beside it.
    static QString FileBlocco(const QString& fileDatabase);

private:
    int fd_ = -1;
    QString percorso_;
};
