// The main window's natal horoscope commands.
#include <QButtonGroup>
#include <QToolButton>

#include "gui/frm_hlavni.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_mista.h"
#include "models/natal_window.h"

void TFrmHlavni::open_horoscope() {
    if (horoskop_) return;
    QToolButton* command = tool_button("ToolButton15");
    command->setEnabled(false);
    horoskop_ = new TfrmHoroskop(state_, shell_, *this);
    connect(horoskop_, &TfrmHoroskop::closed, this, [this, command] {
        horoskop_ = nullptr;
        command->setEnabled(!mista_->isVisible());
    });
    horoskop_->open();
}

void TFrmHlavni::horoscope_of_now() {
    if (!tool_button("ToolButton15")->isEnabled()) return;
    sidora::models::horoscope_of_now(state_, std::max(0, house_group_->checkedId()) + 1);
    open_horoscope();
}
