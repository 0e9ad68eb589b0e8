// ast1.kel ... ast5.kel: accepted records must give finite positions.
#include <cmath>

#include "data/asteroid_file.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string why;
    auto set = sidora::data::decode_asteroid_file(sidora::fuzz::bytes_of(data, size), why);
    sidora::fuzz::expect(set.has_value(), why);
    if (!set) return 0;
    sidora::engine::Engine engine;
    engine.asteroid_elements[1] = std::move(*set);
    engine.asteroid_positions(1, 2000, 1, 1, 12, 0, 0, 1, 0);
    engine.asteroid_positions(1, 1800, 3, 1, 0, 0, 0, 0, 0);
    return 0;
}
