#pragma once
// A saved table: every row from the header to the last one, cells joined by ";", lines
// ended by CR LF, text in Windows-1250 — the file a Czech spreadsheet opens.
#include <filesystem>
#include <string>
#include <vector>

namespace sidora::data {

using TableRows = std::vector<std::vector<std::string>>;

// The lines in UTF-8, rows 0..last_row_index.
std::string table_file_text(const TableRows& rows, int last_row_index);
// The file's bytes.
std::string table_file_bytes(const TableRows& rows, int last_row_index);

// Writes the file whole, atomically; the Czech message when it could not be written,
// else empty (the file is then as it was).
std::string save_table_file(const std::filesystem::path& path, const TableRows& rows, int last_row_index);
// "Tabulka byla uložena do souboru " and the name.
std::string table_saved_message(const std::filesystem::path& path);

}  // namespace sidora::data
