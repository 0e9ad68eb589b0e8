#include "data/persons_store.h"

#include "engine/time.h"
#include "engine/zones.h"
#include "io/cp1250.h"
#include "io/files.h"

namespace sidora::data {
namespace {

constexpr std::size_t kRecord = TOsoba::kSize;

// Byte offset of the first person named `name`, or nothing.
std::optional<std::size_t> offset_of(const std::string& bytes, const std::string& name) {
    for (std::size_t off = kRecord; off < bytes.size(); off += kRecord) {
        if (decode_person(bytes.substr(off, kRecord))->name == name) return off;
    }
    return std::nullopt;
}

std::string not_in_file(const std::string& name) { return "osoba „" + name + "“ v souboru není."; }

}  // namespace

namespace {

// The file's bytes after checking its layout; `code` names the operation in the error.
std::string checked(std::optional<std::string> bytes, int code) {
    if (!bytes) throw PersonsError(code, "soubor nelze otevřít.");
    if (bytes->size() < kRecord || bytes->size() % kRecord != 0) {
        throw PersonsError(code, "délka souboru (" + std::to_string(bytes->size()) +
                                     " bajtů) není násobkem délky záznamu 104 bajtů; soubor je poškozený.");
    }
    for (std::size_t off = 0; off < bytes->size(); off += kRecord) {
        if (!decode_person(bytes->substr(off, kRecord))) {
            throw PersonsError(code, "záznam " + std::to_string(off / kRecord) + " je poškozený.");
        }
    }
    return std::move(*bytes);
}

}  // namespace

// Each change is made to the file as it is on disk under the writers' lock; a refusal
// inside (a damaged file, a name no longer there) leaves it untouched.
void PersonsStore::change(int read_code, int write_code, const std::function<void(std::string&)>& edit) const {
    try {
        io::change_file(file_, [&](const std::optional<std::string>& current) -> std::optional<std::string> {
            std::string bytes = checked(current, read_code);
            edit(bytes);
            return bytes;
        });
    } catch (const io::FileError& e) {
        throw PersonsError(write_code, e.what());
    }
}

std::vector<TOsoba> PersonsStore::read_all() const {
    const std::string bytes = checked(io::read_file(file_), 26);
    std::vector<TOsoba> persons;
    persons.reserve(bytes.size() / kRecord - 1);
    for (std::size_t off = kRecord; off < bytes.size(); off += kRecord) {
        persons.push_back(*decode_person(bytes.substr(off, kRecord)));
    }
    return persons;
}

std::optional<TOsoba> PersonsStore::find_person(const std::string& name) const {
    for (auto& p : read_all()) {
        if (p.name == name) return p;
    }
    return std::nullopt;
}

// Changes touch only the records they concern: the other records keep their bytes.
void PersonsStore::append(const TOsoba& person) {
    change(110, 110, [&](std::string& bytes) { bytes += encode(person); });
}

void PersonsStore::rewrite(const std::string& name, const TOsoba& person) {
    change(112, 114, [&](std::string& bytes) {
        const auto off = offset_of(bytes, name);
        if (!off) throw PersonsError(112, not_in_file(name));
        bytes.replace(*off, kRecord, encode(person));
    });
}

void PersonsStore::remove(const std::string& name) {
    change(28, 30, [&](std::string& bytes) {
        const auto off = offset_of(bytes, name);
        if (!off) throw PersonsError(28, not_in_file(name));
        const std::size_t last = bytes.size() - kRecord;
        bytes.replace(*off, kRecord, bytes.substr(last, kRecord));
        bytes.resize(last);
    });
}

namespace {

std::u32string upper_ascii(std::u32string s) {
    for (char32_t& c : s) {
        if (c >= U'a' && c <= U'z') c -= 32;
    }
    return s;
}

}  // namespace

bool is_female_name(const std::string& name) {
    const std::u32string n = io::utf8_to_u32(name);
    const std::size_t len = n.size();
    const std::u32string tail = upper_ascii(n.substr(len >= 3 ? len - 3 : 0));
    if (tail == U"OVÁ" || tail == U"OVá") return true;
    // The three characters before the first space, with it; a space too near the start
    // leaves fewer than three before it, and such a word is no surname in "ová".
    const std::size_t space = n.find(U' ');
    if (space == std::u32string::npos || space < 3) return false;
    const std::u32string word_end = upper_ascii(n.substr(space - 3, 4));
    return word_end == U"OVÁ " || word_end == U"OVá ";
}

std::optional<std::string> person_problem(const TOsoba& p) {
    if (p.year < engine::year_min || p.year > engine::year_max) {
        return "Datum narození mimo povolené rozmezí let " + std::to_string(engine::year_min) + " až " +
               std::to_string(engine::year_max) + "!";
    }
    if (p.month < 1 || p.month > 12 || p.day < 1 || p.day > engine::days_in_month(p.month, p.year)) {
        return "Datum narození v záznamu osoby neexistuje!";
    }
    if (p.hour > 23 || p.minute > 59) return "Čas narození v záznamu osoby neexistuje!";
    if (!engine::valid_zone_index(p.zone)) return "Časové pásmo v záznamu osoby je neplatné!";
    if (p.house_system < 1 || p.house_system > 16) return "Systém domů v záznamu osoby je neplatný!";
    if (p.lat_deg < 0 || p.lat_deg > 90 || p.lat_min < 0 || p.lat_min > 59 || p.lon_deg < 0 ||
        p.lon_deg > 180 || p.lon_min < 0 || p.lon_min > 59 || p.north > 1 || p.east > 1) {
        return "Souřadnice místa narození v záznamu osoby jsou mimo rozsah!";
    }
    return std::nullopt;
}

}  // namespace sidora::data
