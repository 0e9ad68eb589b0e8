#pragma once
// The editors of the interpretation library: `TFrmVyklady` for natal texts, `TFrmVyklady1`
// for partner texts. Not modal; each asks before a change of its text is lost.
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/text_editors.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

// What both editors share: the buttons, the text field and the questions.
class TextEditorFrame : public QWidget {
    Q_OBJECT
public:
    QPushButton* BitOK;
    QPushButton* BitUloz;
    QPushButton* BitSmaz;
    QPushButton* BitFont;
    QPushButton* BitOpust;
    QToolButton* BitHelp;
    QLabel* LabelNenalezen;
    QLabel* LabelKonstelace;
    QLabel* LabelSoubor;
    QPlainTextEdit* Memo;

    // Answers the questions instead of a box (tests); nothing asks the user.
    std::function<bool(const QString&)> ask;

public slots:
    void BitOKClick();
    void BitUlozClick();
    void BitSmazClick();

protected:
    TextEditorFrame(Shell& shell, int help_topic, const QString& help_name, QWidget* parent);
    // The lists above the text, filled by the editor.
    QVBoxLayout* choices_area() const { return choices_; }
    QComboBox* add_list(const QString& name, const std::vector<std::string>& items);
    // The editor's text, the warning that stops a load, and its load.
    virtual sidora::models::LoadedText& text() = 0;
    virtual std::optional<std::string> check() const = 0;
    virtual std::optional<std::string> load() = 0;
    // The lists' enabling after a change.
    virtual void sync_lists() {}
    void closeEvent(QCloseEvent* event) override;
    void sync();

private:
    bool question(const QString& text);
    bool save_or_say();
    Shell& shell_;
    QVBoxLayout* choices_;
};

class TFrmVyklady : public TextEditorFrame {
    Q_OBJECT
public:
    TFrmVyklady(sidora::data::AppState& state, Shell& shell, QWidget* parent);
    sidora::models::NatalTextEditor& model() { return model_; }

    QComboBox* ComboPlaneta;
    QComboBox* ComboZnameni;
    QComboBox* ComboDum;
    QComboBox* ComboAspekt;
    QComboBox* ComboPlaneta2;
    QComboBox* ComboZnameni2;
    QComboBox* ComboDum2;

protected:
    sidora::models::LoadedText& text() override { return model_; }
    std::optional<std::string> check() const override { return model_.check(); }
    std::optional<std::string> load() override { return model_.load(); }
    void sync_lists() override;

private:
    sidora::models::NatalTextEditor model_;
};

class TFrmVyklady1 : public TextEditorFrame {
    Q_OBJECT
public:
    TFrmVyklady1(sidora::data::AppState& state, Shell& shell, QWidget* parent);
    sidora::models::PartnerTextEditor& model() { return model_; }

    QComboBox* ComboPlaneta2;  // "2. osoba:"
    QComboBox* ComboZnameni2;
    QComboBox* ComboDum2;
    QComboBox* ComboAspekt;
    QComboBox* ComboPlaneta1;  // "1. osoba:"
    QComboBox* ComboZnameni1;
    QComboBox* ComboDum1;

protected:
    sidora::models::LoadedText& text() override { return model_; }
    std::optional<std::string> check() const override { return model_.check(); }
    std::optional<std::string> load() override { return model_.load(); }

private:
    sidora::models::PartnerTextEditor model_;
};
