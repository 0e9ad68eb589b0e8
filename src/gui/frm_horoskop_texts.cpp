// The natal window's report: "Výklad" (Ctrl+K) opens the selection "Výběr".
#include <QShortcut>
#include <QToolButton>

#include "gui/frm_horoskop.h"
#include "gui/frm_vyber.h"

QToolButton* TfrmHoroskop::add_report_tool() {
    BitVyklad = new QToolButton(this);
    BitVyklad->setObjectName("BitVyklad");
    BitVyklad->setText("Výklad");
    BitVyklad->setToolTip("Napiš výklad (CTRL-K)");
    BitVyklad->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(BitVyklad, &QToolButton::clicked, this, &TfrmHoroskop::BitVykladClick);
    auto* key = new QShortcut(QKeySequence("Ctrl+K"), this);
    key->setObjectName("KeyVyklad");
    connect(key, &QShortcut::activated, this, [this] {
        if (BitVyklad->isEnabled()) BitVykladClick();
    });
    return BitVyklad;
}

void TfrmHoroskop::BitVykladClick() {
    // Before the chart is computed there is nothing to report.
    if (!chart_) return;
    TFrmvyber dialog(state_, shell_, *chart_, this);
    dialog.exec();
}
