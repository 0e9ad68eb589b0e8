#pragma once
// What every decoder target shares: the libFuzzer entry point and a bytes view of the input.
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace sidora::fuzz {

inline std::string bytes_of(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A decoder must give a value or a reason, never both nor neither.
inline void expect(bool ok, const std::string& why) {
    if (ok == !why.empty()) __builtin_trap();
}

}  // namespace sidora::fuzz
