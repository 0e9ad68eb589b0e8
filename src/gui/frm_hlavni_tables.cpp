// The main window's commands of the tables and the sky search.
#include <QToolButton>

#include "gui/frm_hlavni.h"
#include "gui/frm_najdi.h"
#include "gui/frm_spocti.h"

void TFrmHlavni::add_table_tools() {
    add_tool("ToolButton17", "K", "Hledej konstelaci (CTRL-O)", "Ctrl+O", [this] { ToolButton17Click(); });
    add_tool("ToolButton23", "E", "Vypočítej východy planet nebo efemeridy (CTRL-W)", "Ctrl+W",
             [this] { ToolButton23Click(); });
}

void TFrmHlavni::ToolButton23Click() {
    // Kept for the run: the dialog remembers its kind and bodies between showings.
    if (!spocti_) spocti_ = new TFrmSpocti(state_, shell_, table_span_, this);
    spocti_->open_dialog();
}

void TFrmHlavni::ToolButton17Click() {
    TFrmNajdi dialog(state_, shell_, table_span_, this);
    dialog.exec();
}
