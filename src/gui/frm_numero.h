#pragma once
// The numerology window and the editor of its interpretation texts.
#include <QDialog>
#include <QWidget>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/numerology_window.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TFrmOsoby;

class TFrmNumEdit : public QDialog {
    Q_OBJECT
public:
    TFrmNumEdit(const std::filesystem::path& numera, int max_count, Shell& shell, QWidget* parent);
    sidora::models::NumEditor& model() { return model_; }

    QRadioButton* RadioVibracni;
    QRadioButton* RadioMrizka;
    QComboBox* ComboCislice;
    QComboBox* ComboKolikrat;
    QPushButton* BitOK;
    QPlainTextEdit* Memo;
    QPushButton* BitUloz;
    QPushButton* BitFont;
    QPushButton* BitSmaz;
    QPushButton* BitOpust;
    QLabel* LabelNenalezen;

    // Answers the questions instead of a box (tests); nothing asks the user.
    std::function<bool(const QString&)> ask;

public slots:
    void BitOKClick();
    void BitUlozClick();
    void BitSmazClick();

protected:
    void done(int result) override;

private:
    bool question(const QString& text);
    void sync();
    Shell& shell_;
    sidora::models::NumEditor model_;
};

class TFrmNumero : public QWidget {
    Q_OBJECT
public:
    TFrmNumero(sidora::data::AppState& state, Shell& shell, QWidget* main_window);
    void open_window();
    sidora::models::NumerologyWindow& model() { return model_; }

    QListWidget* ListBox1;
    QLabel* LabelJmeno;
    QLabel* LabelDatum;
    QLabel* LabelMisto;
    QLabel* LabelCas;
    QLabel* LabelPasmo;
    std::array<QPushButton*, 10> Num;  // 1..9
    QLabel* LabelCislice;
    QPushButton* BitVibrace;
    QLabel* LabelMezisoucet;
    std::array<QLabel*, 8> Linie;
    QLabel* LabelDen;
    QLabel* LabelDenCislice;
    QLabel* LabelDenVladce;
    QLabel* LabelHodina;
    QLabel* LabelHodinaVladce;
    QPushButton* BitEditace;
    QPushButton* BitVyklad;
    QPushButton* BitNova;
    QPushButton* BitSmaz;
    QPushButton* BitOprav;
    QPushButton* BitOpust;

signals:
    void editorOpened(TFrmNumEdit* editor);

public slots:
    void ListBox1Click();
    void NumClick(int digit);
    void BitVykladClick();
    void BitEditaceClick();
    void BitOpravClick();
    void BitSmazClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show_view();
    void fill_list(const std::string& select);
    // The selected item when it is the person shown; otherwise warns and gives nothing.
    std::optional<std::size_t> shown_selection();
    void open_editor(const std::string& name);
    TFrmOsoby* editor_ = nullptr;
    void warn(const std::string& text);
    sidora::data::AppState& state_;
    Shell& shell_;
    QWidget* main_window_;
    sidora::models::NumerologyWindow model_;
};

// Opens the texts' editor by itself (the main window's menu).
void open_numerology_editor(sidora::data::AppState& state, Shell& shell, QWidget* parent);
