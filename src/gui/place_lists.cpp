#include "gui/place_lists.h"

#include "data/places_store.h"

PlaceChooser::PlaceChooser(sidora::data::AppState& state, PlaceLists& lists, QWidget* parent)
    : QComboBox(parent), state_(state) {
    setObjectName("ComboDomov");
    setEditable(false);
    connect(&lists, &PlaceLists::placeSaved, this, [this](const QString& name) { fill(name); });
}

std::optional<std::string> PlaceChooser::fill(const QString& name) {
    clear();
    try {
        sidora::data::PlacesStore store(state_.program_dir / sidora::data::kPlacesFile);
        for (const auto& n : sidora::data::sorted_place_names(store.read_all())) addItem(QString::fromStdString(n));
    } catch (const sidora::data::PlacesError& e) {
        return e.message();
    }
    setCurrentIndex(findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
    return std::nullopt;
}
