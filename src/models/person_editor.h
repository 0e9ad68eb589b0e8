#pragma once
// The person editor without its widgets: what the form shows on opening, the sex and
// summer-time rules that follow the typing, and its two confirming buttons.
#include <optional>
#include <string>
#include <vector>

#include "data/app_state.h"

namespace sidora::models {

struct PersonForm {
    std::string name;
    bool male = true;
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0;
    bool summer = false;
    std::string summer_text;  // the rule of the date's year, beside "Letní čas"
    std::string zone_name;    // the zone box's text
    std::string place;        // the place chooser's text; empty when nothing is chosen
    int house_system = 1;     // 1..16
};

enum class PersonField { None, Name, Date, Place, Zone };
struct PersonRefusal {
    std::string message;
    PersonField field;
};

inline constexpr const char* kNoName = "Není zadáno jméno!";

class PersonEditor {
public:
    explicit PersonEditor(data::AppState& state);

    // FormShow, for the person named edited_person (from the slot) or a new one.
    struct Shown {
        PersonForm form;
        std::vector<std::string> places;  // the place chooser's items, sorted
        std::vector<std::string> warnings;
    };
    Shown show();

    // A change of the name box: a name that is not empty sets the sex by the name rule.
    static void name_changed(PersonForm& form);
    // A change of the date or time: the tick and text as the rule table has them.
    void follow_summer_rule(PersonForm& form);

    // "Nastav a &ulož": fills the slot and writes it (over edited_person, or appended).
    // A refusal leaves the file and the slot as they were.
    std::optional<PersonRefusal> save(const PersonForm& form);
    // "&Pouze nastav": fills the slot without writing and marks it set without saving.
    std::optional<PersonRefusal> set_only(const PersonForm& form);

private:
    // The record of the form, or the first check it fails.
    std::optional<PersonRefusal> record_of(const PersonForm& form, data::TOsoba& out) const;
    data::TOsoba& slot() { return state_.person_slots[static_cast<std::size_t>(state_.person_slot)]; }

    data::AppState& state_;
};

}  // namespace sidora::models
