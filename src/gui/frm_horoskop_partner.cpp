// The natal window's "Partneři".
#include <QHBoxLayout>
#include <QToolButton>

#include <stdexcept>

#include "gui/frm_astro_dat.h"
#include "gui/frm_hlavni.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_partner.h"
#include "gui/frm_pozor.h"
#include "gui/text_command.h"
#include "models/partner_window.h"

void TfrmHoroskop::add_partner_command(QHBoxLayout* tools) {
    BitPartneri = text_command("Partneři", "BitPartneri", "Partnerský horoskop (CTRL-D)", this, "Ctrl+D", this);
    tools->insertWidget(tools->count() - 1, BitPartneri);
    connect(BitPartneri, &QToolButton::clicked, this, &TfrmHoroskop::BitPartneriClick);
    // Only a choice this window asked for opens a partner window.
    connect(&main_.person_chooser(), &TFrmAstroDat::computeRequested, this, [this](int slot) {
        if (slot != 2 || !partner_pending_ || !chart_) return;
        partner_pending_ = false;
        try {
            auto* w = new TFrmPartner(state_, shell_, *chart_, state_.person_slots[2], &main_);
            w->show();
        } catch (const std::invalid_argument& e) {
            shell_.pozor.show_warning(QString::fromUtf8(e.what()));
        }
    });
}

void TfrmHoroskop::BitPartneriClick() {
    if (TFrmPartner::is_open(main_)) {
        shell_.pozor.show_warning(sidora::models::kPartnerAlreadyOpen);
        return;
    }
    if (!chart_) return;
    partner_pending_ = true;
    state_.person_slot = 2;
    main_.person_chooser().open_for(2);
}
