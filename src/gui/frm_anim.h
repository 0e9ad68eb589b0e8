#pragma once
// "Animace": steps the main window's moment twice a second, forward or back.
#include <QWidget>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/animation.h"

class QButtonGroup;
class QTimer;
class QToolButton;
class TFrmHelio;
class TFrmHlavni;

class TFrmAnim : public QWidget {
    Q_OBJECT
public:
    TFrmAnim(sidora::data::AppState& state, Shell& shell, TFrmHlavni& main, TFrmHelio& helio, QWidget* parent = nullptr);

    QTimer* timer() const { return Timer1; }
    QToolButton* button(const QString& name) const;
    const sidora::models::Animation& animation() const { return animation_; }

public slots:
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void start(bool back);
    void stop();
    // Every timer that follows the animation takes the rate of the state.
    void apply_rate();

    sidora::data::AppState& state_;
    TFrmHlavni& main_;
    TFrmHelio& helio_;
    sidora::models::Animation animation_;
    QButtonGroup* steps_;
    QButtonGroup* directions_;
    QTimer* Timer1;
};
