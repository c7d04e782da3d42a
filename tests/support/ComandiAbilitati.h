#pragma once
// The command buttons of a panel that the user can press now, by name and
// sorted; the help buttons and the conversion button are not commands.
#include <QStringList>

#include "shell/FormViandora.h"

inline QStringList ComandiAbilitati(FormViandora& f, const QString& pannello = QStringLiteral("frmBottoni")) {
    QStringList nomi;
    for (Controllo* c : f.Controlli())
        if (c->TipoControllo() == Controllo::Tipo::Pulsante && c->Enabled && c->Genitore() == pannello &&
            !c->Nome().startsWith(QLatin1String("cmdHelp")) && c->Nome() != QLatin1String("cmdConverte"))
            nomi << c->Nome();
    nomi.sort();
    return nomi;
}
