#pragma once
// Number boxes take the digits and Backspace only; any other typed character beeps.
#include <QObject>

class DigitKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
