// The "Horoskop" tab of the natal window: the wheel, its hints, its option boxes and "Zobraz".
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include "gui/frm_hlavni.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_partner.h"
#include "render/wheel_painter.h"

namespace h = sidora::horoscope;

namespace {

// Paints the window's wheel scaled to its side and shows the hint of the glyph under the mouse.
class WheelCanvas : public QWidget {
public:
    WheelCanvas(const h::WheelView& view, QWidget* parent) : QWidget(parent), view_(view) {
        setObjectName("Image12");
        setMinimumSize(h::kWheelSize, h::kWheelSize);
        setMouseTracking(true);
    }
    int side() const { return std::min(width(), height()); }

protected:
    void paintEvent(QPaintEvent*) override {
        h::WheelView v = view_;
        v.size = side();
        QPainter p(this);
        sidora::render::paint_wheel(p, v);
    }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(e);
            const double k = h::kWheelSize / static_cast<double>(std::max(1, side()));
            const std::string hint = view_.hint_at(static_cast<int>(help->pos().x() * k), static_cast<int>(help->pos().y() * k));
            if (hint.empty()) {
                QToolTip::hideText();
            } else {
                QToolTip::showText(help->globalPos(), QString::fromStdString(hint), this);
            }
            return true;
        }
        return QWidget::event(e);
    }

private:
    const h::WheelView& view_;
};

}  // namespace

void TfrmHoroskop::build_wheel(QWidget* page, QGridLayout* grid) {
    wheel_canvas = new WheelCanvas(wheel_, page);
    grid->addWidget(wheel_canvas, 0, 3, 9, 1);
    grid->setColumnStretch(3, 4);
    auto* box = new QGroupBox("Zobraz", page);
    box->setObjectName("RadioGroup1");
    auto* v = new QVBoxLayout(box);
    Zobraz = new QButtonGroup(box);
    const char* items[] = {"Tranzity", "Partneři", "Nic"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(items[i]), box);
        Zobraz->addButton(b, i);
        v->addWidget(b);
    }
    Zobraz->button(2)->setChecked(true);
    LabelZobraz = new QLabel(page);
    LabelZobraz->setObjectName("LabelZobraz");
    grid->addWidget(box, 8, 0);
    grid->addWidget(LabelZobraz, 8, 1);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, &TfrmHoroskop::Timer1Timer);
    connect(Zobraz, &QButtonGroup::idClicked, this, &TfrmHoroskop::ZobrazClick);
    for (QCheckBox* c : options) connect(c, &QCheckBox::clicked, this, [this] { redraw_wheel(); });
}

void TfrmHoroskop::umisti_planety() {
    if (!chart_) return;
    const h::Overlay kept = wheel_.overlay;
    wheel_ = h::natal_wheel(*chart_, {}, state_.orbs.point_exclusions, state_.astro.zodiacal_notation != 0);
    wheel_.overlay = kept;
    redraw_wheel();
}

void TfrmHoroskop::redraw_wheel() {
    if (!chart_) return;
    std::array<sidora::models::OptionBox, sidora::data::HorSet::kSize> boxes;
    for (std::size_t i = 0; i < options.size(); ++i) boxes[i].checked = options[i]->isChecked();
    h::redraw_lines(*chart_, sidora::models::hor_set_of(boxes), wheel_);
    wheel_canvas->update();
}

void TfrmHoroskop::ZobrazClick(int item) {
    if (!Zobraz) return;
    if (item == 0 && chart_) {
        Zobraz->button(0)->setChecked(true);
        Timer1Timer();
        Timer1->start(500);
        return;
    }
    Timer1->stop();
    if (item == 1 && chart_) {
        if (const TFrmPartner* p = TFrmPartner::open_window(main_)) {
            const auto& second = p->partner().second;
            wheel_.overlay = h::place_overlay(h::OverlayMode::Partneri, h::chart_source(second), chart_->houses(),
                                              state_.astro.zodiacal_notation != 0, second.person.name);
            LabelZobraz->setText(QString::fromStdString(wheel_.overlay.label));
            if (wheel_canvas) wheel_canvas->update();
            return;
        }
    }
    // Without an open partner horoscope: the beep, and back to "Nic".
    if (item == 1) QApplication::beep();
    Zobraz->button(2)->setChecked(true);
    wheel_.overlay = {};
    LabelZobraz->clear();
    if (wheel_canvas) wheel_canvas->update();
}

void TfrmHoroskop::Timer1Timer() {
    if (!chart_) return;
    const auto& b = main_.view().bodies;
    if (!b.known) return;
    wheel_.overlay = h::place_overlay(h::OverlayMode::Tranzity, h::transit_source(b.body_table), chart_->houses(),
                                      state_.astro.zodiacal_notation != 0, h::transit_label(b.moment));
    LabelZobraz->setText(QString::fromStdString(wheel_.overlay.label));
    wheel_canvas->update();
}
