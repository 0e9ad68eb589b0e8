#pragma once
// The side view of a natal horoscope: a copy of the natal window's tables taken when shown,
// drawn along the unrolled zodiac. One at a time, opened from the natal window and closed
// with it.
#include <QWidget>
#include <array>

#include "data/app_state.h"
#include "data/hor_set.h"
#include "gui/shell.h"
#include "horoscope/chart.h"
#include "models/side_view.h"

class QCheckBox;
class QRadioButton;
class ViewCanvas;

class TFrmProstor : public QWidget {
    Q_OBJECT
public:
    // `chart` and `natal_boxes` are read when the window is shown.
    TFrmProstor(sidora::data::AppState& state, Shell& shell, const sidora::horoscope::NatalChart& chart,
                const sidora::data::HorSet& natal_boxes, QWidget* natal);

    ViewCanvas* canvas() const { return Image1; }
    const sidora::models::SideView& view() const { return view_; }
    QCheckBox* box(std::size_t i) const { return boxes_[i]; }

    QRadioButton* RadioSirka;
    QRadioButton* RadioDeklinace;

public slots:
    void maluj();
    void RadioGroup1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    sidora::models::SideBoxes current_boxes() const;
    sidora::models::SideAxis axis() const;

    sidora::data::AppState& state_;
    const sidora::horoscope::NatalChart& chart_;
    sidora::data::HorSet natal_boxes_;
    sidora::models::SideData data_;
    sidora::models::SideView view_;
    bool shown_ = false;
    ViewCanvas* Image1;
    std::array<QCheckBox*, sidora::models::kSideBoxes> boxes_{};
};
