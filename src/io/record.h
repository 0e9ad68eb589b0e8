#pragma once
// Fixed-size binary records: little-endian integers, IEEE doubles and short strings
// (a length byte, then a fixed capacity of Windows-1250 bytes).
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sidora::io {

// A record field that cannot hold a valid value (a short string longer than its capacity).
class RecordError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads fields of one record held in a byte string; offsets are checked.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}
    std::uint8_t u8(std::size_t off) const;
    std::int32_t i32(std::size_t off) const;
    double f64(std::size_t off) const;
    // Short string of the given capacity at off (length byte included); UTF-8 result.
    // Throws RecordError when the length byte exceeds the capacity.
    std::string short_string(std::size_t off, std::size_t capacity) const;

private:
    void check(std::size_t off, std::size_t n) const;
    std::string_view bytes_;
};

// Builds one record; bytes not written stay 0.
class RecordWriter {
public:
    explicit RecordWriter(std::size_t size) : bytes_(size, '\0') {}
    void u8(std::size_t off, std::uint8_t v);
    void i32(std::size_t off, std::int32_t v);
    void f64(std::size_t off, double v);
    // Writes a UTF-8 text as a short string, cut to the capacity in Windows-1250 bytes.
    void short_string(std::size_t off, std::size_t capacity, std::string_view utf8);
    const std::string& bytes() const { return bytes_; }

private:
    void check(std::size_t off, std::size_t n) const;
    std::string bytes_;
};

}  // namespace sidora::io
