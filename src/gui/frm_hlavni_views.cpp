// The main window's views: the heliocentric view, the animation, the celestial sphere and the
// side view of the moment's horoscope.
#include <QTimer>

#include "gui/frm_anim.h"
#include "gui/frm_helio.h"
#include "gui/frm_hlavni.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_prostor.h"
#include "gui/frm_sfera.h"

void TFrmHlavni::build_views() {
    helio_ = new TFrmHelio(state_, shell_, *this, this);
    anim_ = new TFrmAnim(state_, shell_, *this, *helio_, this);
}

void TFrmHlavni::ToolButton22Click() {
    if (sfera_) return;  // the button is disabled while it is open
    sfera_ = new TFrmSfera(state_, shell_, *this);
    sfera_->show();
}

void TFrmHlavni::ToolButton25Click() {
    helio_->show();
    helio_->raise();
}

void TFrmHlavni::ToolButton26Click() {
    anim_->show();
    anim_->raise();
}

QWidget* TFrmHlavni::show_view(const QString& name) {
    if (name == "helio") {
        ToolButton25Click();
        helio_->Timer1Timer();
        return helio_;
    }
    if (name == "sphere") {
        ToolButton22Click();
        return sfera_;
    }
    if (name == "side") {
        // The side view of the shown moment's horoscope.
        if (!horoskop_) horoscope_of_now();
        if (!horoskop_) return nullptr;
        horoskop_->BitZbokuClick();
        return horoskop_->prostor();
    }
    if (name == "anim") {
        ToolButton26Click();
        return anim_;
    }
    return nullptr;
}

TFrmSfera* TFrmHlavni::sphere_window() const { return sfera_; }
