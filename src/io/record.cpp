#include "io/record.h"

#include <bit>
#include <cstring>

#include "io/cp1250.h"

namespace sidora::io {

void RecordReader::check(std::size_t off, std::size_t n) const {
    if (off + n > bytes_.size()) throw std::out_of_range("record field beyond record end");
}

std::uint8_t RecordReader::u8(std::size_t off) const {
    check(off, 1);
    return static_cast<std::uint8_t>(bytes_[off]);
}

std::int32_t RecordReader::i32(std::size_t off) const {
    check(off, 4);
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(bytes_[off + static_cast<std::size_t>(k)]);
    return static_cast<std::int32_t>(v);
}

double RecordReader::f64(std::size_t off) const {
    check(off, 8);
    std::uint64_t v = 0;
    for (int k = 7; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(bytes_[off + static_cast<std::size_t>(k)]);
    return std::bit_cast<double>(v);
}

std::string RecordReader::short_string(std::size_t off, std::size_t capacity) const {
    check(off, capacity + 1);
    const std::size_t len = u8(off);
    if (len > capacity) {
        throw RecordError("text length " + std::to_string(len) + " exceeds capacity " +
                          std::to_string(capacity));
    }
    return cp1250_to_utf8(bytes_.substr(off + 1, len));
}

void RecordWriter::check(std::size_t off, std::size_t n) const {
    if (off + n > bytes_.size()) throw std::out_of_range("record field beyond record end");
}

void RecordWriter::u8(std::size_t off, std::uint8_t v) {
    check(off, 1);
    bytes_[off] = static_cast<char>(v);
}

void RecordWriter::i32(std::size_t off, std::int32_t v) {
    check(off, 4);
    auto u = static_cast<std::uint32_t>(v);
    for (std::size_t k = 0; k < 4; ++k, u >>= 8) bytes_[off + k] = static_cast<char>(u & 0xFF);
}

void RecordWriter::f64(std::size_t off, double v) {
    check(off, 8);
    auto u = std::bit_cast<std::uint64_t>(v);
    for (std::size_t k = 0; k < 8; ++k, u >>= 8) bytes_[off + k] = static_cast<char>(u & 0xFF);
}

void RecordWriter::short_string(std::size_t off, std::size_t capacity, std::string_view utf8) {
    check(off, capacity + 1);
    std::string text = utf8_to_cp1250(utf8);
    if (text.size() > capacity) text.resize(capacity);
    bytes_[off] = static_cast<char>(text.size());
    std::memcpy(bytes_.data() + off + 1, text.data(), text.size());
    std::memset(bytes_.data() + off + 1 + text.size(), 0, capacity - text.size());
}

}  // namespace sidora::io
