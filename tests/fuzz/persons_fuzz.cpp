// osoby.dat records.
#include "data/persons_file.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sidora::data;
    const std::string bytes = sidora::fuzz::bytes_of(data, size);
    for (std::size_t off = 0; off < bytes.size(); off += TOsoba::kSize) {
        const auto p = decode_person(bytes.substr(off, TOsoba::kSize));
        if (p && encode(*p).size() != TOsoba::kSize) __builtin_trap();
    }
    return 0;
}
