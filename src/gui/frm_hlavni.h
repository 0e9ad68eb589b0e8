#pragma once
// The main window: the sky calendar with its seven tabs and its one-second timer.
#include <QMainWindow>

#include "data/app_state.h"
#include "gui/shell.h"

class QLabel;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;
class TFrmMista;
class TFrmStart;

class TFrmHlavni : public QMainWindow {
    Q_OBJECT
public:
    TFrmHlavni(sidora::data::AppState& state, Shell& shell, TFrmStart& splash, QWidget* parent = nullptr);

    QTabWidget* page_control() const { return PageControl1; }
    QTimer* timer() const { return Timer1; }
    QToolButton* place_button() const { return ToolButton1; }
    TFrmMista& places_window() const { return *mista_; }
    QString place_text() const;

public slots:
    void Timer1Timer();
    void ToolButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void install_texts();
    void build_tool_bar();
    void show_place();
    // The places window disables these while it is shown.
    void set_place_window_shown(bool shown);

    sidora::data::AppState& state_;
    Shell& shell_;
    TFrmStart& splash_;
    QTabWidget* PageControl1;
    QTimer* Timer1;
    QToolBar* ToolBar1;
    QToolButton* ToolButton1;
    QLabel* place_label_;
    TFrmMista* mista_;
    bool shown_once_ = false;
};
