#include "gui/moon_picture.h"

#include <QPainter>

MoonPicture::MoonPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("Paint1");
    setFixedSize(54, 54);
}

void MoonPicture::set_spans(const std::array<sidora::models::MoonSpan, 51>& spans) {
    if (spans == spans_) return;
    spans_ = spans;
    update();
}

void MoonPicture::set_printing(bool printing) {
    printing_ = printing;
    update();
}

void MoonPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 128));
    const QColor lit = printing_ ? Qt::black : Qt::yellow;
    // Pixels 1..50 of rows 1..50, the picture's own coordinates inside a 2-pixel margin.
    for (int y = 1; y <= 50; ++y) {
        const auto& s = spans_[static_cast<std::size_t>(y)];
        const int first = std::max(s.first, 1), last = std::min(s.last, 50);
        if (last >= first) p.fillRect(first + 1, y + 1, last - first + 1, 1, lit);
    }
}
