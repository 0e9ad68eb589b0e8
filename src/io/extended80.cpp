#include "io/extended80.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace sidora::io {

double decode_extended80(const unsigned char* b) {
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | b[i];
    const int sign_exp = b[8] | (b[9] << 8);
    const bool negative = (sign_exp & 0x8000) != 0;
    const int exponent = sign_exp & 0x7FFF;
    double v;
    if (exponent == 0x7FFF) {
        v = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                 : std::numeric_limits<double>::quiet_NaN();
    } else if (exponent == 0 && mantissa == 0) {
        v = 0;
    } else {
        // Value = mantissa (with its explicit integer bit) × 2^(exponent − 16383 − 63).
        v = std::ldexp(static_cast<double>(mantissa), (exponent == 0 ? 1 : exponent) - 16383 - 63);
    }
    return negative ? -v : v;
}

std::array<unsigned char, 10> encode_extended80(double value) {
    std::array<unsigned char, 10> out{};
    const bool negative = std::signbit(value);
    std::uint64_t mantissa = 0;
    int exponent = 0;
    if (std::isnan(value)) {
        exponent = 0x7FFF;
        mantissa = 0xC000000000000000ULL;
    } else if (std::isinf(value)) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ULL;
    } else if (value != 0) {
        int e = 0;
        const double m = std::frexp(std::fabs(value), &e);  // m in [0.5, 1)
        mantissa = static_cast<std::uint64_t>(std::ldexp(m, 64));
        exponent = e - 1 + 16383;
    }
    for (int i = 0; i < 8; ++i) out[static_cast<std::size_t>(i)] = static_cast<unsigned char>(mantissa >> (8 * i));
    const int sign_exp = exponent | (negative ? 0x8000 : 0);
    out[8] = static_cast<unsigned char>(sign_exp & 0xFF);
    out[9] = static_cast<unsigned char>(sign_exp >> 8);
    return out;
}

}  // namespace sidora::io
