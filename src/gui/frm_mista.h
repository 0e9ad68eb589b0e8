#pragma once
// The places window: choose the current place, add, edit and delete places.
#include <QDialog>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/places_window.h"

class QLabel;
class QListWidget;
class QPushButton;

class TFrmMista : public QDialog {
    Q_OBJECT
public:
    TFrmMista(sidora::data::AppState& state, Shell& shell, QWidget* main_window);

    QListWidget* ListBox1;
    QLabel* LabelMisto;
    QLabel* LabelSirka;
    QLabel* LabelDelka;
    QPushButton* BitNove;
    QPushButton* BitSmaz;
    QPushButton* BitDomov;  // "O&prav"
    QPushButton* BitNastav;
    QPushButton* BitOpust;

signals:
    // While the window is shown the main window disables its settings, date and horoscope buttons.
    void shownChanged(bool shown);

public slots:
    void ListBox1Click();
    void BitNastavClick();
    void BitNoveClick();
    void BitDomovClick();
    void BitSmazClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FormActivate();
    void fill_list(const QString& select);
    std::optional<std::string> selected_name() const;
    void warn(const std::string& text);

    sidora::data::AppState& state_;
    Shell& shell_;
    QWidget* main_window_;
    sidora::models::PlacesWindow model_;
};
