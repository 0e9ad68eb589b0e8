#include "gui/frm_helio.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/frm_hlavni.h"
#include "gui/view_canvas.h"

namespace {

QGroupBox* radio_group(const QString& title, const QString& name, std::initializer_list<const char*> items,
                       QButtonGroup*& group, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    auto* row = new QVBoxLayout(box);
    row->setContentsMargins(6, 0, 6, 0);
    row->setSpacing(0);
    group = new QButtonGroup(box);
    int id = 0;
    for (const char* text : items) {
        auto* b = new QRadioButton(QString::fromUtf8(text), box);
        group->addButton(b, id++);
        row->addWidget(b);
    }
    group->button(0)->setChecked(true);
    return box;
}

}  // namespace

TFrmHelio::TFrmHelio(sidora::data::AppState& state, Shell& shell, TFrmHlavni& main, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), main_(main) {
    setObjectName("TFrmHelio");
    setWindowTitle("Heliocentrická poloha planet");
    setMinimumSize(sidora::models::kHelioMinimumView, sidora::models::kHelioMinimumView + sidora::models::kHelioPanelHeight);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    Paint1 = new ViewCanvas(this);
    Paint1->setObjectName("Paint1");
    v->addWidget(Paint1, 1);

    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    panel->setFixedHeight(sidora::models::kHelioPanelHeight);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(radio_group("Vzdálenosti planet", "RadioGroup1", {"Stejné", "Skutečné"}, distances_, panel));
    row->addWidget(radio_group("Zobrazit planety", "RadioGroup2", {"Všechny", "Jen vnitřní"}, planets_, panel));
    auto* right = new QVBoxLayout;
    CheckBox1 = new QCheckBox("Horoskop", panel);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setEnabled(false);
    right->addWidget(CheckBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help_button(shell, 59, "BitHelp", panel));
    auto* close_button = push_button("Opusť", "BitOpust", panel);
    buttons->addWidget(close_button);
    right->addLayout(buttons);
    row->addLayout(right);
    v->addWidget(panel);

    connect(distances_, &QButtonGroup::idClicked, this, [this] { distances_click(); });
    connect(planets_, &QButtonGroup::idClicked, this, [this] { place_planets(); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { place_planets(); });
    connect(close_button, &QPushButton::clicked, this, &QWidget::close);
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cancel, &QShortcut::activated, this, &QWidget::close);

    // Stopped until the window is first sized.
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, &TFrmHelio::Timer1Timer);
}

void TFrmHelio::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TFrmHelio::FormShow() {
    if (const QScreen* s = screen()) move(s->availableGeometry().topLeft());
    const int side = sidora::models::kHelioMinimumView;
    resize(side, side + sidora::models::kHelioPanelHeight);
    new_stars();
    place_planets();
}

void TFrmHelio::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A square drawing area as high as the window leaves above the panel.
    const int side = sidora::models::helio_view_size(height());
    if (width() != side) {
        resize(side, height());
        return;
    }
    if (side != view_size_) {
        view_size_ = side;
        new_stars();
        place_planets();
    }
    Timer1->start(sidora::data::timer_interval_ms(state_));
}

void TFrmHelio::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    QWidget::closeEvent(event);
}

void TFrmHelio::new_stars() {
    const int side = std::max(view_size_, sidora::models::kHelioMinimumView);
    const auto seed = fixed_seed_.value_or(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    stars_ = sidora::models::star_field(side, seed);
}

void TFrmHelio::distances_click() {
    const bool real = distances_->checkedId() == 1;
    if (!real) CheckBox1->setChecked(false);
    CheckBox1->setEnabled(real);
    place_planets();
}

void TFrmHelio::place_planets() {
    sidora::models::HelioOptions o;
    o.view_size = std::max(view_size_, sidora::models::kHelioMinimumView);
    o.real_distances = distances_->checkedId() == 1;
    o.inner_only = planets_->checkedId() == 1;
    o.horoscope = CheckBox1->isChecked();
    view_ = sidora::models::helio_view(main_.view().bodies, o, stars_);
    Paint1->set_drawing(view_.drawing);
}

void TFrmHelio::Timer1Timer() {
    place_planets();
    const QString caption = QString::fromStdString(view_.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
}
