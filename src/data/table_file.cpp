#include "data/table_file.h"

#include <algorithm>

#include "io/cp1250.h"
#include "io/files.h"

namespace sidora::data {

std::string table_file_text(const TableRows& rows, int last_row_index) {
    std::string out;
    const auto end = std::min(rows.size(), static_cast<std::size_t>(std::max(last_row_index + 1, 0)));
    for (std::size_t r = 0; r < end; ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c) out += ';';
            out += rows[r][c];
        }
        out += "\r\n";
    }
    return out;
}

std::string table_file_bytes(const TableRows& rows, int last_row_index) {
    return io::utf8_to_cp1250(table_file_text(rows, last_row_index));
}

std::string save_table_file(const std::filesystem::path& path, const TableRows& rows, int last_row_index) {
    if (io::write_file_atomic(path, table_file_bytes(rows, last_row_index))) return {};
    return "Chyba vstupu/výstupu: tabulku nelze uložit do souboru " + path.string() + "!";
}

std::string table_saved_message(const std::filesystem::path& path) {
    return "Tabulka byla uložena do souboru " + path.string();
}

}  // namespace sidora::data
