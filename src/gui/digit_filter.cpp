#include "gui/digit_filter.h"

#include <QApplication>
#include <QKeyEvent>

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        // Keys that move between controls or confirm the dialog keep their meaning.
        case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Return: case Qt::Key_Enter:
        case Qt::Key_Escape: case Qt::Key_Backspace:
            return false;
        default:
            break;
    }
    const QString text = key->text();
    if (text.isEmpty()) return false;  // arrows, Home, Delete ...
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') return false;
    QApplication::beep();
    return true;
}
