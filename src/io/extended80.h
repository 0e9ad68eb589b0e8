#pragma once
// The 80-bit extended real of our element files, read and written bit by bit so that the
// result does not depend on what the compiler makes of long double.
#include <array>

namespace sidora::io {

double decode_extended80(const unsigned char* bytes);
std::array<unsigned char, 10> encode_extended80(double value);

}  // namespace sidora::io
