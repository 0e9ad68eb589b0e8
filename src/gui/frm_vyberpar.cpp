#include "gui/frm_vyberpar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/frm_partner.h"
#include "gui/help_viewer.h"

TVyberpar::TVyberpar(const std::filesystem::path& program_dir, Shell& shell, TFrmPartner& partner)
    : QDialog(&partner) {
    setObjectName("TVyberpar");
    setWindowTitle("Výběr");
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel("Co mám napsat?", this));
    const auto stored = sidora::data::load_partner_report_flags(program_dir);
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i] = new QCheckBox(sidora::data::kPartnerReportItems[i], this);
        items[i]->setObjectName(QString("CheckListBox1_%1").arg(i));
        items[i]->setChecked(stored[i]);
        v->addWidget(items[i]);
    }
    auto* buttons = new QHBoxLayout;
    auto* nastav = new QPushButton("N&astav", this);
    nastav->setObjectName("BitNastav");
    nastav->setDefault(true);
    auto* opust = new QPushButton("&Opusť", this);
    opust->setObjectName("BitOpust");
    auto* help = new QPushButton("Nápověda", this);
    help->setObjectName("BitHelp");
    for (QPushButton* b : {nastav, opust, help}) buttons->addWidget(b);
    v->addLayout(buttons);
    connect(nastav, &QPushButton::clicked, this, &TVyberpar::BitNastavClick);
    connect(opust, &QPushButton::clicked, this, &QDialog::reject);  // Esc too
    connect(help, &QPushButton::clicked, this, [this, &shell] { shell.help.show_topic(51, this); });
}

sidora::data::PartnerReportFlags TVyberpar::checks() const {
    sidora::data::PartnerReportFlags f{};
    for (std::size_t i = 0; i < items.size(); ++i) f[i] = items[i]->isChecked();
    return f;
}

void TVyberpar::BitNastavClick() {
    auto* partner = qobject_cast<TFrmPartner*>(parent());
    // stavpar.mem that cannot be written keeps the dialog open and writes no report.
    if (partner && partner->build_report(checks())) accept();
}
