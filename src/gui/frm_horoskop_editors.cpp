// The natal window's way into the interpretation editor.
#include <QHBoxLayout>
#include <QShortcut>
#include <QToolButton>

#include "gui/frm_hlavni.h"
#include "gui/frm_horoskop.h"

void TfrmHoroskop::add_editor_commands(QHBoxLayout* tools) {
    BitEditace = new QToolButton(this);
    BitEditace->setObjectName("BitEditace");
    BitEditace->setText("Editace");
    BitEditace->setToolTip("Editace výkladů (CTRL-L)");
    BitEditace->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(BitEditace, &QToolButton::clicked, this, &TfrmHoroskop::BitEditaceClick);
    auto* key = new QShortcut(QKeySequence("Ctrl+L"), this);
    key->setObjectName("KeyEditace");
    connect(key, &QShortcut::activated, this, &TfrmHoroskop::BitEditaceClick);
    tools->addWidget(BitEditace);
}

void TfrmHoroskop::BitEditaceClick() { main_.open_natal_editor(); }
