#pragma once
// The new-place dialog without its widgets: the form, its checks in the dialog's order and
// the saving of a new or edited place.
#include <optional>
#include <string>

#include "data/places_store.h"

namespace sidora::models {

// The boxes of the dialog, as typed.
enum class PlaceField { Name, LatDeg, LatMin, LonMin, LonDeg };
struct PlaceForm {
    std::string name;
    std::string lat_deg = "0", lat_min = "0";
    bool north = true;
    std::string lon_deg = "0", lon_min = "0";
    bool east = true;
};

struct FormError {
    std::string message;
    PlaceField field;
};

// The form of a stored place, as the dialog shows it for editing.
PlaceForm form_of(const data::TMisto& place);

// Why a place name cannot be stored, or nothing: blank, spaces at either end, control
// characters (C0, DEL, C1), or characters the places file cannot hold. The new-place dialog
// and the command line both refuse by it.
std::optional<std::string> place_name_problem(const std::string& name);

// The checks of "&Ulož" in their order; the first failure is returned.
std::optional<FormError> validate_place_form(const PlaceForm& form);

// Saves the form: a new place (edited_place empty), or over the place named edited_place.
// A name another record has (a new place's, or a renamed one's) is refused with the dialog's
// duplicate message. Returns the refusal, or nothing when saved.
// Throws data::PlacesError when the file cannot be read or written.
std::optional<FormError> save_place(data::PlacesStore& store, const std::string& edited_place,
                                    const PlaceForm& form);

}  // namespace sidora::models
