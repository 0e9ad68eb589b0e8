#pragma once
// The two orb editors without their widgets: the field rule, the completion of the orb
// matrix on saving, and the writing of the four orb files.
#include <optional>
#include <string>

#include "data/orbs.h"

namespace sidora::models {

// An orb field after a change: at most "18", "0" for what is not a whole number; an emptied
// field stays empty (it counts as 0) so the user can type a new value.
std::string orb_field_text(const std::string& text);

// Column 12 from column 11, columns 14..16 from column 13, and the lower triangle of rows
// and columns 1..10 from the upper one.
void complete_orb_matrix(data::OrbTables& tables);

// "&Ulož" of "Nastavení orbisů": orbit1.mem, then orbit2.mem; "Nastavení nelze uložit!".
std::optional<std::string> save_major_orbs(const data::OrbTables& tables, const std::string& dir);
// "&Ulož" of "Další orbisy a omezení": orbit3.mem and aster.mem; "Nastavení se nepodařilo uložit!".
std::optional<std::string> save_point_orbs(const data::OrbTables& tables, const std::string& dir);

}  // namespace sidora::models
