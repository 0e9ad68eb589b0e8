#pragma once
// The date dialog without its widgets: what it shows on opening, the summer-time tick that
// follows the pickers, and "N&astav".
#include <optional>
#include <string>

#include "data/app_state.h"

namespace sidora::models {

struct DateForm {
    engine::Moment moment;  // date and time of the pickers
    bool summer = false;
    std::string summer_text;
    std::string zone_name;   // the zone box's text
    std::string place_name;  // the place chooser's text; empty when none is chosen
};

// Opening: the shown moment; "Letní čas" ticked exactly when the zone offset in force holds
// a summer hour, with the rule table's text for the date below it.
DateForm date_form_of(data::AppState& state);

// After a change of the date or time: the tick and text as the rule table has them.
void follow_summer_rule(data::AppState& state, DateForm& form);

// "N&astav": freezes the clock and takes the zone and summer choice; then, with a place
// chosen, takes the place and the moment and switches automatic summer time off. Without a
// place (or with one no longer in the file) the warning comes back and the dialog stays.
std::optional<std::string> apply_date_form(data::AppState& state, const DateForm& form);

}  // namespace sidora::models
