#!/usr/bin/env python3
"""Writes the few hand-made seed files of each fuzz target into corpus/<target>/.

Valid files in the documented layouts, plus one or two near misses each; the fuzzer grows
its own corpus from these in the build folder (scripts/fuzz.sh), never here.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    d = os.path.join(HERE, "corpus", target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


def short_string(text, capacity):
    b = text.encode("cp1250")[:capacity]
    return bytes([len(b)]) + b + bytes(capacity - len(b))


def i32(v):
    return struct.pack("<i", v)


def place(name, lon_deg, lon_min, east, lat_deg, lat_min, north):
    r = short_string(name, 40) + bytes(3) + i32(lon_deg) + i32(lon_min) + bytes([east, 0, 0, 0])
    return r + i32(lat_deg) + i32(lat_min) + bytes([north, 0, 0, 0])


def person(name, male, year, month, day, hour, minute, summer, zone, place_name, lon, lat, house):
    r = short_string(name, 30) + bytes([male]) + bytes(4) + i32(year)
    r += bytes([month, day, hour, minute, summer, zone]) + short_string(place_name, 30) + bytes(3)
    r += i32(lon[0]) + i32(lon[1]) + bytes([lon[2], 0, 0, 0]) + i32(lat[0]) + i32(lat[1]) + bytes([lat[2]])
    return r + bytes([house, 0, 0])


def extended80(v):
    if v == 0:
        return bytes(10)
    if math.isnan(v):
        return struct.pack("<QH", 0xC000000000000000, 0x7FFF)
    sign = 0x8000 if v < 0 else 0
    m, e = math.frexp(abs(v))  # v = m * 2**e, 0.5 <= m < 1
    mantissa = int(m * (1 << 64))
    return struct.pack("<QH", mantissa, sign | (e - 1 + 16383))


def elements(epoch, year, m, w, node, inc, ecc, n):
    r = extended80(epoch) + bytes(2) + i32(year)
    for v in (m, w, node, inc, ecc, n):
        r += extended80(v) + bytes(6)
    return r


praha = place("Praha", 14, 25, 1, 50, 5, 1)
write("places", "three", praha + place("Brno", 16, 37, 1, 49, 12, 1) + place("Ústí nad Labem", 14, 2, 1, 50, 40, 1))
write("places", "off_globe", praha + place("Bod", 14, 25, 1, 2147483647, 0, 1))
write("places", "cut", praha[:-5])

version = person("1.00", 1, 2000, 1, 1, 0, 0, 0, 1, "", (0, 0, 1), (0, 0, 1), 1)
write("persons", "two", version + person("Jana Nováková", 0, 1973, 10, 11, 16, 42, 1, 2, "Praha", (14, 25, 1), (50, 5, 1), 3))
write("persons", "long_name", version[:-104] + bytes([200]) + version[1:])

write("start_mem", "default", short_string("Praha", 255) + i32(2) + bytes([0, 1, 2, 1]))
write("start_mem", "zone_out_of_range", short_string("České Budějovice", 255) + i32(99) + bytes([1, 0, 7, 9]))
write("start_mem", "short", short_string("Praha", 255)[:100])
write("astro_mem", "default", bytes([1, 0, 0, 0]) + i32(1) + bytes([1, 0, 0, 0]))
write("astro_mem", "odd", bytes([0, 1, 0, 0]) + i32(-7) + bytes([9, 0, 0, 0]))
write("num_set", "default", bytes([4]))
write("num_set", "odd", bytes([250]))
write("tattvy_set", "default", bytes([0, 0, 0]))
write("tattvy_set", "odd", bytes([5, 2, 9]))

years = b""
for y in range(1916, 2031):
    years += i32(y) + bytes([0, 1, 0, 0, 3, 28, 2, 9, 28, 2, 3, 28, 2, 9, 28, 2])
write("summer_rules", "no_summer_time", years)
summer = bytearray(years)
for y in (1946, 1947):
    off = (y - 1916) * 20
    summer[off + 4:off + 8] = bytes([1, 0, 0, 0])
write("summer_rules", "two_years", bytes(summer))
write("summer_rules", "cut", years[:1000])

orbit1 = b"".join(struct.pack("<d", 12 if (a, b) == (1, 1) else 5) for a in range(10) for b in range(16))
write("orbs", "orbit1", orbit1)
write("orbs", "orbit2", b"".join(bytes([c, 0, 0, 0, 0, 0, 0, 0]) + struct.pack("<d", 2) for c in range(6, 18)))
write("orbs", "short", bytes([2, 2, 2, 0, 1, 0, 0]))

ceres = elements(2451545.0, 2000, 10.5, 73.1, 80.3, 10.6, 0.0789, 0.21411)
write("asteroid_elements", "two_epochs", ceres + elements(2451945.0, 2000, 96.1, 73.2, 80.4, 10.6, 0.0790, 0.21412))
write("asteroid_elements", "bad_node", elements(2451545.0, 2000, 10.5, 73.1, float("nan"), 10.6, 0.0789, 0.21411))

write("sum_file", "two_texts", "@t1.txt\r\nPrvní výklad\r\n\r\n@t2.txt\r\nDruhý\r\n".encode("cp1250"))
write("sum_file", "odd_names", "před\n@../ven.txt\nx\n@\n@Žluť.txt\r\nposlední".encode("cp1250"))
