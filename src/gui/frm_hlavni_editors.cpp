// The main window's interpretation editors, natal and partner.
#include "gui/frm_hlavni.h"
#include "gui/frm_vyklady.h"

namespace {

// An open editor keeps its lists and its text; a new one starts at the first entries.
template <class Editor>
void show_editor(QPointer<Editor>& editor, sidora::data::AppState& state, Shell& shell, QWidget* parent) {
    if (!editor) editor = new Editor(state, shell, parent);
    editor->show();
    editor->raise();
    editor->activateWindow();
}

}  // namespace

void TFrmHlavni::open_natal_editor() { show_editor(vyklady_, state_, shell_, this); }
void TFrmHlavni::open_partner_editor() { show_editor(vyklady1_, state_, shell_, this); }
TFrmVyklady* TFrmHlavni::natal_editor() const { return vyklady_; }
TFrmVyklady1* TFrmHlavni::partner_editor() const { return vyklady1_; }
