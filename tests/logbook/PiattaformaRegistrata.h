#pragma once
// A desktop for the logbook printer's tests: scripted answers, a fixed
// day, recording printers.
#include <QList>
#include <QPair>
#include <functional>
#include <memory>

#include "core/PiattaformaTaccuvo.h"
#include "support/PaginaRegistrata.h"

class PiattaformaRegistrata : public Taccuvo::Piattaforma {
public:
    struct Messaggio {
        QString testo;
        int pulsanti;
        QString titolo;
    };
    QList<Messaggio> messaggi;
    QStringList avvisi, uscita, errori;
    QList<int> risposte;       // Yes when none is left
    QStringList fileDaSalvare; // answers of the save dialog
    QStringList proposte;      // names the save dialog proposed
    QDate oggi = QDate(2026, 1, 31);
    QStringList stampanti;
    QString predefinita;
    QStringList aperti;                       // "stampante:NAME" or "pdf:FILE", in order
    std::shared_ptr<PaginaRegistrata> ultimo; // the last document opened
    bool rifiutaApertura = false;
    bool fineFallita = false;
    std::function<void()> suEventi;
    int eventi = 0;
    bool terminato = false;
    int codice = -1;

    int MsgBox(const QString& testo, int pulsanti, const QString& titolo) override {
        messaggi.append({testo, pulsanti, titolo});
        if (risposte.isEmpty()) return (pulsanti & 7) == Msg::OkOnly ? Msg::Ok : Msg::Yes;
        return risposte.takeFirst();
    }
    void Avviso(const QString& testo, const QString&) override { avvisi.append(testo); }
    void Scrivi(const QString& riga) override { uscita.append(riga); }
    void ScriviErrore(const QString& riga) override { errori.append(riga); }
    QString SalvaFile(const QString&, const QString&, const QString& proposta) override {
        proposte.append(proposta);
        return fileDaSalvare.isEmpty() ? QString() : fileDaSalvare.takeFirst();
    }
    void ElaboraEventi() override {
        ++eventi;
        if (suEventi) suEventi();
    }
    QDate Oggi() override { return oggi; }
    void Termina(int c) override {
        terminato = true;
        codice = c;
    }
    QStringList Stampanti() override { return stampanti; }
    QString StampantePredefinita() override { return predefinita; }
    Taccuvo::Documento Apri(const QString& cosa, QString& errore) {
        aperti.append(cosa);
        if (rifiutaApertura) {
            errore = QStringLiteral("stampante spenta");
            return {};
        }
        ultimo = std::make_shared<PaginaRegistrata>();
        ultimo->fineRiuscita = !fineFallita;
        return {ultimo, 287};
    }
    Taccuvo::Documento ApriStampante(const QString& nome, QString& errore) override {
        return Apri(QStringLiteral("stampante:") + nome, errore);
    }
    Taccuvo::Documento ApriPdf(const QString& file, QString& errore) override {
        return Apri(QStringLiteral("pdf:") + file, errore);
    }
};
