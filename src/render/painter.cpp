#include "render/painter.h"

#include <QPainter>
#include <QPen>

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
                p.setPen(QPen(qcolour(i.color), 1, i.dashed ? Qt::DashLine : Qt::SolidLine));
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

QImage image(const models::Drawing& d) {
    QImage img(std::max(1, d.width), std::max(1, d.height), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    paint(p, d);
    return img;
}

bool save_png(const models::Drawing& d, const QString& file) { return image(d).save(file, "PNG"); }

}  // namespace sidora::render
