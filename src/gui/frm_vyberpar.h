#pragma once
// "Výběr" of the partner report: the four sections, stored in stavpar.mem.
#include <QDialog>
#include <array>

#include "data/partner_report_flags.h"
#include "gui/shell.h"

class QCheckBox;
class TFrmPartner;

class TVyberpar : public QDialog {
    Q_OBJECT
public:
    TVyberpar(const std::filesystem::path& program_dir, Shell& shell, TFrmPartner& partner);

    sidora::data::PartnerReportFlags checks() const;
    std::array<QCheckBox*, 4> items{};

public slots:
    void BitNastavClick();
};
