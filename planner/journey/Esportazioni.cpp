#include "journey/Esportazioni.h"

#include <QTimeZone>
#include <cstdlib>
#include <libical/ical.h>

#include "common/Date.h"
#include "common/Stringhe.h"
#include "model/TestiCalcolo.h"

namespace {

const char* const NomeProdotto = "-//Viandora//Viandora//IT";

struct Momento {
    float Giorno = 0;
    int Minuti = 0; // from the day's midnight; may fall outside the day
};

// The clock of a row as the timetable shows it, in minutes.
int MinutiMostrati(float centesimi) {
    const QString hhmm = OraTesto(centesimi);
    return hhmm.isEmpty() ? 0 : hhmm.left(2).toInt() * 60 + hhmm.right(2).toInt();
}

icaltimetype Ora(Momento m) {
    while (m.Minuti < 0) {
        m.Minuti += 24 * 60;
        m.Giorno -= 1;
    }
    m.Giorno += float(m.Minuti / (24 * 60));
    m.Minuti %= 24 * 60;
    int g = 0, mese = 0, a = 0;
    Giul2Data(m.Giorno, g, mese, a);
    icaltimetype t = icaltime_null_time();
    t.year = a;
    t.month = mese;
    t.day = g;
    t.hour = m.Minuti / 60;
    t.minute = m.Minuti % 60;
    return t;
}

icaltimetype Data(float giorno) {
    int g = 0, m = 0, a = 0;
    Giul2Data(giorno, g, m, a);
    icaltimetype t = icaltime_null_date();
    t.year = a;
    t.month = m;
    t.day = g;
    return t;
}

QByteArray Utf8(const QString& testo) {
    return testo.toUtf8();
}

QString Nome(const QString& localita) {
    return PrimoMaiuscolo(localita.trimmed());
}

struct Componente {
    icalcomponent* c;
    ~Componente() {
        if (c) icalcomponent_free(c);
    }
};

void Testo(icalcomponent* evento, icalproperty* (*nuova)(const char*), const QString& testo) {
    icalcomponent_add_property(evento, nuova(Utf8(testo).constData()));
}

void Orario(icalcomponent* evento, icalproperty* (*nuova)(icaltimetype), Momento m, const QByteArray& fuso) {
    icalproperty* p = nuova(Ora(m));
    icalproperty_add_parameter(p, icalparameter_new_tzid(fuso.constData()));
    icalcomponent_add_property(evento, p);
}

icalcomponent* Evento(const QString& uid, const QString& sommario, const QString& descrizione) {
    icalcomponent* e = icalcomponent_new_vevent();
    Testo(e, icalproperty_new_uid, uid);
    icalcomponent_add_property(
        e, icalproperty_new_dtstamp(icaltime_current_time_with_zone(icaltimezone_get_utc_timezone())));
    Testo(e, icalproperty_new_summary, sommario);
    if (!descrizione.isEmpty()) Testo(e, icalproperty_new_description, descrizione);
    return e;
}

QString Note(const TabellaCalcolata& t, int r) {
    const std::array<QString, ColonneMarcia> celle = t.Celle(r);
    QStringList parti;
    if (!celle[MarciaNote].isEmpty()) parti << celle[MarciaNote];
    if (!celle[MarciaLimite].isEmpty()) parti << QStringLiteral("Limite ") + celle[MarciaLimite];
    return parti.join(QStringLiteral("; "));
}

} // namespace

bool FusoConosciuto(const QString& fuso) {
    if (fuso.isEmpty() || !fuso.contains(u'/')) return false;
    return icaltimezone_get_builtin_timezone(Utf8(fuso).constData()) != nullptr;
}

QString FusoCalendario(const QString& richiesto) {
    if (!richiesto.isEmpty()) return richiesto;
    // A system on universal time (a server, a container) says nothing of
    // where the trip goes.
    const QString sistema = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    return FusoConosciuto(sistema) && !sistema.startsWith(QLatin1String("Etc/"))
               ? sistema
               : QStringLiteral("Europe/Rome");
}

