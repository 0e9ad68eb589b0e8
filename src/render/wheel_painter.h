#pragma once
// The chart wheel painted with QPainter: the zodiac drawn here, then the model's glyphs and
// lines. One painter for the window, paper and the files.
#include <QImage>
#include <QString>

#include "horoscope/wheel.h"

class QPainter;

namespace sidora::render {

// The wheel in the square (0, 0)–(view.size, view.size) of the painter, the model's 297
// logical pixels scaled uniformly to it.
void paint_wheel(QPainter& painter, const horoscope::WheelView& view);

// The wheel on a white image of view.size pixels.
QImage wheel_image(const horoscope::WheelView& view);

// Files of view.size pixels (points for PDF); false when the file cannot be written.
bool save_wheel_png(const horoscope::WheelView& view, const QString& file);
bool save_wheel_svg(const horoscope::WheelView& view, const QString& file, const QString& title);
bool save_wheel_pdf(const horoscope::WheelView& view, const QString& file, const QString& title);

}  // namespace sidora::render
