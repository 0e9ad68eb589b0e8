#include "gui/frm_nove_misto.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/frm_pozor.h"
#include "gui/help_viewer.h"
#include "gui/number_field.h"
#include "gui/place_lists.h"
#include "models/new_place.h"

using sidora::models::PlaceField;

namespace {
constexpr int kNameTypingLimit = 30;
}

TFrmNoveMisto::TFrmNoveMisto(sidora::data::AppState& state, Shell& shell, std::string edited_place,
                             QWidget* parent)
    : QDialog(parent), state_(state), shell_(shell), edited_place_(std::move(edited_place)) {
    setObjectName("TFrmNoveMisto");
    setWindowTitle("Nové místo");
    setModal(true);

    auto number_box = [&](const char* name, int max_length) {
        auto* e = new NumberField(name, max_length, this);
        e->setFixedWidth(48);
        return e;
    };

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(kNameTypingLimit);
    Edit2 = number_box("Edit2", 2);
    Edit3 = number_box("Edit3", 2);
    Edit5 = number_box("Edit5", 3);
    Edit4 = number_box("Edit4", 2);

    auto* lat = new QGroupBox("Zeměpisná šířka", this);
    RadioSever = new QRadioButton("severně", lat);
    RadioJih = new QRadioButton("jižně", lat);
    RadioSever->setChecked(true);
    auto* lat_row = new QHBoxLayout(lat);
    lat_row->addWidget(Edit2);
    lat_row->addWidget(new QLabel("°", lat));
    lat_row->addWidget(Edit3);
    lat_row->addWidget(new QLabel("'", lat));
    lat_row->addSpacing(12);
    lat_row->addWidget(RadioSever);
    lat_row->addWidget(RadioJih);
    lat_row->addStretch();

    auto* lon = new QGroupBox("Zeměpisná délka:", this);
    RadioVychod = new QRadioButton("východně", lon);
    RadioZapad = new QRadioButton("západně", lon);
    RadioVychod->setChecked(true);
    auto* lon_row = new QHBoxLayout(lon);
    lon_row->addWidget(Edit5);
    lon_row->addWidget(new QLabel("°", lon));
    lon_row->addWidget(Edit4);
    lon_row->addWidget(new QLabel("'", lon));
    lon_row->addSpacing(12);
    lon_row->addWidget(RadioVychod);
    lon_row->addWidget(RadioZapad);
    lon_row->addStretch();

    BitBtn1 = new QPushButton("&Ulož", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton("&Opusť", this);
    BitBtn2->setObjectName("BitBtn2");
    auto* help = new QPushButton("Nápověda", this);
    help->setObjectName("BitHelp");
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmNoveMisto::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { shell_.help.show_topic(9, this); });

    auto* name_row = new QHBoxLayout;
    name_row->addWidget(new QLabel("Místo:", this));
    name_row->addWidget(Edit1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch();
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name_row);
    layout->addWidget(lat);
    layout->addWidget(lon);
    layout->addLayout(buttons);
}

void TFrmNoveMisto::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TFrmNoveMisto::FormActivate() {
    if (!edited_place_.empty()) {
        std::optional<sidora::data::TMisto> place;
        try {
            place = sidora::data::PlacesStore(state_.program_dir / sidora::data::kPlacesFile).find_place(edited_place_);
        } catch (const sidora::data::PlacesError& e) {
            shell_.pozor.show_warning(QString::fromStdString(e.message()));
        }
        if (place) {
            const auto form = sidora::models::form_of(*place);
            const QString name = QString::fromStdString(form.name);
            // A longer name from another source is shown whole.
            Edit1->setMaxLength(std::max(kNameTypingLimit, static_cast<int>(name.size())));
            Edit1->setText(name);
            Edit2->setText(QString::fromStdString(form.lat_deg));
            Edit3->setText(QString::fromStdString(form.lat_min));
            Edit5->setText(QString::fromStdString(form.lon_deg));
            Edit4->setText(QString::fromStdString(form.lon_min));
            (form.north ? RadioSever : RadioJih)->setChecked(true);
            (form.east ? RadioVychod : RadioZapad)->setChecked(true);
        }
    } else {
        Edit1->clear();
        for (QLineEdit* e : {Edit2, Edit3, Edit4, Edit5}) e->setText("0");
    }
    Edit1->setFocus();
}

void TFrmNoveMisto::BitBtn1Click() {
    sidora::models::PlaceForm form;
    form.name = Edit1->text().toStdString();
    form.lat_deg = Edit2->text().toStdString();
    form.lat_min = Edit3->text().toStdString();
    form.north = RadioSever->isChecked();
    form.lon_deg = Edit5->text().toStdString();
    form.lon_min = Edit4->text().toStdString();
    form.east = RadioVychod->isChecked();

    std::optional<sidora::models::FormError> error;
    try {
        sidora::data::PlacesStore store(state_.program_dir / sidora::data::kPlacesFile);
        error = sidora::models::save_place(store, edited_place_, form);
    } catch (const sidora::data::PlacesError& e) {
        shell_.pozor.show_warning(QString::fromStdString(e.message()));
        return;
    }
    if (error) {
        shell_.pozor.show_warning(QString::fromStdString(error->message));
        QLineEdit* box = error->field == PlaceField::Name     ? Edit1
                         : error->field == PlaceField::LatDeg ? Edit2
                         : error->field == PlaceField::LatMin ? Edit3
                         : error->field == PlaceField::LonMin ? Edit4
                                                              : Edit5;
        box->setFocus();
        return;
    }
    emit shell_.place_lists.placeSaved(Edit1->text().left(sidora::data::TMisto::kNameCapacity));
    accept();
}
