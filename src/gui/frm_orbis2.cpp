#include "gui/frm_orbis2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/frm_pozor.h"
#include "gui/help_viewer.h"
#include "gui/orb_field.h"
#include "models/orb_editor.h"

TFrmOrbis2::TFrmOrbis2(sidora::data::AppState& state, Shell& shell, QWidget* parent)
    : QDialog(parent), state_(state), shell_(shell) {
    setObjectName("TFrmOrbis2");
    setWindowTitle("Další orbisy a omezení");
    const auto& t = state_.orbs;

    for (int k = 1; k <= 3; ++k) {
        orbs[static_cast<std::size_t>(k)] = new OrbField(QString("Orb%1").arg(k), 1, this);
        orbs[static_cast<std::size_t>(k)]->set_orb(t.point_orbs[static_cast<std::size_t>(k)]);
    }
    const char* const names[8] = {"", "Nepoužívat", "Nepoužívat", "Chiron:", "Ceres:", "Pallas", "Juno:", "Vesta:"};
    for (int k = 1; k <= 7; ++k) {
        auto* box = new QCheckBox(QString::fromUtf8(names[k]), this);
        box->setObjectName(QString("Exclusion%1").arg(k));
        box->setChecked(t.point_exclusions[static_cast<std::size_t>(k)] != 0);
        exclusions[static_cast<std::size_t>(k)] = box;
    }
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Aspekty s Černou Lunou:", this), 0, 0);
    grid->addWidget(exclusions[1], 0, 1);
    grid->addWidget(new QLabel("orbis", this), 0, 2);
    grid->addWidget(orbs[1], 0, 3);
    grid->addWidget(new QLabel("Aspekty s Vertexem:", this), 1, 0);
    grid->addWidget(exclusions[2], 1, 1);
    grid->addWidget(new QLabel("orbis", this), 1, 2);
    grid->addWidget(orbs[2], 1, 3);
    grid->addWidget(new QLabel("Aspekty s planetkami:", this), 2, 0);
    grid->addWidget(new QLabel("orbis", this), 2, 2);
    grid->addWidget(orbs[3], 2, 3);
    auto* asteroids = new QHBoxLayout;
    asteroids->addWidget(new QLabel("Nepoužívat:", this));
    for (int k = 3; k <= 7; ++k) asteroids->addWidget(exclusions[static_cast<std::size_t>(k)]);

    BitOpust = push_button("&Opusť", "BitOpust", this);
    BitNastav = push_button("&Ulož", "BitNastav", this);
    auto* buttons = button_row(help_button(shell_, 43, "HelpOrbis2", this), {BitOpust, BitNastav});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(asteroids);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitNastav, &QPushButton::clicked, this, &TFrmOrbis2::BitNastavClick);
}

void TFrmOrbis2::BitNastavClick() {
    auto& t = state_.orbs;
    for (std::size_t k = 1; k <= 3; ++k) t.point_orbs[k] = static_cast<std::uint8_t>(orbs[k]->orb());
    for (std::size_t k = 1; k <= 7; ++k) t.point_exclusions[k] = exclusions[k]->isChecked() ? 1 : 0;
    if (const auto problem = sidora::models::save_point_orbs(t, state_.program_dir.string())) {
        shell_.pozor.show_warning(QString::fromStdString(*problem));
    }
    accept();
}
