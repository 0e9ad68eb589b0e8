// The natal window's "Hledej": the transit search over the chart it shows.
#include <QLayout>
#include <QToolButton>

#include "gui/frm_hlavni.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_konstelace.h"
#include "gui/text_command.h"

void TfrmHoroskop::add_search_command(QLayout* tools) {
    BitHledej = text_command("Hledej", "BitHledej", "Hledej konstelaci (CTRL-H)", this, "Ctrl+H", this);
    connect(BitHledej, &QToolButton::clicked, this, &TfrmHoroskop::BitHledejClick);
    tools->addWidget(BitHledej);
}

void TfrmHoroskop::BitHledejClick() {
    if (!chart_) return;
    TFrmKonstelace dialog(state_, shell_, main_.table_span(), *chart_, this);
    dialog.exec();
}
