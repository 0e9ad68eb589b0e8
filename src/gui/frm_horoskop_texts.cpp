// The natal window's report: "Výklad" (Ctrl+K) opens the selection "Výběr"; the tables'
// double-clicks add single texts.
#include <QToolButton>

#include "gui/frm_horoskop.h"
#include "gui/frm_pozor.h"
#include "gui/frm_texty.h"
#include "gui/frm_vyber.h"
#include "gui/text_command.h"
#include "horoscope/interpretation.h"
#include "models/natal_lookups.h"

QToolButton* TfrmHoroskop::add_report_tool() {
    BitVyklad = text_command("Výklad", "BitVyklad", "Napiš výklad (CTRL-K)", this, "Ctrl+K", this);
    connect(BitVyklad, &QToolButton::clicked, this, &TfrmHoroskop::BitVykladClick);
    return BitVyklad;
}

void TfrmHoroskop::BitVykladClick() {
    // Before the chart is computed there is nothing to report.
    if (!chart_) return;
    TFrmvyber dialog(state_, shell_, *chart_, this);
    dialog.exec();
}

void TfrmHoroskop::GridDblClick(const QString& grid, int col, int row) {
    if (!chart_) return;
    sidora::models::NatalReport report(
        *chart_, sidora::horoscope::text_directory(state_.program_dir, sidora::horoscope::kNatalTextDir),
        state_.aspect_defs, state_.orbs, state_.astro.zodiacal_notation != 0);
    if (!sidora::models::natal_double_click(report, *chart_, view_, grid.toStdString(), col, row)) return;
    TFrmTexty& texts = texts_window();
    texts.set_shell(shell_);
    if (!report.doc().empty()) texts.add(report.doc());
    for (const auto& w : report.warnings()) shell_.pozor.show_warning(QString::fromStdString(w));
}
