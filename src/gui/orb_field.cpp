#include "gui/orb_field.h"

#include <cmath>

#include "models/orb_editor.h"

OrbField::OrbField(const QString& name, int digits, QWidget* parent) : NumberField(name, digits, parent) {
    setFixedWidth(fontMetrics().horizontalAdvance("00") + 16);
    setAlignment(Qt::AlignRight);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        const QString fixed = QString::fromStdString(sidora::models::orb_field_text(t.toStdString()));
        if (fixed != t) setText(fixed);
    });
}

void OrbField::set_orb(double orb) { setText(QString::number(static_cast<long>(std::trunc(orb)))); }
