#include "gui/date_field.h"

#include <QKeyEvent>
#include <QLineEdit>

DateField::DateField(const QString& name, QWidget* parent) : QDateEdit(parent) {
    setObjectName(name);
    setDisplayFormat("d.M.yyyy");
}

void DateField::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool digit = typed.size() == 1 && typed[0] >= '0' && typed[0] <= '9';
    if (digit && !lineEdit()->selectedText().isEmpty() && lineEdit()->selectedText() == text()) {
        setSelectedSection(sectionAt(0));
    }
    // A full day or month moves on by itself; the dot typed after it must not skip a section.
    if (typed == "." && advanced_) {
        advanced_ = false;
        event->accept();
        return;
    }
    const QString before = text();
    const Section section = currentSection();
    QDateEdit::keyPressEvent(event);
    advanced_ = digit && currentSection() != section;
    // The picker refuses a year digit that can lead to no year of the range only.
    if (digit && section == YearSection && text() == before) {
        emit refused(QString("Rok musí ležet v rozmezí %1 až %2!")
                         .arg(minimumDate().year())
                         .arg(maximumDate().year()));
    }
}
