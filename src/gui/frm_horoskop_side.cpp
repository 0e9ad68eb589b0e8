// The natal window's "Z boku": the side view of its chart.
#include <QCheckBox>
#include <QHBoxLayout>
#include <QToolButton>

#include "gui/frm_horoskop.h"
#include "gui/frm_prostor.h"
#include "gui/text_command.h"

void TfrmHoroskop::add_side_command(QHBoxLayout* tools) {
    BitZboku = text_command("\"Z boku\"", "BitZboku", "Horoskop z boku: planety nad a pod ekliptikou (CTRL-B)", this, "Ctrl+B", this);
    connect(BitZboku, &QToolButton::clicked, this, &TfrmHoroskop::BitZbokuClick);
    tools->addWidget(BitZboku);
}

TFrmProstor* TfrmHoroskop::prostor() const { return prostor_; }

void TfrmHoroskop::BitZbokuClick() {
    if (!chart_) return;
    if (!prostor_) {
        // The view starts with this window's drawing options, as they are ticked now.
        sidora::data::HorSet ticked;
        for (std::size_t i = 0; i < options.size(); ++i) ticked.options[i] = options[i]->isChecked();
        // A child window: it goes when this window goes.
        prostor_ = new TFrmProstor(state_, shell_, *chart_, ticked, this);
    }
    prostor_->show();
    prostor_->raise();
    prostor_->activateWindow();
}
