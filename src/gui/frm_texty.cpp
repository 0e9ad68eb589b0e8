#include "gui/frm_texty.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

TFrmTexty::TFrmTexty(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TFrmTexty");
    setWindowTitle("Texty");
    Text = new QTextEdit(this);
    Text->setObjectName("Text");
    Text->setReadOnly(true);
    Text->setLineWrapMode(QTextEdit::NoWrap);
    Text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text);
}

void TFrmTexty::show_placed() {
    if (!isVisible()) {
        clear_text();
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect r = screen->availableGeometry();
            setGeometry(r.left(), r.top(), r.width() / 2, r.height());
        }
        show();
    }
    setEnabled(true);
    raise();
}

void TFrmTexty::clear_text() {
    Text->clear();
    lines_.clear();
}

void TFrmTexty::add_line(const sidora::models::StyledLine& line) {
    show_placed();
    QTextCharFormat f;
    f.setFontFamilies({"Arial"});
    f.setForeground(QColor(line.colour.r, line.colour.g, line.colour.b));
    f.setFontPointSize(line.size);
    f.setFontWeight(line.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(line.italic);
    f.setFontUnderline(line.underline);
    QTextCursor c(Text->document());
    c.movePosition(QTextCursor::End);
    if (!lines_.empty()) c.insertBlock();
    c.setCharFormat(f);
    c.insertText(QString::fromStdString(line.text), f);
    lines_.push_back(line);
}

void TFrmTexty::add(const sidora::models::StyledDocument& doc) {
    show_placed();
    for (const auto& line : doc.lines()) add_line(line);
    Text->moveCursor(QTextCursor::End);
}

void TFrmTexty::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

TFrmTexty& texts_window() {
    static TFrmTexty* window = new TFrmTexty;
    return *window;
}
