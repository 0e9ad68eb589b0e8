#pragma once
// A few real places and the bytes of a places file holding them, for the core and window tests.
#include <initializer_list>
#include <string>

#include "data/places_file.h"

namespace sidora::test {

inline const data::TMisto kPraha{"Praha", 14, 25, 1, 50, 5, 1};
inline const data::TMisto kBrno{"Brno", 16, 37, 1, 49, 12, 1};
inline const data::TMisto kOstrava{"Ostrava", 18, 17, 1, 49, 50, 1};
inline const data::TMisto kCheb{"Cheb", 12, 22, 1, 50, 5, 1};

inline std::string file_of(std::initializer_list<data::TMisto> places) {
    std::string bytes;
    for (const auto& p : places) bytes += data::encode(p);
    return bytes;
}

}  // namespace sidora::test
