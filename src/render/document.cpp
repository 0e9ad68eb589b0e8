#include "render/document.h"

#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

namespace sidora::render {
namespace {

QFont line_font(const models::StyledLine& l, QPaintDevice* device) {
    QFont f(QStringLiteral("Arial"));
    // Where Arial is missing the substitute must still carry the Czech letters.
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(l.size);
    f.setBold(l.bold);
    f.setItalic(l.italic);
    f.setUnderline(l.underline);
    return QFont(f, device);
}

// One copy; `pages` counts every page begun, the first included.
void paint_copy(QPainter& p, QPagedPaintDevice& device, const models::StyledDocument& doc, int& pages) {
    const qreal width = device.width();
    const qreal height = device.height();
    qreal y = 0;
    for (const models::StyledLine& l : doc.lines()) {
        const QFont font = line_font(l, &device);
        QTextLayout layout(QString::fromStdString(l.text), font, &device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        p.setFont(font);
        p.setPen(QColor(l.colour.r, l.colour.g, l.colour.b));
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const qreal h = line.height();
            if (y > 0 && y + h > height) {
                device.newPage();
                ++pages;
                y = 0;
            }
            line.draw(&p, QPointF(0, y - line.y()));
            y += h;
        }
    }
}

}  // namespace

int paint_document(QPagedPaintDevice& device, const models::StyledDocument& doc, int copies) {
    if (copies <= 0) return 0;
    QPainter p(&device);
    if (!p.isActive()) return 0;
    int pages = 1;
    for (int c = 0; c < copies; ++c) {
        if (c > 0) {
            device.newPage();
            ++pages;
        }
        paint_copy(p, device, doc, pages);
    }
    return pages;
}

bool save_pdf(const models::StyledDocument& doc, const QString& file) {
    {
        // QPdfWriter gives no error of its own; an unwritable file shows as an inactive painter.
        QFile probe(file);
        if (!probe.open(QIODevice::WriteOnly)) return false;
    }
    QPdfWriter writer(file);
    writer.setCreator(QStringLiteral("Sidora"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                                     QPageLayout::Millimeter));
    return paint_document(writer, doc) > 0;
}

}  // namespace sidora::render
