#pragma once
// A widget that shows a model's drawing, the hint of the picture under the mouse, and
// hides a picture while the left button is held on it (to see what lies below).
#include <QWidget>
#include <set>
#include <string>

#include "models/drawing.h"

class ViewCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ViewCanvas(QWidget* parent = nullptr);
    void set_drawing(sidora::models::Drawing drawing);
    const sidora::models::Drawing& drawing() const { return drawing_; }
    // Pictures of these names hide while pressed.
    void set_pressable(std::set<std::string> names) { pressable_ = std::move(names); }
    const std::string& held() const { return held_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    sidora::models::Drawing drawing_;
    std::set<std::string> pressable_;
    std::string held_;
};
