// astro.mem.
#include "data/settings_files.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string why, fixed;
    const auto v = sidora::data::decode_astro_mem(sidora::fuzz::bytes_of(data, size), why, &fixed);
    sidora::fuzz::expect(v.has_value(), why);
    if (v && encode(*v).size() != sidora::data::AstroMem::kSize) __builtin_trap();
    return 0;
}
