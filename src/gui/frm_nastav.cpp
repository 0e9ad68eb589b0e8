#include "gui/frm_nastav.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/zones.h"
#include "gui/dialog_parts.h"
#include "gui/frm_letni.h"
#include "gui/frm_nove_misto.h"
#include "gui/frm_orbit.h"
#include "gui/frm_pozor.h"
#include "gui/help_viewer.h"
#include "gui/place_lists.h"
#include "models/settings_dialog.h"

TFrmNastav::TFrmNastav(sidora::data::AppState& state, Shell& shell, QWidget* main_window)
    : QDialog(main_window), state_(state), shell_(shell) {
    setObjectName("TFrmNastav");
    setWindowTitle("Nastaveni");

    ComboDomov = new PlaceChooser(state_, shell_.place_lists, this);
    ComboPasmo = zone_box(this);
    CheckLetni = new QCheckBox("Letní čas", this);
    CheckLetni->setObjectName("CheckLetni");
    CheckBox1 = new QCheckBox("Letní čas nastavovat automaticky", this);
    CheckBox1->setObjectName("CheckBox1");
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setRange(3, 9);
    CheckBox2 = new QCheckBox("Ekliptikální délku zobrazit s ohledem na znamení:", this);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->setLayoutDirection(Qt::RightToLeft);

    auto* tabs = new QGroupBox("Po spuštění otevřít kartu", this);
    tabs->setObjectName("RadioGroup1");
    RadioGroup1 = new QButtonGroup(tabs);
    auto* tl = new QGridLayout(tabs);
    int i = 0;
    for (const char* t : {"Čas", "Slunce", "Měsíc", "Planety", "Astrologie", "Domy", "Tattvy"}) {
        auto* r = new QRadioButton(QString::fromUtf8(t), tabs);
        RadioGroup1->addButton(r, i);
        tl->addWidget(r, i % 4, i / 4);
        ++i;
    }

    BitNastav = push_button("Ulož", "BitNastav", this);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    BitNove = push_button("&Jiný", "BitNove", this);
    BitLetni = push_button("&Nastav letní časy", "BitLetni", this);
    BitBtn1 = push_button("Nastav o&rbisy", "BitBtn1", this);

    auto* form = new QFormLayout;
    auto* home = new QHBoxLayout;
    home->addWidget(ComboDomov, 1);
    home->addWidget(BitNove);
    form->addRow("Domov:", home);
    form->addRow("Místní časové pásmo:", ComboPasmo);
    form->addRow(CheckLetni);
    form->addRow(CheckBox1);
    auto* digits = new QHBoxLayout;
    digits->addWidget(new QLabel("Numerolog. výklady max. k: ", this));
    digits->addWidget(SpinEdit1);
    digits->addWidget(new QLabel("číslicím v buňce", this));
    digits->addStretch(1);
    form->addRow(digits);
    form->addRow(CheckBox2);
    form->addRow(tabs);
    auto* tools = new QHBoxLayout;
    tools->addWidget(BitLetni);
    tools->addWidget(BitBtn1);
    tools->addStretch(1);
    auto* buttons = button_row(help_button(shell_, 8, "HelpNastav", this), {BitOpust, BitNastav});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(tools);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) { CheckLetni->setEnabled(!on); });
    connect(ComboDomov, &QComboBox::currentTextChanged, this, [this](const QString& t) { home_name_ = t; });
    connect(ComboPasmo, &QComboBox::currentTextChanged, this, [this](const QString& t) { zone_name_ = t; });
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitNastav, &QPushButton::clicked, this, &TFrmNastav::BitNastavClick);
    connect(BitNove, &QPushButton::clicked, this, [this] {
        TFrmNoveMisto dialog(state_, shell_, "", this);
        dialog.exec();
    });
    connect(BitLetni, &QPushButton::clicked, this, [this] {
        TFrmLetni dialog(state_, shell_, this);
        dialog.exec();
    });
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        TFrmOrbit dialog(state_, shell_, this);
        dialog.exec();
    });
}

bool TFrmNastav::open_dialog() {
    FormShow();
    return exec() == QDialog::Accepted;
}

void TFrmNastav::FormShow() {
    const sidora::models::SettingsForm f = sidora::models::settings_form_of(state_);
    SpinEdit1->setValue(f.numerology_digits);
    if (const auto problem = ComboDomov->fill(QString::fromStdString(f.home_name))) {
        shell_.pozor.show_warning(QString::fromStdString(*problem));
    }
    home_name_ = QString::fromStdString(f.home_name);
    ComboPasmo->setCurrentIndex(f.zone_index - 1);
    zone_name_ = ComboPasmo->currentText();
    CheckLetni->setChecked(f.summer_flag);
    CheckBox1->setChecked(f.auto_summer);
    CheckLetni->setEnabled(!f.auto_summer);
    CheckBox2->setChecked(f.zodiacal);
    RadioGroup1->button(std::clamp(f.start_tab, 1, 7) - 1)->setChecked(true);
}

void TFrmNastav::BitNastavClick() {
    sidora::models::SettingsForm f;
    f.home_name = home_name_.toStdString();
    f.zone_index = sidora::engine::zone_index_of_name(zone_name_.toStdString());
    f.summer_flag = CheckLetni->isChecked();
    f.auto_summer = CheckBox1->isChecked();
    f.numerology_digits = SpinEdit1->value();
    f.zodiacal = CheckBox2->isChecked();
    f.start_tab = RadioGroup1->checkedId() + 1;
    if (const auto warning = sidora::models::save_settings(state_, f)) {
        shell_.pozor.show_warning(QString::fromStdString(*warning));
    }
    accept();
}
