#pragma once
// The splash window, shown while the program starts; later also the about box.
#include <QDialog>

class TFrmStart : public QDialog {
    Q_OBJECT
public:
    explicit TFrmStart(QWidget* parent = nullptr);
    // The splash again as the about box, closed by a click or Escape.
    void show_about();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
