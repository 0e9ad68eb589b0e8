#pragma once
// A few persons and the bytes of a persons file holding them, for the core and window tests.
#include <initializer_list>
#include <string>

#include "data/persons_file.h"

namespace sidora::test {

// name, male, year, month, day, hour, minute, summer, zone, place, lon, east, lat, north, system
inline const data::TOsoba kJan{"Jan Novák", 1, 1970, 3, 5, 8, 5, 0, 2, "Praha", 14, 25, 1, 50, 5, 1, 1};
inline const data::TOsoba kJana{"Jana Nováková", 0, 1975, 6, 15, 14, 30, 1, 2, "Brno", 16, 37, 1, 49, 12, 1, 4};
inline const data::TOsoba kAdam{"Adam", 1, 1990, 12, 24, 23, 59, 0, 1, "Cheb", 12, 22, 1, 50, 5, 1, 2};
inline const data::TOsoba kCyril{"Cyril", 1, 2001, 1, 1, 0, 0, 0, 3, "Ostrava", 18, 17, 1, 49, 50, 1, 16};

// The version record, then the persons.
inline std::string persons_file_of(std::initializer_list<data::TOsoba> persons) {
    std::string bytes = data::encode(data::version_record());
    for (const auto& p : persons) bytes += data::encode(p);
    return bytes;
}

}  // namespace sidora::test
