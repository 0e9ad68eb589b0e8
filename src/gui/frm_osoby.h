#pragma once
// The person editor: a new person, or the person named edited_person.
#include <QDialog>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/person_editor.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class PlaceChooser;

class TFrmOsoby : public QDialog {
    Q_OBJECT
public:
    TFrmOsoby(sidora::data::AppState& state, Shell& shell, QWidget* chooser);

    // FormShow, then shows the window over its caller.
    void open_editor();

    QLineEdit* Edit1;
    QRadioButton* RadioMuz;
    QRadioButton* RadioZena;
    QLabel* Picture;
    QDateEdit* DateTimer1;
    QTimeEdit* datetimer2;
    PlaceChooser* ComboDomov;
    QComboBox* ComboPasmo;
    QCheckBox* CheckLetni;
    QLabel* LabelLetni;
    QButtonGroup* RadioGroup1;  // "Systém domů"
    QPushButton* BitNastav;     // "Nastav a &ulož"
    QPushButton* BitBtn1;       // "&Pouze nastav"
    QPushButton* BitNove;       // a new place
    QPushButton* BitOpust;

signals:
    void personSaved(const QString& name);
    void personSet();

public slots:
    void BitNastavClick();
    void BitBtn1Click();

private:
    sidora::models::PersonForm form() const;
    void follow_rule();
    void show_sex(bool male);
    // A refusal: the warning and the focus in the box it concerns.
    void refuse(const sidora::models::PersonRefusal& refusal);

    sidora::data::AppState& state_;
    Shell& shell_;
    sidora::models::PersonEditor model_;
};
