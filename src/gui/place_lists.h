#pragma once
// Every list of place names in the program refills itself when a place is saved.
#include <QComboBox>
#include <QObject>
#include <string>

#include "data/app_state.h"

class PlaceLists : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
signals:
    // A place was saved under this name: refill and select it.
    void placeSaved(const QString& name);
};

// The place chooser `ComboDomov`: a drop-down list of the place names, sorted.
class PlaceChooser : public QComboBox {
    Q_OBJECT
public:
    PlaceChooser(sidora::data::AppState& state, PlaceLists& lists, QWidget* parent = nullptr);
    // Clears and refills the list from the file and selects `name` when it is there.
    // Returns a Czech message when the file cannot be read.
    std::optional<std::string> fill(const QString& name);
    QString chosen_name() const { return currentText(); }

private:
    sidora::data::AppState& state_;
};
