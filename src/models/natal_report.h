#pragma once
// The natal report: the chosen sections of a chart and the texts of the library, as styled
// lines for the texts window. Every lookup and every warning is kept for the command line.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/orbs.h"
#include "data/report_flags.h"
#include "horoscope/chart.h"
#include "horoscope/interpretation.h"
#include "models/styled_lines.h"
#include "models/text_lookups.h"

namespace sidora::models {

inline constexpr const char* kNoTextFound = "Žadný výklad nenalezen!";

const std::string& body_label(int body);      // 1..24, "Vzest. uzel" …
const std::string& body_full_name(int body);  // 1..24, "Vzestupný uzel", "Ascendent" …

class NatalReport {
public:
    // `texty`: the natal library; `zodiacal`: the notation of the position lists.
    NatalReport(const horoscope::NatalChart& chart, std::filesystem::path texty, const data::AspectDefs& defs,
                const data::OrbTables& orbs, bool zodiacal);

    // The whole report of the chosen sections, appended to doc().
    void build(const data::ReportFlags& flags);

    void header();
    void end();
    // One text; `deviation` goes into the heading of an aspect. False when not found.
    bool show_text(bool quiet, const horoscope::TConstellation& c, int variant = 0,
                   std::optional<double> deviation = std::nullopt);
    // The sixteen variants of an aspect or parallel `code` between b1 and b2.
    void show_aspect_texts(bool quiet, int b1, int b2, int code, double deviation);
    // The aspect list of body b (1..10, 20..24).
    void aspect_list(int b);

    StyledDocument& doc() { return doc_; }
    const std::vector<TextLookup>& lookups() const { return texts_.lookups(); }
    const std::vector<std::string>& warnings() const { return texts_.warnings(); }

private:
    void body_texts(int b, const data::ReportFlags& f);
    bool shown(int b) const;  // not switched off, and computed
    std::string position(double lon) const;

    const horoscope::NatalChart& chart_;
    const data::AspectDefs& defs_;
    const data::OrbTables& orbs_;
    bool zodiacal_;
    StyledDocument doc_;
    TextLookups texts_;
};

}  // namespace sidora::models
