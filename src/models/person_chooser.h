#pragma once
// The person chooser without its widgets: the sorted list, the detail texts, and the checks
// and messages of its buttons.
#include <optional>
#include <string>
#include <vector>

#include "data/app_state.h"
#include "data/persons_store.h"

namespace sidora::models {

// The eight detail labels of a person.
struct PersonDetails {
    std::string name, sex, date, place, time, zone, summer, house_system;
    friend bool operator==(const PersonDetails&, const PersonDetails&) = default;
};
PersonDetails person_details(const data::TOsoba& person);
// "5.března 1970"; "8:5 hodin"; "Praha (50°5` S, 14°25` V)"; "Ano"/"NE".
std::string birth_date_text(const data::TOsoba& person);
std::string birth_time_text(const data::TOsoba& person);
std::string birth_place_text(const data::TOsoba& person);
std::string summer_text(const data::TOsoba& person);

inline constexpr const char* kNoPersonSelected = "Není vybrána žádná osoba!";
inline constexpr const char* kNotFromFile = "Žádná osoba z databáze není vybrána";
inline constexpr const char* kIncomplete = "Údaje pro výpočet horoskopu nejsou kompletní!";

class PersonChooser {
public:
    explicit PersonChooser(data::AppState& state);

    data::PersonsStore& store() { return store_; }
    // "Výběr osoby pro nativní horoskop" or "… partnerský …" by the slot.
    std::string caption() const;

    // FormShow: takes the slot, clears the details and reads the names. A Czech message
    // when the file cannot be read (the list is then empty).
    std::optional<std::string> show(int slot);
    const std::vector<std::string>& names() const { return names_; }
    std::optional<std::string> refill();

    // FormActivate: a person set without saving is shown from the slot.
    void activate();
    // ListBox1Click: reads the person into the slot and shows it. Throws data::PersonsError
    // when the file cannot be read or the name is no longer in it.
    PersonDetails click(const std::string& name);
    const std::optional<PersonDetails>& details() const { return details_; }

    // "&Vypočítej horoskop": a refusal, or nothing when the slot can be computed.
    std::optional<std::string> check_compute() const;

    // "O&prav": a refusal, or nothing with the editor's name and caller set.
    std::optional<std::string> check_edit(const std::optional<std::string>& selected);
    // "&Smaž", first step: a refusal (`refused`) or the question to confirm.
    struct DeleteCheck {
        bool refused;
        std::string text;
    };
    DeleteCheck check_delete(const std::optional<std::string>& selected) const;
    // After the user confirmed: deletes, rereads the names and clears the details. Throws
    // data::PersonsError (the file then is unchanged).
    void delete_person(const std::string& name);
    // "&Nová": the editor creates a person.
    void start_new();

    // FormClose.
    void close();

private:
    void read_names();
    std::optional<std::string> selection_refusal(const std::optional<std::string>& selected) const;
    data::TOsoba& slot() { return state_.person_slots[static_cast<std::size_t>(state_.person_slot)]; }
    const data::TOsoba& slot() const { return state_.person_slots[static_cast<std::size_t>(state_.person_slot)]; }

    data::AppState& state_;
    data::PersonsStore store_;
    std::vector<std::string> names_;
    std::optional<PersonDetails> details_;
};

}  // namespace sidora::models
