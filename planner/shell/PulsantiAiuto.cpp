// The help buttons: where they stand in their panels, and their clicks.
#include "shell/FormViandora.h"

namespace {
// A small square-ish button; 240 high fits the narrow gaps between rows.
constexpr int Larghezza = 255;
constexpr int Altezza = 240;

const QString CaptionAiuto = QStringLiteral("?");
const QString SuiCampiEModalita = QStringLiteral("Informazioni sui campi e modalità ");
const QString Operative = QStringLiteral("Informazioni operative");
} // namespace

void FormViandora::CreaPulsantiAiuto() {
    auto prepara = [](Pulsante& p, const QString& tooltip) {
        p.Caption = CaptionAiuto;
        p.ToolTipText = tooltip;
    };
    auto aiuto = [&](Pulsante& p, const char* nome, const char* pannello, int left, int top,
                     const QString& tooltip) {
        Registra(p, QString::fromLatin1(nome), QString::fromLatin1(pannello), left, top, Larghezza, Altezza);
        prepara(p, tooltip);
    };
    auto aiutoIndice = [&](std::deque<Pulsante>& array, const char* nome, const char* pannello, int left,
                           int top, const QString& tooltip) {
        prepara(Aggiungi(array, QString::fromLatin1(nome), QString::fromLatin1(pannello), left, top,
                         Larghezza, Altezza),
                tooltip);
    };

    // The command panel is full below its caption: the button sits on the
    // caption line, above the status text and clear of the conversion button.
    aiuto(cmdHelpGenerico, "cmdHelpGenerico", "frmBottoni", 10085, 0,
          QStringLiteral("Informazioni sui singoli pulsanti"));

    // Trip screen: after the country field, the trip data first.
    aiuto(cmdHelpTotale2, "cmdHelpTotale2", "frmMetaIntesta", 10710, 90, SuiCampiEModalita);
    aiuto(cmdHelpTotale1, "cmdHelpTotale1", "frmMetaIntesta", 11010, 90,
          QStringLiteral("Informazioni generiche"));
    // Daily times: the free row between the days list and the defaults.
    aiuto(cmdHelpTt, "cmdHelpTt", "frmMeteTempi", 5375, 810, SuiCampiEModalita);

    // Vehicle and costs: after the last field of the second row.
    aiuto(cmdHelpVeicolo, "cmdHelpVeicolo", "frmVeicolo", 11235, 545, SuiCampiEModalita);

    // Stage entry: the fields' help beside the distance, the commands' help
    // on the free row between the row number and the commands, one per row
    // of commands, then the route-planner import's at the right.
    aiuto(cmdHelpKm, "cmdHelpKm", "frmInputBox", 1800, 1380, QStringLiteral("Informazioni sui campi"));
    for (int k = 0; k < 4; ++k)
        aiutoIndice(cmdHelpItin, "cmdHelpItin", "frmInputBox", 1290 + k * 300, 2575,
                    QStringLiteral("Informazioni sui pulsanti"));
    aiutoIndice(cmdHelpItin, "cmdHelpItin", "frmInputBox", 3285, 2575,
                QStringLiteral("Informazioni sui pulsanti"));

    // Copy and exchange panels: on the caption line, at the right.
    aiuto(cmdHelpDuplica, "cmdHelpDuplica", "frmPercorso", 2855, 0, Operative);
    aiuto(cmdHelpExport, "cmdHelpExport", "frmExport", 11055, 0, Operative);

    // City guide: the buttons' help beside the buttons, the fields' help
    // beside the description's heading.
    aiutoIndice(cmdHelpGuida, "cmdHelpGuida", "frmGuida", 10460, 500, Operative);
    aiutoIndice(cmdHelpGuida, "cmdHelpGuida", "frmGuida", 4440, 750, Operative);
}

void FormViandora::CollegaEventiAiuto() {
    click_.insert(cmdHelpGenerico.NomeCompleto(), [this] { cmdHelpGenerico_Click(); });
    click_.insert(cmdHelpVeicolo.NomeCompleto(), [this] { cmdHelpVeicolo_Click(); });
    click_.insert(cmdHelpTotale1.NomeCompleto(), [this] { cmdHelpTotale1_Click(); });
    click_.insert(cmdHelpTotale2.NomeCompleto(), [this] { cmdHelpTotale2_Click(); });
    click_.insert(cmdHelpTt.NomeCompleto(), [this] { cmdHelpTt_Click(); });
    click_.insert(cmdHelpKm.NomeCompleto(), [this] { cmdHelpKm_Click(); });
    for (int i = 0; i < int(cmdHelpItin.size()); ++i)
        click_.insert(cmdHelpItin[i].NomeCompleto(), [this, i] { cmdHelpItin_Click(i); });
    click_.insert(cmdHelpDuplica.NomeCompleto(), [this] { cmdHelpDuplica_Click(); });
    click_.insert(cmdHelpExport.NomeCompleto(), [this] { cmdHelpExport_Click(); });
    for (int i = 0; i < int(cmdHelpGuida.size()); ++i)
        click_.insert(cmdHelpGuida[i].NomeCompleto(), [this, i] { cmdHelpGuida_Click(i); });
}
