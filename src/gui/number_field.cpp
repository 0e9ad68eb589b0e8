#include "gui/number_field.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

NumberField::NumberField(const QString& name, int max_digits, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setMaxLength(max_digits);
    // Pasted text must be digits too; the validator refuses anything else whole.
    setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    // Shortcuts (Ctrl+A, Ctrl+V ...) and the editing keys carry no printable text.
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (printable && !shortcut) {
        for (const QChar c : text) {
            if (!c.isDigit() || c.unicode() > '9') {
                QApplication::beep();
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumberField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    // The press that brought the focus would put the cursor at the click instead.
    select_after_click_ = event->reason() == Qt::MouseFocusReason;
}

void NumberField::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (select_after_click_) selectAll();
}

void NumberField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (select_after_click_) {
        selectAll();
        select_after_click_ = false;
    }
}
