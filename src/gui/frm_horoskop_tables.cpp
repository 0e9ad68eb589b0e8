// The natal window's "Hledej": the transit search over the chart it shows.
#include <QLayout>
#include <QShortcut>
#include <QToolButton>

#include "gui/frm_hlavni.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_konstelace.h"

void TfrmHoroskop::add_search_command(QLayout* tools) {
    BitHledej = new QToolButton(this);
    BitHledej->setObjectName("BitHledej");
    BitHledej->setText("Hledej");
    BitHledej->setToolTip("Hledej konstelaci (CTRL-H)");
    BitHledej->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(BitHledej, &QToolButton::clicked, this, &TfrmHoroskop::BitHledejClick);
    auto* key = new QShortcut(QKeySequence("Ctrl+H"), this);
    key->setObjectName("KeyHledej");
    connect(key, &QShortcut::activated, this, &TfrmHoroskop::BitHledejClick);
    tools->addWidget(BitHledej);
}

void TfrmHoroskop::BitHledejClick() {
    if (!chart_) return;
    TFrmKonstelace dialog(state_, shell_, main_.table_span(), *chart_, this);
    dialog.exec();
}
