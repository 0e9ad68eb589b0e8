#include "gui/frm_prostor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QVBoxLayout>
#include <set>

#include "gui/dialog_parts.h"
#include "gui/view_canvas.h"

namespace models = sidora::models;

TFrmProstor::TFrmProstor(sidora::data::AppState& state, Shell& shell, const sidora::horoscope::NatalChart& chart,
                         const sidora::data::HorSet& natal_boxes, QWidget* natal)
    : QWidget(natal, Qt::Window), state_(state), chart_(chart), natal_boxes_(natal_boxes) {
    setObjectName("TFrmProstor");
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(models::kSideWindowWidth, models::kSideMinimumHeight);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 4);
    v->setSpacing(4);
    Image1 = new ViewCanvas(this);
    Image1->setObjectName("Image1");
    Image1->setFixedHeight(models::kSideStripHeight);
    Image1->setMinimumWidth(models::kSideWindowWidth - 10);
    auto* strip_row = new QHBoxLayout;
    strip_row->setContentsMargins(0, 0, 10, 0);
    strip_row->addWidget(Image1);
    v->addLayout(strip_row);

    auto* below = new QHBoxLayout;
    below->setContentsMargins(4, 0, 4, 0);
    auto* osa = new QGroupBox("Osa Y", this);
    osa->setObjectName("RadioGroup1");
    auto* osa_layout = new QVBoxLayout(osa);
    RadioSirka = new QRadioButton("Šířka", osa);
    RadioSirka->setObjectName("RadioSirka");
    RadioDeklinace = new QRadioButton("Deklinace", osa);
    RadioDeklinace->setObjectName("RadioDeklinace");
    RadioSirka->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(RadioSirka, 0);
    group->addButton(RadioDeklinace, 1);
    osa_layout->addWidget(RadioSirka);
    osa_layout->addWidget(RadioDeklinace);
    osa_layout->addStretch(1);
    connect(group, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
    below->addWidget(osa);

    auto* aspekty = new QGroupBox("Zobraz aspekty", this);
    aspekty->setObjectName("GroupAspekty");
    auto* grid = new QGridLayout(aspekty);
    grid->setVerticalSpacing(0);
    for (std::size_t i = 0; i < models::kSideBoxes; ++i) {
        auto* b = new QCheckBox(QString::fromUtf8(models::side_box_labels[i]), i == models::kSideHouses ? static_cast<QWidget*>(this) : aspekty);
        b->setObjectName(QString("CheckBox%1").arg(i + 1));
        boxes_[i] = b;
        connect(b, &QCheckBox::clicked, this, &TFrmProstor::maluj);
        if (i == models::kSideHouses) continue;
        const int n = static_cast<int>(i);
        grid->addWidget(b, n % 3, n / 3);
    }
    below->addWidget(aspekty, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(boxes_[models::kSideHouses]);
    right->addStretch(1);
    auto* close_button = push_button("&Opusť", "BitOpust", this);
    right->addLayout(button_row(help_button(shell, 35, "BitHelp", this), {close_button}));
    below->addLayout(right);
    v->addLayout(below);
    v->addStretch(1);

    connect(close_button, &QPushButton::clicked, this, &QWidget::close);
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cancel, &QShortcut::activated, this, &QWidget::close);
    resize(models::kSideWindowWidth, models::kSideWindowHeight);
}

void TFrmProstor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // Everything drawn is copied now: the natal window may compute another chart later.
    data_ = models::side_data(chart_, state_.orbs);
    const models::SideBoxes start = models::side_boxes(natal_boxes_, state_.orbs);
    for (std::size_t i = 0; i < models::kSideBoxes; ++i) {
        boxes_[i]->setEnabled(start[i].enabled);
        boxes_[i]->setChecked(start[i].checked);
    }
    std::set<std::string> glyphs;
    for (const auto& b : models::poloz_planety(data_, axis(), false).bodies) glyphs.insert(b.name);
    Image1->set_pressable(std::move(glyphs));
    maluj();
}

void TFrmProstor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (shown_) maluj();
}

models::SideAxis TFrmProstor::axis() const {
    return RadioDeklinace->isChecked() ? models::SideAxis::Declination : models::SideAxis::Latitude;
}

models::SideBoxes TFrmProstor::current_boxes() const {
    models::SideBoxes b;
    for (std::size_t i = 0; i < models::kSideBoxes; ++i) {
        b[i].text = models::side_box_labels[i];
        b[i].enabled = boxes_[i]->isEnabled();
        b[i].checked = boxes_[i]->isChecked();
    }
    return b;
}

void TFrmProstor::RadioGroup1Click() { maluj(); }

void TFrmProstor::maluj() {
    view_ = models::side_view(data_, axis(), current_boxes(), width(), state_.astro.zodiacal_notation != 0);
    Image1->set_drawing(view_.drawing);
    const QString caption = QString::fromStdString(view_.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
}
