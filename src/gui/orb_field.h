#pragma once
// An orb field of the orb editors: a number field of at most 18; empty counts as 0.
#include "gui/number_field.h"

class OrbField : public NumberField {
    Q_OBJECT
public:
    OrbField(const QString& name, int digits, QWidget* parent);
    void set_orb(double orb);  // shown cut to a whole number
    double orb() const { return text().toDouble(); }
};
