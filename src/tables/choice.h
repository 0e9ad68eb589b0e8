#pragma once
// What the table and search dialogs ask for, their checks, and the texts every table and
// search shares (span, zone, date-time).
#include <array>
#include <string>

#include "engine/engine_state.h"

namespace sidora::tables {

using Instant = engine::Engine::Instant;

// Whole months: from day 1 of the start month to the last day of the end month.
struct Span {
    int start_month = 1, start_year = 2000, end_month = 12, end_year = 2000;
    friend bool operator==(const Span&, const Span&) = default;
};

inline constexpr const char* kSpanRefused = "Počáteční datum musí být menší než koncové!";

// The Czech message when the end month lies before the start month, else empty.
std::string span_problem(const Span& span);
// Days from the first to the last day, both included.
int day_count(const Span& span);
Instant first_day(const Span& span);
Instant last_day(const Span& span);

// The one span the three dialogs share, kept for the run: January to December of the main
// window's year until a table or a search has used another.
class SharedSpan {
public:
    Span shown(int current_year) const;
    void used(const Span& span) { span_ = span, set_ = true; }

private:
    Span span_;
    bool set_ = false;
};

// "1/2024-12/2024".
std::string span_text(const Span& span);
// "+1", "0", "-5".
std::string zone_text(int zone_offset);
// "12.1.1997 8:18".
std::string date_time_text(const Instant& at);
// "12.1.1997".
std::string date_text(const Instant& at);
// "2024-01-11T12:57" (zone time).
std::string iso_minute(const Instant& at);

// The ten moving bodies of the dialogs: item 0..9 → body number.
inline constexpr int kMovingBodies = 10;
int item_body(int item);
const std::string& body_name(int item);           // "Slunce" … "Pluto"
const std::string& body_name_genitive(int item);  // "Slunce", "Měsíce", "Merkura" …

// The eighteen bodies of the simple ephemeris: check-list items 0..17.
inline constexpr int kListBodies = 18;
const std::string& list_body_name(int item);    // the check list's text
const std::string& list_body_header(int item);  // the column header ("Vzest. uzel" …)

enum class TableKind { RiseSet = 1, Detailed = 2, Simple = 3, Phases = 4 };

struct TableChoice {
    TableKind kind = TableKind::RiseSet;
    Span span;
    int body = 0;  // item 0..9, tables 1 and 2
    std::array<bool, kListBodies> bodies{};  // table 3
};
// The dialog's message for a refused choice, else empty.
std::string table_choice_problem(const TableChoice& choice);

// The sky search's range boxes ("Od:", "Do:"): the message and the box to focus (1 or 2).
struct BoxProblem {
    std::string message;
    int focus = 0;
};
// Empty message when both hold whole numbers up to 360 spanning less than 180°.
BoxProblem range_problem(const std::string& from, const std::string& to);

}  // namespace sidora::tables
