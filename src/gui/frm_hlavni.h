#pragma once
// The main window: the sky calendar with its seven tabs and its one-second timer.
#include <QMainWindow>

#include "data/app_state.h"

class QTabWidget;
class QTimer;
class TFrmPozor;
class TFrmProgress;
class TFrmStart;

class TFrmHlavni : public QMainWindow {
    Q_OBJECT
public:
    TFrmHlavni(sidora::data::AppState& state, TFrmPozor& pozor, TFrmProgress& progress,
               TFrmStart& splash, QWidget* parent = nullptr);

    QTabWidget* page_control() const { return PageControl1; }
    QTimer* timer() const { return Timer1; }

public slots:
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void install_texts();

    sidora::data::AppState& state_;
    TFrmPozor& pozor_;
    TFrmProgress& progress_;
    TFrmStart& splash_;
    QTabWidget* PageControl1;
    QTimer* Timer1;
    bool shown_once_ = false;
};
