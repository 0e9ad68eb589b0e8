#pragma once
// "Planety": the sky around the observer for the main window's moment and place, with the
// place changeable from the window. Created anew by its command, released when closed.
#include <QWidget>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/sphere_view.h"

class QListWidget;
class QTimer;
class TFrmHlavni;
class ViewCanvas;

class TFrmSfera : public QWidget {
    Q_OBJECT
public:
    TFrmSfera(sidora::data::AppState& state, Shell& shell, TFrmHlavni& main);

    ViewCanvas* canvas() const { return Image1; }
    QListWidget* places() const { return Listbox1; }
    QTimer* timer() const { return Timer1; }
    const sidora::models::SphereView& view() const { return view_; }

public slots:
    void Timer1Timer();
    void Listbox1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fill_places(const QString& selected);
    void refresh();

    sidora::data::AppState& state_;
    Shell& shell_;
    TFrmHlavni& main_;
    ViewCanvas* Image1;
    QListWidget* Listbox1;
    QTimer* Timer1;
    sidora::models::SphereView view_;
};
