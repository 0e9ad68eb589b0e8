#pragma once
// The person chooser of the horoscopes: pick, add, edit and delete persons.
#include <QDialog>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/person_chooser.h"

class QLabel;
class QListWidget;
class QPushButton;
class TFrmOsoby;

class TFrmAstroDat : public QDialog {
    Q_OBJECT
public:
    TFrmAstroDat(sidora::data::AppState& state, Shell& shell, QWidget* main_window);

    // FormShow for a slot (1 natal, 2 partner), then shows the window.
    void open_for(int slot);
    TFrmOsoby& editor() const { return *editor_; }

    QListWidget* ListBox1;
    QLabel* LabelJmeno;
    QLabel* LabelPohlavi;
    QLabel* LabelDatum;
    QLabel* LabelMisto;
    QLabel* LabelCas;
    QLabel* LabelSystem;
    QLabel* LabelPasmo;
    QLabel* LabelLetni;
    QPushButton* BitNova;
    QPushButton* BitSmaz;
    QPushButton* BitDomov;   // "O&prav"
    QPushButton* BitNastav;  // "&Vypočítej horoskop"
    QPushButton* BitOpust;

signals:
    // The slot holds a person that can be computed.
    void computeRequested(int slot);
    void shownChanged(bool shown);

public slots:
    void ListBox1Click();
    void BitNastavClick();
    void BitNovaClick();
    void BitDomovClick();
    void BitSmazClick();

protected:
    void done(int result) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormActivate();
    void fill_list(const QString& select);
    void show_details();
    void person_saved(const QString& name);
    std::optional<std::string> selected_name() const;
    void warn(const std::string& text);

    sidora::data::AppState& state_;
    Shell& shell_;
    sidora::models::PersonChooser model_;
    TFrmOsoby* editor_;
};
