#pragma once
// The picture of the Moon's phase: lit spans of each row on a navy panel.
#include <QWidget>
#include <array>

#include "models/sky_calendar.h"

class MoonPicture : public QWidget {
    Q_OBJECT
public:
    explicit MoonPicture(QWidget* parent = nullptr);
    void set_spans(const std::array<sidora::models::MoonSpan, 51>& spans);
    // While printing the lit part is black.
    void set_printing(bool printing);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<sidora::models::MoonSpan, 51> spans_{};
    bool printing_ = false;
};
