#include "gui/frm_osoby.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "engine/engine_state.h"
#include "engine/time.h"
#include "gui/date_field.h"
#include "gui/dialog_parts.h"
#include "gui/frm_nove_misto.h"
#include "gui/frm_pozor.h"
#include "gui/place_lists.h"

using sidora::models::PersonField;

TFrmOsoby::TFrmOsoby(sidora::data::AppState& state, Shell& shell, QWidget* chooser)
    : QDialog(chooser), state_(state), shell_(shell), model_(state) {
    setObjectName("TFrmOsoby");
    setWindowTitle("Osoby");
    // The chooser waits while its person is edited.
    setWindowModality(Qt::WindowModal);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(static_cast<int>(sidora::data::TOsoba::kNameCapacity));
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) {
        sidora::models::PersonForm f;
        f.name = text.toStdString();
        f.male = RadioMuz->isChecked();
        sidora::models::PersonEditor::name_changed(f);
        show_sex(f.male);
    });

    auto* sex = new QWidget(this);
    RadioMuz = new QRadioButton("Mužské", sex);
    RadioMuz->setObjectName("RadioMuz");
    RadioZena = new QRadioButton("Ženské", sex);
    RadioZena->setObjectName("RadioZena");
    RadioMuz->setChecked(true);
    Picture = new QLabel(sex);
    Picture->setObjectName("Picture");
    QFont symbols("DejaVu Sans");
    symbols.setPixelSize(22);
    Picture->setFont(symbols);
    auto* sex_row = new QHBoxLayout(sex);
    sex_row->setContentsMargins(0, 0, 0, 0);
    sex_row->addWidget(RadioMuz);
    sex_row->addWidget(RadioZena);
    sex_row->addWidget(Picture);
    sex_row->addStretch(1);
    connect(RadioMuz, &QRadioButton::toggled, this, [this](bool on) { show_sex(on); });

    auto* date = new DateField("DateTimer1", this);
    connect(date, &DateField::refused, this, [this](const QString& why) { shell_.pozor.show_warning(why); });
    DateTimer1 = date;
    DateTimer1->setCalendarPopup(true);
    DateTimer1->setDateRange(QDate(sidora::engine::year_min, 1, 1), QDate(sidora::engine::year_max, 12, 31));
    datetimer2 = new QTimeEdit(this);
    datetimer2->setObjectName("datetimer2");
    datetimer2->setDisplayFormat("H:mm");
    connect(DateTimer1, &QDateEdit::dateChanged, this, [this] { follow_rule(); });
    connect(datetimer2, &QTimeEdit::timeChanged, this, [this] { follow_rule(); });

    ComboDomov = new PlaceChooser(state_, shell_.place_lists, this);
    BitNove = push_button("&Nové", "BitNove", this);
    connect(BitNove, &QPushButton::clicked, this, [this] {
        TFrmNoveMisto dialog(state_, shell_, "", this);
        dialog.exec();
    });
    auto* place_row = new QHBoxLayout;
    place_row->addWidget(ComboDomov, 1);
    place_row->addWidget(BitNove);

    ComboPasmo = zone_box(this);
    CheckLetni = new QCheckBox("Letní čas", this);
    CheckLetni->setObjectName("CheckLetni");
    LabelLetni = new QLabel(this);
    LabelLetni->setObjectName("LabelLetni");
    LabelLetni->setWordWrap(true);
    auto* summer_row = new QHBoxLayout;
    summer_row->addWidget(CheckLetni);
    summer_row->addWidget(LabelLetni, 1);

    auto* form_layout = new QFormLayout;
    form_layout->addRow("Jméno:", Edit1);
    form_layout->addRow("Pohlaví:", sex);
    form_layout->addRow("Datum narození:", DateTimer1);
    form_layout->addRow("Čas narození:", datetimer2);
    form_layout->addRow("Místo narození:", place_row);
    form_layout->addRow("Místní časové pásmo:", ComboPasmo);
    form_layout->addRow(summer_row);

    auto* systems = new QGroupBox("Systém domů", this);
    systems->setObjectName("RadioGroup1");
    RadioGroup1 = new QButtonGroup(this);
    auto* grid = new QGridLayout(systems);
    for (int i = 0; i < 16; ++i) {
        auto* b = new QRadioButton(QString::fromStdString(sidora::engine::house_system_name(i)), systems);
        RadioGroup1->addButton(b, i);
        grid->addWidget(b, i % 8, i / 8);
    }

    BitNastav = push_button("Nastav a &ulož", "BitNastav", this);
    BitBtn1 = push_button("&Pouze nastav", "BitBtn1", this);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    BitNastav->setDefault(true);
    connect(BitNastav, &QPushButton::clicked, this, &TFrmOsoby::BitNastavClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmOsoby::BitBtn1Click);
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addLayout(form_layout, 1);
    top->addWidget(systems);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(button_row(help_button(shell_, 17, "HelpOsoby", this), {BitNastav, BitBtn1, BitOpust}));
}

