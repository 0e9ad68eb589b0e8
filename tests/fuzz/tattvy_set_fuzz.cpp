// tattvy.set.
#include "data/settings_files.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string why, fixed;
    const auto v = sidora::data::decode_tattvy_set(sidora::fuzz::bytes_of(data, size), why, &fixed);
    sidora::fuzz::expect(v.has_value(), why);
    return 0;
}
