#pragma once
// The warning window: on top of every window, not blocking, closed with "&OK".
#include <QDialog>

class QLabel;
class QPushButton;

class TFrmPozor : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPozor(QWidget* parent = nullptr);
    // Shows the text, beeps and brings the window to the front.
    void show_warning(const QString& text);
    QString text() const;

private:
    QLabel* Label1;
    QPushButton* BitOK;
};