void TFrmOsoby::open_editor() {
    const auto shown = model_.show();
    const auto& f = shown.form;
    {
        const QSignalBlocker b1(Edit1), b2(DateTimer1), b3(datetimer2);
        Edit1->setText(QString::fromStdString(f.name));
        DateTimer1->setDate(QDate(f.year, f.month, f.day));
        datetimer2->setTime(QTime(f.hour, f.minute));
    }
    show_sex(f.male);
    if (QAbstractButton* b = RadioGroup1->button(f.house_system - 1)) b->setChecked(true);
    CheckLetni->setChecked(f.summer);
    LabelLetni->setText(QString::fromStdString(f.summer_text));
    ComboPasmo->setCurrentText(QString::fromStdString(f.zone_name));
    ComboDomov->clear();
    for (const auto& name : shown.places) ComboDomov->addItem(QString::fromStdString(name));
    ComboDomov->setCurrentIndex(ComboDomov->findText(QString::fromStdString(f.place), Qt::MatchExactly | Qt::MatchCaseSensitive));
    for (const auto& w : shown.warnings) shell_.pozor.show_warning(QString::fromStdString(w));
    show();
    raise();
    activateWindow();
    Edit1->setFocus();
}

void TFrmOsoby::show_sex(bool male) {
    const QSignalBlocker b(RadioMuz);
    (male ? RadioMuz : RadioZena)->setChecked(true);
    Picture->setText(male ? "♂" : "♀");
}

sidora::models::PersonForm TFrmOsoby::form() const {
    sidora::models::PersonForm f;
    f.name = Edit1->text().toStdString();
    f.male = RadioMuz->isChecked();
    const QDate d = DateTimer1->date();
    const QTime t = datetimer2->time();
    f.year = d.year();
    f.month = d.month();
    f.day = d.day();
    f.hour = t.hour();
    f.minute = t.minute();
    f.summer = CheckLetni->isChecked();
    f.zone_name = ComboPasmo->currentText().toStdString();
    f.place = ComboDomov->currentIndex() < 0 ? std::string() : ComboDomov->currentText().toStdString();
    f.house_system = std::max(0, RadioGroup1->checkedId()) + 1;
    return f;
}

void TFrmOsoby::follow_rule() {
    sidora::models::PersonForm f = form();
    model_.follow_summer_rule(f);
    CheckLetni->setChecked(f.summer);
    LabelLetni->setText(QString::fromStdString(f.summer_text));
}

void TFrmOsoby::refuse(const sidora::models::PersonRefusal& r) {
    shell_.pozor.show_warning(QString::fromStdString(r.message));
    QWidget* box = r.field == PersonField::Name    ? static_cast<QWidget*>(Edit1)
                   : r.field == PersonField::Date  ? static_cast<QWidget*>(DateTimer1)
                   : r.field == PersonField::Place ? static_cast<QWidget*>(ComboDomov)
                   : r.field == PersonField::Zone  ? static_cast<QWidget*>(ComboPasmo)
                                                   : nullptr;
    if (box) box->setFocus();
}

void TFrmOsoby::BitNastavClick() {
    if (const auto refusal = model_.save(form())) {
        refuse(*refusal);
        return;
    }
    const auto& slot = state_.person_slots[static_cast<std::size_t>(state_.person_slot)];
    accept();
    emit personSaved(QString::fromStdString(slot.name));
}

void TFrmOsoby::BitBtn1Click() {
    if (const auto refusal = model_.set_only(form())) {
        refuse(*refusal);
        return;
    }
    accept();
    emit personSet();
}
