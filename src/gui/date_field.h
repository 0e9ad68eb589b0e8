#pragma once
// The date picker of the dialogs: a date typed over the whole selected date goes into its
// sections from the day on (a plain date edit would drop the day's digits), and a year
// outside the allowed range is refused with the reason instead of silently.
#include <QDateEdit>

class DateField : public QDateEdit {
    Q_OBJECT
public:
    DateField(const QString& name, QWidget* parent);

signals:
    // A typed year the range refuses: the text to show the user.
    void refused(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool advanced_ = false;  // the last digit filled its section and moved to the next
};
