#pragma once
// The warning window: above the window that was active (not above other programs), not
// blocking, closed with "&OK"; its size fits every line of the message.
#include <QDialog>

class QLabel;
class QPushButton;

class TFrmPozor : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPozor(QWidget* parent = nullptr);
    // Shows the text, beeps and brings the window to the front.
    void show_warning(const QString& text);
    // The same, and returns only when the user has closed the warning (as the program ends).
    void show_and_wait(const QString& text);
    QString text() const;

private:
    void fit_text(const QString& text);
    QLabel* Label1;
    QPushButton* BitOK;
};
