#pragma once
// A box for a whole number: digits only, typed or pasted; every editing key works (Ctrl+A,
// Home, End, Delete, Backspace, the clipboard, the context menu). Entering the box, by Tab
// or by a click, selects its content, so typing replaces what is shown. An emptied box stays
// empty: the window decides what an empty box means when it reads it.
#include <QLineEdit>

class NumberField : public QLineEdit {
    Q_OBJECT
public:
    NumberField(const QString& name, int max_digits, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool select_after_click_ = false;
};
