#include "render/document_pdf.h"

#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace sidora::render {

bool save_document_pdf(const models::StyledDocument& doc, const QString& file) {
    QTextDocument text;
    QFont base("Arial");
    base.setPointSize(doc.base());
    text.setDefaultFont(base);
    QTextCursor cursor(&text);
    bool first = true;
    for (const auto& line : doc.lines()) {
        if (!first) cursor.insertBlock();
        first = false;
        QTextCharFormat f;
        f.setForeground(QColor(line.colour.r, line.colour.g, line.colour.b));
        f.setFontPointSize(line.size);
        f.setFontWeight(line.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(line.italic);
        f.setFontUnderline(line.underline);
        cursor.insertText(QString::fromStdString(line.text), f);
    }
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    QPdfWriter pdf(&out);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setTitle("Sidora");
    text.print(&pdf);
    return out.error() == QFile::NoError;
}

}  // namespace sidora::render
