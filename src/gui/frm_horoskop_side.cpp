// The natal window's "Z boku": the side view of its chart.
#include <QCheckBox>
#include <QHBoxLayout>
#include <QShortcut>
#include <QToolButton>

#include "gui/frm_horoskop.h"
#include "gui/frm_prostor.h"

void TfrmHoroskop::add_side_command(QHBoxLayout* tools) {
    BitZboku = new QToolButton(this);
    BitZboku->setObjectName("BitZboku");
    BitZboku->setText("\"Z boku\"");
    BitZboku->setToolTip("Horoskop z boku: planety nad a pod ekliptikou (CTRL-B)");
    BitZboku->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(BitZboku, &QToolButton::clicked, this, &TfrmHoroskop::BitZbokuClick);
    auto* key = new QShortcut(QKeySequence("Ctrl+B"), this);
    key->setObjectName("KeyZboku");
    connect(key, &QShortcut::activated, this, &TfrmHoroskop::BitZbokuClick);
    tools->addWidget(BitZboku);
}

void TfrmHoroskop::BitZbokuClick() {
    if (!chart_) return;
    if (!prostor_) {
        // The view starts with this window's drawing options, as they are ticked now.
        sidora::data::HorSet ticked;
        for (std::size_t i = 0; i < options.size(); ++i) ticked.options[i] = options[i]->isChecked();
        // A child window: it goes when this window goes.
        prostor_ = new TFrmProstor(state_, shell_, *chart_, ticked, this);
        connect(prostor_, &QObject::destroyed, this, [this] { prostor_ = nullptr; });
    }
    prostor_->show();
    prostor_->raise();
    prostor_->activateWindow();
}
