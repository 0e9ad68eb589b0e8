// The natal window's way into the interpretation editor.
#include <QHBoxLayout>
#include <QToolButton>

#include "gui/frm_hlavni.h"
#include "gui/frm_horoskop.h"
#include "gui/text_command.h"

void TfrmHoroskop::add_editor_commands(QHBoxLayout* tools) {
    BitEditace = text_command("Editace", "BitEditace", "Editace výkladů (CTRL-L)", this, "Ctrl+L", this);
    connect(BitEditace, &QToolButton::clicked, this, &TfrmHoroskop::BitEditaceClick);
    tools->addWidget(BitEditace);
}

void TfrmHoroskop::BitEditaceClick() { main_.open_natal_editor(); }
