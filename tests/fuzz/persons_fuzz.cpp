// osoby.dat records.
#include "data/persons_file.h"
#include "data/persons_store.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sidora::data;
    const std::string bytes = sidora::fuzz::bytes_of(data, size);
    for (std::size_t off = 0; off < bytes.size(); off += TOsoba::kSize) {
        const auto p = decode_person(bytes.substr(off, TOsoba::kSize));
        if (!p) continue;
        if (encode(*p).size() != TOsoba::kSize) __builtin_trap();
        // Any record from the file: the sex rule and the field checks read only what exists.
        is_female_name(p->name);
        person_problem(*p);
    }
    return 0;
}
