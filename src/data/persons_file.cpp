#include "data/persons_file.h"

#include "io/record.h"

namespace sidora::data {

TOsoba version_record() {
    TOsoba v;
    v.name = "1.00";
    v.male = 1;
    v.year = 2000;
    v.month = 1;
    v.day = 1;
    v.hour = 0;
    v.minute = 0;
    v.summer = 0;
    v.zone = 0;
    v.place.clear();
    v.lon_deg = v.lon_min = v.lat_deg = v.lat_min = 0;
    v.east = 1;
    v.north = 1;
    v.house_system = 0;
    return v;
}

std::string encode(const TOsoba& p) {
    io::RecordWriter w(TOsoba::kSize);
    w.short_string(0, TOsoba::kNameCapacity, p.name);
    w.u8(31, p.male);
    w.i32(36, p.year);
    w.u8(40, p.month);
    w.u8(41, p.day);
    w.u8(42, p.hour);
    w.u8(43, p.minute);
    w.u8(44, p.summer);
    w.u8(45, p.zone);
    w.short_string(46, TOsoba::kNameCapacity, p.place);
    w.i32(80, p.lon_deg);
    w.i32(84, p.lon_min);
    w.u8(88, p.east);
    w.i32(92, p.lat_deg);
    w.i32(96, p.lat_min);
    w.u8(100, p.north);
    w.u8(101, p.house_system);
    return w.bytes();
}

std::optional<TOsoba> decode_person(const std::string& record) {
    if (record.size() != TOsoba::kSize) return std::nullopt;
    io::RecordReader r(record);
    TOsoba p;
    try {
        p.name = r.short_string(0, TOsoba::kNameCapacity);
        p.place = r.short_string(46, TOsoba::kNameCapacity);
    } catch (const io::RecordError&) {
        return std::nullopt;
    }
    p.male = r.u8(31);
    p.year = r.i32(36);
    p.month = r.u8(40);
    p.day = r.u8(41);
    p.hour = r.u8(42);
    p.minute = r.u8(43);
    p.summer = r.u8(44);
    p.zone = r.u8(45);
    p.lon_deg = r.i32(80);
    p.lon_min = r.i32(84);
    p.east = r.u8(88);
    p.lat_deg = r.i32(92);
    p.lat_min = r.i32(96);
    p.north = r.u8(100);
    p.house_system = r.u8(101);
    return p;
}

}  // namespace sidora::data
