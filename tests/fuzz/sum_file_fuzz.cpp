// The sum files of the text packages (Tsuma.dat, Nsuma.dat, Psuma.dat).
#include "data/startup.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t total = 0;
    for (const auto& text : sidora::data::parse_sum_file(sidora::fuzz::bytes_of(data, size))) {
        total += text.content.size();
    }
    // Each input line gives at most its bytes and a CR LF.
    if (total > 2 * size + 2) __builtin_trap();
    return 0;
}
