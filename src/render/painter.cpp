#include "render/painter.h"

#include <QFile>
#include <QPainter>
#include <QPen>
#include <QSvgGenerator>

#include "models/symbols.h"
#include "render/symbol_font.h"

namespace sidora::render {
namespace {

QColor qcolour(const models::Rgb& c) { return QColor(c.r, c.g, c.b); }

QString text_of(const models::DrawItem& i) {
    return i.symbol ? symbol_qtext(i.text) : QString::fromStdString(i.text);
}

}  // namespace

void paint(QPainter& p, const models::Drawing& d, const std::function<bool(const models::DrawItem&)>& skip) {
    using K = models::DrawItem::Kind;
    p.save();
    for (const models::DrawItem& i : d.items) {
        if (skip && skip(i)) continue;
        const QRect r(i.x, i.y, i.w, i.h);
        switch (i.kind) {
            case K::Fill: p.fillRect(r, qcolour(i.color)); break;
            case K::Frame:
                p.setRenderHint(QPainter::Antialiasing, false);
                p.setPen(QPen(qcolour(i.color), 1));
                p.setBrush(Qt::NoBrush);
                p.drawRect(i.x, i.y, i.w - 1, i.h - 1);
                break;
            case K::Line:
                // Pixel lines as the models count them, without smoothing.
                p.setRenderHint(QPainter::Antialiasing, false);
                p.setPen(QPen(qcolour(i.color), i.pen, i.dashed ? Qt::DashLine : Qt::SolidLine));
                p.drawLine(i.x, i.y, i.x2, i.y2);
                break;
            case K::Ellipse:
                p.setRenderHint(QPainter::Antialiasing, true);
                p.setPen(Qt::NoPen);
                p.setBrush(qcolour(i.color));
                p.drawEllipse(r);
                break;
            case K::Body: {
                p.setRenderHint(QPainter::Antialiasing, true);
                p.setPen(QPen(qcolour(i.fill).darker(160), 1));
                p.setBrush(qcolour(i.fill));
                p.drawEllipse(QRectF(i.x + 0.5, i.y + 0.5, i.w - 1, i.h - 1));
                p.setFont(symbol_font(i.size));
                p.setPen(qcolour(i.color));
                p.drawText(r, Qt::AlignCenter, text_of(i));
                break;
            }
            case K::Text: {
                p.setRenderHint(QPainter::Antialiasing, true);
                if (i.filled) p.fillRect(r, qcolour(i.fill));
                QFont f("DejaVu Sans");
                f.setPixelSize(i.size);
                p.setFont(i.symbol ? symbol_font(i.size) : f);
                p.setPen(qcolour(i.color));
                const Qt::Alignment h = i.align == 1 ? Qt::AlignLeft : i.align == 2 ? Qt::AlignRight : Qt::AlignHCenter;
                p.drawText(r, int(h | Qt::AlignVCenter), text_of(i));
                break;
            }
        }
    }
    p.restore();
}

QImage painted_image(QSize size, const PaintFunction& paint) {
    QImage img(std::max(1, size.width()), std::max(1, size.height()), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    paint(p);
    return img;
}

bool save_painted_svg(const QString& file, const QString& title, QSize size, const PaintFunction& paint) {
    // The generator reports no failure of its own: open the file here to know.
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    size = size.expandedTo(QSize(1, 1));
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    svg.setResolution(96);
    {
        QPainter p;
        if (!p.begin(&svg)) return false;
        p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        paint(p);
        p.end();
    }
    out.close();
    return out.error() == QFileDevice::NoError;
}

QImage image(const models::Drawing& d) {
    return painted_image(QSize(d.width, d.height), [&d](QPainter& p) { paint(p, d); });
}

bool save_png(const models::Drawing& d, const QString& file) { return image(d).save(file, "PNG"); }

bool save_svg(const models::Drawing& d, const QString& file, const QString& title) {
    return save_painted_svg(file, title, QSize(d.width, d.height), [&d](QPainter& p) { paint(p, d); });
}

}  // namespace sidora::render
