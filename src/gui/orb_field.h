#pragma once
// An orb field of the orb editors: digits and Backspace only, "0" when emptied, at most 18.
#include <QLineEdit>

class OrbField : public QLineEdit {
    Q_OBJECT
public:
    OrbField(const QString& name, int digits, QWidget* parent);
    void set_orb(double orb);  // shown cut to a whole number
    double orb() const { return text().toDouble(); }
};
