#include "render/wheel_painter.h"

#include <QFontMetrics>
#include <cmath>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include "engine/angles.h"
#include "models/symbols.h"
#include "render/painter.h"
#include "render/symbol_font.h"

namespace sidora::render {
namespace {

namespace h = horoscope;

QColor qcolour(const h::Colour& c) { return QColor(c.r, c.g, c.b); }
QPointF qpoint(const h::Point& p) { return QPointF(p.x, p.y); }

// Fire, earth, air, water: the ring's tint and the letters' colour.
struct Element {
    QColor ring, letter;
};
const Element& element_of(int sign) {
    static const Element kElements[4] = {{QColor(255, 226, 214), QColor(176, 32, 0)},
                                         {QColor(226, 240, 212), QColor(40, 110, 20)},
                                         {QColor(255, 249, 206), QColor(150, 120, 0)},
                                         {QColor(216, 230, 255), QColor(0, 60, 170)}};
    return kElements[(sign - 1) % 4];
}

// Qt counts angles counter-clockwise from the right; the wheel has 0° at the left.
double qt_angle(double lon) { return 180.0 + lon; }

QRectF circle(double r) { return {h::kWheelCentre - r, h::kWheelCentre - r, 2 * r, 2 * r}; }

QPointF at(double lon, double r) {
    const double t = lon * engine::kPi / 180.0;
    return {h::kWheelCentre - r * std::cos(t), h::kWheelCentre + r * std::sin(t)};
}

void paint_zodiac(QPainter& p) {
    const QRectF outer = circle(h::kSignRingOuter), inner = circle(h::kSignRingInner);
    p.setPen(Qt::NoPen);
    for (int sign = 1; sign <= 12; ++sign) {
        const double from = 30.0 * (sign - 1);
        QPainterPath sector;
        sector.arcMoveTo(outer, qt_angle(from));
        sector.arcTo(outer, qt_angle(from), 30);
        sector.arcTo(inner, qt_angle(from + 30), -30);
        sector.closeSubpath();
        p.fillPath(sector, element_of(sign).ring);
    }
    const QColor ink(70, 70, 70);
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(outer);
    p.drawEllipse(inner);
    for (int deg = 0; deg < 360; deg += 5) {
        // Sign borders across the ring; ticks of 10° and 5° inside it.
        const double len = deg % 30 == 0 ? h::kSignRingOuter - h::kSignRingInner : deg % 10 == 0 ? 4 : 2;
        p.setPen(QPen(ink, deg % 30 == 0 ? 1 : 0.6));
        p.drawLine(at(deg, h::kSignRingInner), at(deg, h::kSignRingInner + len));
    }
    p.setFont(symbol_font(13));
    const double mid = (h::kSignRingInner + h::kSignRingOuter) / 2.0;
    for (int sign = 1; sign <= 12; ++sign) {
        const QPointF c = at(30.0 * (sign - 1) + 15, mid);
        p.setPen(element_of(sign).letter);
        p.drawText(QRectF(c.x() - 9, c.y() - 9, 18, 18), Qt::AlignCenter,
                   symbol_qtext(std::string(1, models::sign_letter(sign))));
    }
}

void paint_glyph(QPainter& p, const h::Point& corner, unsigned char letter, const QColor& ink) {
    const QRectF box(corner.x, corner.y, h::kGlyphSize, h::kGlyphSize);
    p.fillRect(box, Qt::white);
    const QString text = symbol_qtext(std::string(1, static_cast<char>(letter)));
    p.setFont(symbol_font(text.size() > 1 ? 9 : 13));
    p.setPen(ink);
    p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

void paint_wheel(QPainter& p, const h::WheelView& v) {
    p.save();
    const double k = v.size / static_cast<double>(h::kWheelSize);
    p.scale(k, k);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(QRectF(0, 0, h::kWheelSize, h::kWheelSize), Qt::white);
    paint_zodiac(p);

    for (const h::WheelLine& l : v.house_lines) {
        p.setPen(QPen(qcolour(l.rgb), l.width));
        p.drawLine(qpoint(l.from), qpoint(l.to));
    }
    QFont numbers("DejaVu Sans");
    numbers.setPixelSize(10);
    p.setFont(numbers);
    p.setPen(Qt::black);
    const QFontMetrics fm(numbers);
    for (const h::HouseNumber& n : v.house_numbers) {
        const QString text = QString::number(n.number);
        // The right and bottom ends would write past the picture's edge.
        const int w = fm.horizontalAdvance(text), hgt = fm.height();
        const int x = std::min(n.at.x, h::kWheelSize - w), y = std::min(n.at.y, h::kWheelSize - hgt);
        p.drawText(QRect(x, y, w, hgt), Qt::AlignLeft | Qt::AlignTop, text);
    }
    for (const h::AspectLine& l : v.aspect_lines) {
        p.setPen(QPen(qcolour(l.rgb), l.width));
        p.drawLine(qpoint(l.from), qpoint(l.to));
    }
    for (const h::WheelGlyph& g : v.glyphs) {
        if (g.shown) paint_glyph(p, g.corner, models::wheel_letter(g.slot), Qt::black);
    }
    const QColor overlay = v.overlay.mode == h::OverlayMode::Partneri ? QColor(0, 110, 0) : QColor(170, 0, 0);
    for (const h::OverlayGlyph& g : v.overlay.glyphs) {
        paint_glyph(p, g.corner, models::body_letter(g.body), overlay);
    }
    p.restore();
}

QImage wheel_image(const h::WheelView& v) {
    return painted_image(QSize(v.size, v.size), [&v](QPainter& p) { paint_wheel(p, v); });
}

bool save_wheel_png(const h::WheelView& v, const QString& file) { return wheel_image(v).save(file, "PNG"); }

bool save_wheel_svg(const h::WheelView& v, const QString& file, const QString& title) {
    return save_painted_svg(file, title, QSize(v.size, v.size), [&v](QPainter& p) { paint_wheel(p, v); });
}

bool save_wheel_pdf(const h::WheelView& v, const QString& file, const QString& title) {
    QPdfWriter pdf(file);
    pdf.setTitle(title);
    pdf.setCreator("Sidora");
    pdf.setResolution(72);  // one logical pixel a point
    pdf.setPageSize(QPageSize(QSizeF(v.size, v.size), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p;
    if (!p.begin(&pdf)) return false;
    paint_wheel(p, v);
    return p.end();
}

}  // namespace sidora::render
