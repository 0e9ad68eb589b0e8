#include "gui/view_canvas.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "render/painter.h"

ViewCanvas::ViewCanvas(QWidget* parent) : QWidget(parent) { setMouseTracking(false); }

void ViewCanvas::set_drawing(sidora::models::Drawing drawing) {
    // The same picture again is not repainted (the views refresh twice a second).
    if (drawing.items == drawing_.items && drawing.width == drawing_.width) return;
    drawing_ = std::move(drawing);
    update();
}

void ViewCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    sidora::render::paint(p, drawing_, [this](const sidora::models::DrawItem& i) {
        return !held_.empty() && i.name == held_;
    });
}

bool ViewCanvas::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const auto* item = drawing_.hint_at(help->pos().x(), help->pos().y());
        if (item) {
            QToolTip::showText(help->globalPos(), QString::fromStdString(item->hint), this);
        } else {
            QToolTip::hideText();
            e->ignore();
        }
        return true;
    }
    return QWidget::event(e);
}

void ViewCanvas::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const auto* item = drawing_.hint_at(e->position().toPoint().x(), e->position().toPoint().y());
    if (item && pressable_.count(item->name)) {
        held_ = item->name;
        update();
    }
}

void ViewCanvas::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || held_.empty()) return;
    held_.clear();
    update();
}
