#pragma once
// The biorhythm window: two persons, their comparison, and the tables of either.
#include <QWidget>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/biorhythm_window.h"

class DateField;
class QLabel;
class QListWidget;
class QPushButton;
class TFrmOsoby;

class TFrmBio : public QWidget {
    Q_OBJECT
public:
    TFrmBio(sidora::data::AppState& state, Shell& shell, QWidget* main_window);

    // FormShow and FormActivate: fills the lists and disables the main window.
    void open_window();
    sidora::models::BioWindow& model() { return model_; }

    QListWidget* ListBox1;
    QListWidget* ListBox2;
    std::array<QLabel*, 3> Person1;  // name, sex, birth
    std::array<QLabel*, 3> Person2;
    DateField* DateOd;
    std::array<QLabel*, 4> Harmonie;  // "Fyzický" … "Průměr"
    QPushButton* BitNova;
    QPushButton* BitSmaz;
    QPushButton* BitOprav;
    QPushButton* BitBio1;
    QPushButton* BitBio2;
    QPushButton* BitOpust;

signals:
    // The table window is about to open (tests reach it here).
    void tableOpened(QDialog* table);

public slots:
    void ListClick(int list);
    void BitBioClick(int list);
    void BitSmazClick();
    void BitNovaClick();
    void BitOpravClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill_lists();
    // The person editor for a new person (empty name) or the named one.
    void open_editor(const std::string& name);
    void show_person(int list);
    void show_comparison();
    void warn(const std::string& text);
    std::optional<std::size_t> selected(int list) const;

    sidora::data::AppState& state_;
    Shell& shell_;
    QWidget* main_window_;
    sidora::models::BioWindow model_;
    TFrmOsoby* editor_ = nullptr;
};
