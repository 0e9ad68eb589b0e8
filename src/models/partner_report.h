#pragma once
// The partner report and the lookups of the partner library, as styled lines for the texts
// window; every lookup and every warning is kept for the command line.
#include <filesystem>
#include <string>
#include <vector>

#include "data/orbs.h"
#include "data/partner_report_flags.h"
#include "horoscope/chart.h"
#include "horoscope/interpretation.h"
#include "horoscope/partner.h"
#include "models/natal_report.h"
#include "models/styled_lines.h"

namespace sidora::models {

class PartnerReport {
public:
    // `partner_dir`: the library `Partner`; `zodiacal`: the notation of the position lists.
    PartnerReport(const horoscope::NatalChart& first, const horoscope::PartnerChart& partner,
                  std::filesystem::path partner_dir, const data::AspectDefs& defs, const data::OrbTables& orbs,
                  bool zodiacal);

    // "N&astav": the chosen sections, then "KONEC.".
    void build(const data::PartnerReportFlags& flags);

    // p, z, d the second person, q, y, e the first. False when not found.
    bool show_partner_text(bool quiet, const horoscope::TConstellation& c, int variant = 0);
    // The sixteen variants of the aspect `code` of the second person's b2 with the first's b1.
    void show_partner_aspect_texts(bool quiet, int b2, int b1, int code);
    // The nine lookups of body b in both charts.
    void show_same_body_texts(bool quiet, int b);
    // The second person's body b with the first person's bodies.
    void partner_aspect_list(int b);

    StyledDocument& doc() { return doc_; }
    const std::vector<TextLookup>& lookups() const { return texts_.lookups(); }
    const std::vector<std::string>& warnings() const { return texts_.warnings(); }

private:
    void person_header(const char* label, const horoscope::NatalChart& c);
    void planet_list(const horoscope::NatalChart& c, bool second);
    void house_list(const horoscope::NatalChart& c, bool second);
    bool shown_second(int b) const;
    std::string position(double lon) const;

    const horoscope::NatalChart& first_;
    const horoscope::PartnerChart& partner_;
    const data::AspectDefs& defs_;
    const data::OrbTables& orbs_;
    bool zodiacal_;
    StyledDocument doc_;
    TextLookups texts_;
};

}  // namespace sidora::models
