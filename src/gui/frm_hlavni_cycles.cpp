// The main window's commands of the personal cycles: biorhythms, numerology and its texts.
#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "gui/frm_bio.h"
#include "gui/frm_hlavni.h"
#include "gui/frm_numero.h"

void TFrmHlavni::add_cycle_tools() {
    add_tool("ToolButton21", "B", "Vypočítej biorytmy (CTRL-B]", "Ctrl+B", [this] { ToolButton21Click(); });
    add_tool("ToolButton2", "N", "Numerologie (CTRL-G]", "Ctrl+G", [this] { ToolButton2Click(); });
    // The interpretation editors' button: the button and Ctrl+L run the natal one.
    auto* natal = new QAction("Editace astrologických výkladů (nativní horoskop)", this);
    natal->setObjectName("ActionVyklady");
    connect(natal, &QAction::triggered, this, &TFrmHlavni::open_natal_editor);
    auto* partner = new QAction("Editace astrologických výkladů (partnerský horoskop)", this);
    partner->setObjectName("ActionVyklady1");
    connect(partner, &QAction::triggered, this, &TFrmHlavni::open_partner_editor);
    QToolButton* texts = add_tool("ToolButton16", "V", "Editace výkladů astrologických konstelací (CTRL-L)",
                                  "Ctrl+L", [natal] { natal->trigger(); });
    auto* menu = new QMenu(texts);
    menu->setObjectName("MenuVyklady");
    menu->addAction(natal);
    menu->addAction(partner);
    QAction* numerology = menu->addAction("Editace numerologických výkladů", this, &TFrmHlavni::open_num_edit);
    numerology->setObjectName("ActionNumEdit");
    texts->setMenu(menu);
    texts->setPopupMode(QToolButton::MenuButtonPopup);
}

void TFrmHlavni::ToolButton21Click() {
    if (!bio_) {
        bio_ = new TFrmBio(state_, shell_, this);
        connect(this, &QObject::destroyed, bio_, [w = bio_] { delete w; });
    }
    bio_->open_window();
}

void TFrmHlavni::ToolButton2Click() {
    if (!numero_) {
        numero_ = new TFrmNumero(state_, shell_, this);
        connect(this, &QObject::destroyed, numero_, [w = numero_] { delete w; });
    }
    numero_->open_window();
}

void TFrmHlavni::open_num_edit() { open_numerology_editor(state_, shell_, this); }
