#include "gui/frm_vyber.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include <variant>

#include "gui/dialog_parts.h"
#include "gui/frm_pozor.h"
#include "gui/frm_texty.h"
#include "models/report_selection.h"

namespace models = sidora::models;

TFrmvyber::TFrmvyber(sidora::data::AppState& state, Shell& shell, const sidora::horoscope::NatalChart& chart,
                     QWidget* parent)
    : QDialog(parent), state_(state), shell_(shell), chart_(chart) {
    setObjectName("TFrmvyber");
    setWindowTitle(QString::fromUtf8(models::kSelectionCaption));
    auto* layout = new QVBoxLayout(this);
    // The boxes show stav.mem (or the defaults), not what a report before this one used.
    const auto flags = sidora::data::load_report_flags(state_.program_dir);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = new QCheckBox(QString::fromUtf8(models::kReportFlagLabels[i]), this);
        boxes[i]->setObjectName(QString("CheckBox%1").arg(i + 1));
        boxes[i]->setChecked(flags[i]);
        layout->addWidget(boxes[i]);
    }
    BitNastav = push_button("N&astav", "BitNastav", this);
    BitNastav->setDefault(true);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    connect(BitNastav, &QPushButton::clicked, this, &TFrmvyber::BitNastavClick);
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(button_row(help_button(shell_, models::kSelectionHelpTopic, "BitPomoc", this),
                                 {BitNastav, BitOpust}));
}

void TFrmvyber::BitNastavClick() {
    sidora::data::ReportFlags flags{};
    for (std::size_t i = 0; i < boxes.size(); ++i) flags[i] = boxes[i]->isChecked();
    auto built = models::confirm_selection(state_, chart_, flags);
    if (const auto* why = std::get_if<std::string>(&built)) {
        // stav.mem could not be written: no report, the dialog stays.
        shell_.pozor.show_warning(QString::fromStdString(*why));
        return;
    }
    const auto& report = std::get<models::BuiltReport>(built);
    TFrmTexty& texts = texts_window();
    texts.set_shell(shell_);
    texts.add(report.doc);
    for (const auto& w : report.warnings) shell_.pozor.show_warning(QString::fromStdString(w));
    accept();
}
