#include "gui/frm_orbit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/frm_orbis2.h"
#include "gui/frm_pozor.h"
#include "gui/help_viewer.h"
#include "gui/orb_field.h"
#include "models/orb_editor.h"

namespace {

const char* const kBodies[10] = {"Slunce", "Měsíc", "Merkur", "Venuše", "Mars",
                                 "Jupiter", "Saturn", "Uran", "Neptun", "Pluto"};
const char* const kMinor[12] = {"Kvintil (72)",     "Bikvintil (144)",  "Semikvadratura (45)",
                                "Seskvikvadrát (135)", "Novil (40)",    "Binovil (80)",
                                "Kvartinovil (160)", "Polosextil (30)", "Kvinkunx (150)",
                                "Paralela a kontraparalela:", "Aspekty s citlivými body:",
                                "Konjunkce se stálicemi:"};

}  // namespace

TFrmOrbit::TFrmOrbit(sidora::data::AppState& state, Shell& shell, QWidget* parent)
    : QDialog(parent), state_(state), shell_(shell) {
    setObjectName("TFrmOrbit");
    setWindowTitle("Nastavení orbisů");
    const auto& t = state_.orbs;

    auto* matrix = new QGridLayout;
    const int columns[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13};
    for (int k = 0; k < 12; ++k) {
        const QString title = k < 10 ? QString::fromUtf8(kBodies[k]) : k == 10 ? "Uzly" : "Asc,Mc";
        matrix->addWidget(new QLabel(title, this), 0, k + 1, Qt::AlignCenter);
    }
    for (int r = 1; r <= 10; ++r) {
        matrix->addWidget(new QLabel(QString::fromUtf8(kBodies[r - 1]) + ":", this), r, 0);
        for (int k = 0; k < 12; ++k) {
            const int c = columns[k];
            if (c <= 10 && c < r) continue;  // the lower triangle mirrors the upper one
            auto* f = new OrbField(QString("Orb%1_%2").arg(r).arg(c), 2, this);
            f->set_orb(t.orb_matrix[r][c]);
            major_[r][c] = f;
            matrix->addWidget(f, r, k + 1, Qt::AlignCenter);
        }
    }

    auto* minors = new QGridLayout;
    for (int row = 1; row <= 12; ++row) {
        const int col = row <= 9 ? 0 : 4;
        const int line = row <= 9 ? row - 1 : row - 10;
        unused_[row] = new QCheckBox("Nepoužívat", this);
        unused_[row]->setObjectName(QString("Nepouzivat%1").arg(row));
        minor_[row] = new OrbField(QString("Minor%1").arg(row), 1, this);
        minor_[row]->set_orb(t.minor_orbs[static_cast<std::size_t>(row)].orbis);
        OrbField* field = minor_[row];
        connect(unused_[row], &QCheckBox::toggled, field, [field](bool off) { field->setEnabled(!off); });
        unused_[row]->setChecked(t.minor_orbs[static_cast<std::size_t>(row)].nepouzivat != 0);
        minors->addWidget(new QLabel(QString::fromUtf8(kMinor[row - 1]), this), line, col);
        minors->addWidget(unused_[row], line, col + 1);
        minors->addWidget(new QLabel("orbis", this), line, col + 2);
        minors->addWidget(minor_[row], line, col + 3);
    }
    minors->addWidget(new QLabel("(Paralela šířková=50% hodnoty)", this), 3, 4, 1, 4);

    BitOpust = push_button("&Opusť", "BitOpust", this);
    BitNastav = push_button("&Ulož", "BitNastav", this);
    BitDalsi = push_button("&Další", "BitDalsi", this);
    auto* buttons = button_row(help_button(shell_, 12, "HelpOrbit", this), {BitDalsi, BitOpust, BitNastav});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bold_label("Nastavení orbisů hlavních aspektů:", this));
    layout->addWidget(new QLabel("(konjunkce, sextil, kvadratura, trigon, opozice)", this));
    layout->addLayout(matrix);
    layout->addWidget(bold_label("Orbisy vedlejších aspektů:", this));
    layout->addLayout(minors);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitNastav, &QPushButton::clicked, this, &TFrmOrbit::BitNastavClick);
    connect(BitDalsi, &QPushButton::clicked, this, [this] {
        TFrmOrbis2 more(state_, shell_, this);
        more.exec();
    });
}

void TFrmOrbit::BitNastavClick() {
    auto& t = state_.orbs;  // in force from now, whether or not the files can be written
    for (int r = 1; r <= 10; ++r) {
        for (int c = 1; c <= 13; ++c) {
            if (major_[r][c]) t.orb_matrix[r][c] = major_[r][c]->orb();
        }
    }
    sidora::models::complete_orb_matrix(t);
    for (int row = 1; row <= 12; ++row) {
        auto& m = t.minor_orbs[static_cast<std::size_t>(row)];
        m.orbis = minor_[row]->orb();
        m.nepouzivat = unused_[row]->isChecked() ? 1 : 0;
    }
    if (const auto problem = sidora::models::save_major_orbs(t, state_.program_dir.string())) {
        shell_.pozor.show_warning(QString::fromStdString(*problem));
    }
    accept();
}