QByteArray CalendarioIcs(const TabellaCalcolata& t, const Riepilogo& rp, const QString& fuso) {
    const QByteArray tzid = Utf8(fuso);
    Componente calendario{icalcomponent_vanew(
        ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"), icalproperty_new_prodid(NomeProdotto),
        icalproperty_new_calscale("GREGORIAN"), static_cast<void*>(nullptr))};
    const QString meta = Nome(t.Meta.Localita).isEmpty() ? t.Meta.CodiceMeta : Nome(t.Meta.Localita);
    icalproperty* nome = icalproperty_new_x(Utf8(meta).constData());
    icalproperty_set_x_name(nome, "X-WR-CALNAME");
    icalcomponent_add_property(calendario.c, nome);
    icalproperty* zona = icalproperty_new_x(tzid.constData());
    icalproperty_set_x_name(zona, "X-WR-TIMEZONE");
    icalcomponent_add_property(calendario.c, zona);

    // The zone's rules for the years of the trip, under its plain name.
    if (icaltimezone* tz = icaltimezone_get_builtin_timezone(tzid.constData())) {
        icalcomponent* vtz = icalcomponent_new_clone(icaltimezone_get_component(tz));
        icalproperty_set_tzid(icalcomponent_get_first_property(vtz, ICAL_TZID_PROPERTY), tzid.constData());
        if (!rp.Giorni.isEmpty()) {
            icaltimetype da = Data(rp.Giorni.first().Giorno - 1);
            icaltimetype a = Data(rp.Giorni.last().Giorno + 2);
            da.is_date = a.is_date = 0;
            icaltimezone_truncate_vtimezone(vtz, da, a, 0);
        }
        icalcomponent_add_component(calendario.c, vtz);
    }

    const QString codice = t.Meta.CodiceMeta.isEmpty() ? QStringLiteral("000000") : t.Meta.CodiceMeta;
    auto uid = [&](int r, const char* tipo) {
        return QStringLiteral("%1-%2-%3@viandora").arg(codice).arg(r).arg(QLatin1String(tipo));
    };
    const int righe = qMin(int(t.Righe.size()), t.RigheTabella);
    int arrivo = -1; // the last stretch's row, where a stop begins
    for (int r = 1; r < righe; ++r) {
        const RigaMarcia& riga = t.Righe.at(r);
        if (riga.Tipo == TipoRigaMarcia::Tratto) {
            arrivo = r;
            if (riga.Km <= 0) continue;
            const Momento fine{riga.Giorno, MinutiMostrati(riga.Ora)};
            const Momento inizio{riga.Giorno, fine.Minuti - MinutiMostrati(riga.Tempo)};
            const QString sommario = (riga.Verso ? QStringLiteral("verso ") : QString()) +
                                     Nome(riga.Localita) + QStringLiteral(" → ") + riga.Strada +
                                     QStringLiteral(", %1 km").arg(riga.Km);
            icalcomponent* e = Evento(uid(r, "tratto"), sommario, Note(t, r));
            Orario(e, icalproperty_new_dtstart, inizio, tzid);
            Orario(e, icalproperty_new_dtend, fine, tzid);
            icalcomponent_add_component(calendario.c, e);
        } else if (riga.Tipo == TipoRigaMarcia::Imbarco && arrivo >= 0) {
            // The wait at the port, to the check-in.
            const RigaMarcia& prima = t.Righe.at(arrivo);
            icalcomponent* e =
                Evento(uid(r, "imbarco"), QStringLiteral("Imbarco a ") + Nome(riga.Localita), Note(t, r));
            Orario(e, icalproperty_new_dtstart, {prima.Giorno, MinutiMostrati(prima.Ora)}, tzid);
            Orario(e, icalproperty_new_dtend, {riga.Giorno, MinutiMostrati(riga.Ora)}, tzid);
            Testo(e, icalproperty_new_location, Nome(riga.Localita));
            icalcomponent_add_component(calendario.c, e);
        } else if (riga.Tipo == TipoRigaMarcia::Sosta && arrivo >= 0) {
            const RigaMarcia& prima = t.Righe.at(arrivo);
            const Momento inizio{prima.Giorno, MinutiMostrati(prima.Ora)};
            const Momento fine{riga.Giorno, MinutiMostrati(riga.Ora)};
            icalcomponent* e =
                Evento(uid(r, "sosta"), QStringLiteral("Sosta a ") + Nome(riga.Localita), Note(t, r));
            Orario(e, icalproperty_new_dtstart, inizio, tzid);
            Orario(e, icalproperty_new_dtend, fine, tzid);
            Testo(e, icalproperty_new_location, Nome(riga.Localita));
            icalcomponent_add_component(calendario.c, e);
        }
    }
    for (int d = 0; d < rp.Giorni.size(); ++d) {
        const GiornoRiepilogo& g = rp.Giorni.at(d);
        QString sommario = QStringLiteral("%1, giorno %2: %3 km, guida %4")
                               .arg(meta)
                               .arg(d + 1)
                               .arg(g.Km)
                               .arg(TestoMinuti(g.MinutiGuida));
        QStringList descrizione;
        if (!g.Notte.isEmpty()) descrizione << QStringLiteral("Notte: ") + g.Notte;
        descrizione << g.Avvisi;
        icalcomponent* e = Evento(QStringLiteral("%1-giorno-%2@viandora").arg(codice, g.Data()), sommario,
                                  descrizione.join(QStringLiteral("; ")));
        icalcomponent_add_property(e, icalproperty_new_dtstart(Data(g.Giorno)));
        icalcomponent_add_property(e, icalproperty_new_dtend(Data(g.Giorno + 1)));
        icalcomponent_add_property(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(calendario.c, e);
    }
    char* testo = icalcomponent_as_ical_string_r(calendario.c);
    const QByteArray ics(testo);
    free(testo);
    return ics;
}

QByteArray FoglioCsv(const TabellaCalcolata& t, const Riepilogo& rp) {
    auto campo = [](QString valore) {
        if (valore.contains(u',') || valore.contains(u'"') || valore.contains(u'\n') ||
            valore.contains(u'\r')) {
            valore.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            valore = u'"' + valore + u'"';
        }
        return valore;
    };
    QStringList righe;
    righe << QStringLiteral(
        "Numero,Località,Strada,Km,Tipo strada,Km progressivi,Tempo,Sosta,Guida,Giorno,Data,"
        "Ora,Note,Limite,Giorno del viaggio");
    for (int r = 1; r < t.RigheTabella; ++r) {
        std::array<QString, ColonneMarcia> celle = t.Celle(r);
        if (celle[MarciaLocalita].trimmed().isEmpty()) continue;
        const RigaMarcia& riga = t.Righe.at(r);
        if (!celle[MarciaData].isEmpty()) {
            int g = 0, m = 0, a = 0;
            Giul2Data(riga.Giorno, g, m, a);
            celle[MarciaData] = QStringLiteral("%1-%2-%3")
                                    .arg(a, 4, 10, QLatin1Char('0'))
                                    .arg(m, 2, 10, QLatin1Char('0'))
                                    .arg(g, 2, 10, QLatin1Char('0'));
        }
        if (riga.Tipo == TipoRigaMarcia::Tratto)
            celle[MarciaKmProgressivi] = QString::number(riga.KmProgressivi);
        QStringList campi;
        for (const QString& c : celle)
            campi << campo(c.trimmed());
        campi << QString::number(rp.GiornoRiga.value(r) + 1);
        righe << campi.join(u',');
    }
    return (righe.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
