#pragma once
// "Heliocentrická poloha planet": the Sun among the stars, the planets around it, painted
// from the main window's last tick by its own timer.
#include <QWidget>
#include <cstdint>
#include <optional>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/helio_view.h"

class QButtonGroup;
class QCheckBox;
class QTimer;
class TFrmHlavni;
class ViewCanvas;

class TFrmHelio : public QWidget {
    Q_OBJECT
public:
    TFrmHelio(sidora::data::AppState& state, Shell& shell, TFrmHlavni& main, QWidget* parent = nullptr);

    QTimer* timer() const { return Timer1; }
    ViewCanvas* canvas() const { return Paint1; }
    const sidora::models::HelioView& view() const { return view_; }
    QButtonGroup* distances() const { return distances_; }
    QButtonGroup* shown_planets() const { return planets_; }
    QCheckBox* horoscope_box() const { return CheckBox1; }
    // The same star field at every new size (a screenshot); otherwise it is new each time.
    void fix_stars(std::uint32_t seed) { fixed_seed_ = seed; }

public slots:
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void new_stars();
    void place_planets();
    void distances_click();

    sidora::data::AppState& state_;
    TFrmHlavni& main_;
    ViewCanvas* Paint1;
    QButtonGroup* distances_;
    QButtonGroup* planets_;
    QCheckBox* CheckBox1;
    QTimer* Timer1;
    sidora::models::HelioView view_;
    std::vector<sidora::models::DrawItem> stars_;
    int view_size_ = 0;
    std::optional<std::uint32_t> fixed_seed_;
};
