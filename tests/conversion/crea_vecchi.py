#!/usr/bin/env python3
"""Writes the old-format data files of vecchi/: fixed-length slots of
blank-padded Windows-1252 fields, as the earlier version kept them.
Run it again only to change them; the files themselves are what the tests read."""
import os

QUI = os.path.join(os.path.dirname(os.path.abspath(__file__)), "vecchi")


def campo(testo, larghezza):
    b = testo.encode("cp1252")
    assert len(b) <= larghezza, testo
    return b + b" " * (larghezza - len(b))


def slot(record, lunghezza, coda=b" "):
    """The record in its slot; coda fills the unused tail, None leaves it out."""
    if coda is None:
        return record
    return record + coda * (lunghezza - len(record))


def meta(loc, naz, data, ora, velocita, tempi, numero, riposi, visite):
    r = campo(loc, 30) + campo(naz, 19) + campo(data, 8) + campo(ora, 4)
    r += b"".join(campo(v, 3) for v in velocita)
    r += b"".join(campo(t, 4) for t in tempi)
    r += campo(numero, 4)
    r += b"".join(campo(x, 2) for x in riposi)
    r += b"".join(campo(v, 4) for v in visite)
    assert len(r) == 117
    return r


def tappa(localita, km="", tipo="", sosta=""):
    return campo(localita, 24) + campo(km, 3) + campo(tipo, 1) + campo(sosta, 6)


def intestazione(prima, seconda):
    return campo(prima, 24) + campo(seconda, 3)


def voce(localita, tipo, descrizione, tempo, visto):
    r = campo(localita, 30) + campo(tipo, 1) + campo(descrizione, 60) + campo(tempo, 5) + campo(visto, 1)
    assert len(r) == 97
    return r


def scrivi(nome, contenuto):
    with open(os.path.join(QUI, nome), "wb") as f:
        f.write(contenuto)


TEMPI = ["0830", "1300", "0100", "2000", "0130", "2300"]
mete = [
    slot(meta("LISBONA", "PORTOGALLO", "01062004", "0800", ["110", "90", "70", "50"], TEMPI,
              "  71", ["15", "02", "01", "05"], ["0900", "1800"]), 128),
    slot(meta("..VECCHIA", "ITALIA", "01012003", "0700", ["100"] * 4, TEMPI, "0005", ["10"] * 4,
              ["0900", "1800"]), 128, b"\0"),
    slot(meta("", "ITALIA", "01012003", "0700", ["100"] * 4, TEMPI, "0006", ["10"] * 4, ["0900", "1800"]), 128),
    slot(meta("OSLO", "NORVEGIA", "01012003", "0700", ["100"] * 4, TEMPI, "0000", ["10"] * 4,
              ["0900", "1800"]), 128),
    slot(meta("BERLINO", "GERMANIA", "01012003", "0700", ["100"] * 4, TEMPI, "", ["10"] * 4,
              ["0900", "1800"]), 128),
    # Empty start hour, breakfast and end of visits; one driving hour "0".
    slot(meta("Città di Castello", "ITALIA", "15082004", "", ["100", "80", "60", "40"],
              ["", "1230", "0100", "1930", "0100", "2200"], "0012", ["20", "0", "00", "07"],
              ["0000", ""]), 128),
    # The last record without its unused tail.
    slot(meta("MADRID", "SPAGNA", "10072004", "0600", ["120", "100", "80", "50"], TEMPI, "0013",
              ["15", "03", "01", "06"], ["0930", "1900"]), 128, None),
]
scrivi("VianMete.dat", b"".join(mete))

# Counts 5 and 5: records 2 to 6 are stages 0001 to 0005; record 7 lies
# beyond the count.
scrivi("vian0071.dat", b"".join(slot(r, 64) for r in [
    intestazione("5", "5"),
    tappa("ROMA*A1", "120", "A", "010230"),
    tappa("firenze*A1", "80", "A", "000100"),
    tappa("9 MAGGIO", "10", "L", "000000"),
    tappa("BOLOGNA", " 95", "S", "000000"),
    tappa("ÉVORA*N4", "300", "P", "010000"),
    tappa("TORINO", "150", "A", "000000"),
]))

# Counts 5 and 4 disagree: no stage.
scrivi("vian0012.dat", b"".join(slot(r, 64) for r in [
    intestazione("5", "4"),
] + [slot(tappa("PERUGIA", "50", "P", "000000"), 64)] * 5))

# A header counting three stages, the second cut short after its
# kilometres, the third missing.
scrivi("vian0013.dat", slot(intestazione("3", "3"), 64) + slot(tappa("SARAGOZZA * N2 ", "310", "P", "000030"), 64)
       + (campo("VALENCIA*E15", 24) + b"34"))

# A trip that is in no table.
scrivi("vian9999.dat", slot(intestazione("1", "1"), 64) + slot(tappa("NAPOLI", "10", "A", "000000"), 64))

guida = [
    slot(voce("ROMA", "1", "COLOSSEO", "130", "0"), 128),
    slot(voce("BOLOGNA", "2", "DUE TORRI", "  45", "1"), 128),
    # The same locality and description again: the later values stay.
    slot(voce("ROMA", "5", "COLOSSEO", "200", "1"), 128, b"\0"),
    slot(voce("Città di Castello", "3", "Duomo", "", "0"), 128),
    slot(voce("ROMA", "8", "PIZZERIA *", "100", "0"), 128),
    slot(voce("MADRID", "7", "CAMPING OSUNA", "30", "0"), 128, None),
]
scrivi("VianGuid.dat", b"".join(guida))
