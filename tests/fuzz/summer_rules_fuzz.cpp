// LC.dat: a decoded table is encoded back to the same bytes' meaning and loads into the engine.
#include "data/summer_file.h"
#include "engine/engine_state.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string why;
    const auto rules = sidora::data::decode_summer_rules(sidora::fuzz::bytes_of(data, size), why);
    sidora::fuzz::expect(rules.has_value(), why);
    if (!rules) return 0;
    std::string again_why;
    if (!sidora::data::decode_summer_rules(sidora::data::encode_summer_rules(*rules), again_why)) __builtin_trap();
    sidora::engine::Engine engine;
    engine.set_summer_rules(*rules);
    return 0;
}
