#pragma once
// Paints a model's drawing list with QPainter: on a widget, an image or paper alike.
#include <QImage>
#include <QString>
#include <functional>

#include "models/drawing.h"

class QPainter;

namespace sidora::render {

// Every item in order; an item for which `skip` says yes is left out (a picture held down).
void paint(QPainter& painter, const models::Drawing& drawing,
           const std::function<bool(const models::DrawItem&)>& skip = {});

// What `paint` draws over white, on an image of `size` or as an SVG file of that size in
// pixels, titled (false when the file cannot be written).
using PaintFunction = std::function<void(QPainter&)>;
QImage painted_image(QSize size, const PaintFunction& paint);
bool save_painted_svg(const QString& file, const QString& title, QSize size, const PaintFunction& paint);

// The drawing on an image of its own size.
QImage image(const models::Drawing& drawing);

// The drawing as a PNG file; false when it cannot be written.
bool save_png(const models::Drawing& drawing, const QString& file);

// The drawing as an SVG file of its size in pixels, titled; false when it cannot be written.
bool save_svg(const models::Drawing& drawing, const QString& file, const QString& title);

}  // namespace sidora::render
