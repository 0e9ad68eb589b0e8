#include "gui/frm_bio_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/grid_view.h"

namespace {

QColor qcolor(const sidora::models::Rgb& c) { return QColor(c.r, c.g, c.b); }

// A short stroke in a curve's colour beside its legend line.
class LegendStroke : public QWidget {
public:
    LegendStroke(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) { setFixedSize(24, 12); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(colour_, 3));
        p.drawLine(2, height() / 2, width() - 2, height() / 2);
    }

private:
    QColor colour_;
};

}  // namespace

BioPaint::BioPaint(const sidora::models::BioTable& table, QWidget* parent) : QWidget(parent), table_(table) {
    setObjectName("Paint");
    setMinimumSize(330, 250);
}

void BioPaint::paintEvent(QPaintEvent*) {
    const auto chart = sidora::models::bio_chart(table_, width(), height(), selected);
    QPainter p(this);
    p.fillRect(rect(), qcolor(chart.background));
    for (const auto& line : chart.lines) {
        p.setPen(QPen(qcolor(line.colour), line.width));
        QPolygon poly;
        for (const auto& pt : line.points) poly << QPoint(pt.x, pt.y);
        p.drawPolyline(poly);
    }
}

TFrmBioTab::TFrmBioTab(sidora::models::BioTable table, Shell& shell, QWidget* parent)
    : QDialog(parent), table_(std::move(table)) {
    setObjectName("TFrmBioTab");
    setWindowTitle(QString::fromStdString(table_.caption));
    setModal(true);

    Tab = new GridView("Tab", 31, 6, this);
    Tab->render(table_.grid);
    const int widths[6] = {70, 44, 15, 15, 15, 50};
    for (int c = 0; c < 6; ++c) Tab->setColumnWidth(c, widths[c]);
    Tab->setToolTip(QString::fromStdString(table_.name));
    Tab->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tab->setSelectionMode(QAbstractItemView::SingleSelection);
    Tab->setMinimumWidth(236 + 30);
    Tab->setMinimumHeight(400);
    connect(Tab, &QTableWidget::currentCellChanged, this, [this](int row) { select_row(row); });

    Paint = new BioPaint(table_, this);
    Paint->setToolTip(QString::fromStdString(table_.birth_text));
    LabelDen = new QLabel(this);
    LabelDen->setObjectName("LabelDen");

    auto* legend = new QGridLayout;
    int r = 0;
    legend->addWidget(new QLabel("Stáří uvedeno ve dnech", this), r++, 1);
    const sidora::models::Rgb strokes[3] = {sidora::models::colors::kRed, sidora::models::colors::kGreen,
                                            sidora::models::colors::kBlue};
    const char* cycles[3] = {"F = fyzický cyklus", "E = emocionální cyklus", "I = intelektuální cyklus"};
    for (int k = 0; k < 3; ++k) {
        legend->addWidget(new LegendStroke(qcolor(strokes[k]), this), r, 0);
        legend->addWidget(new QLabel(QString::fromUtf8(cycles[k]), this), r++, 1);
    }
    for (const char* t : {"+ = kladná fáze", "- = záporná fáze", "! = kritický den",
                          "Dítě = pohlaví dítěte počatého v daný den", "(výpočet pouze u žen a bez záruky!!!)",
                          "? = pohlaví nejisté", "! = vysoká pravděpodobnost"})
        legend->addWidget(new QLabel(QString::fromUtf8(t), this), r++, 1);

    BitTisk = push_button("Tisk", "BitTisk", this);
    BitTisk->setToolTip("Vytiskni tabulku biorytmů (CTRL-P)");
    BitOpust = push_button("&Opusť", "BitOpust", this);
    connect(BitTisk, &QPushButton::clicked, this, &TFrmBioTab::BitTiskClick);
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);
    auto* print_key = new QShortcut(QKeySequence("Ctrl+P"), this);
    connect(print_key, &QShortcut::activated, this, &TFrmBioTab::BitTiskClick);

    auto* right = new QVBoxLayout;
    right->addWidget(Paint, 1);
    right->addWidget(LabelDen);
    right->addLayout(legend);
    auto* top = new QHBoxLayout;
    top->addWidget(Tab);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(button_row(help_button(shell, 31, "HelpBioTab", this), {BitTisk, BitOpust}));
}

void TFrmBioTab::select_row(int row) {
    Paint->selected = row >= 1 && row <= 30 ? row : 0;
    LabelDen->setText(Paint->selected ? QString::fromStdString(table_.rows[static_cast<std::size_t>(row - 1)].date_text)
                                      : QString());
    Paint->update();
}

void TFrmBioTab::print_on(QPrinter& printer, int copies) const {
    const auto page = sidora::cycles::print_layout(table_.name, table_.birth_text, table_.male, table_.rows);
    // The dialog's copies are printed here, one page each, so the count reaches every printer.
    QPainter p(&printer);
    const double dots_per_mm = printer.resolution() / 25.4;
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0) printer.newPage();
        for (const auto& item : page.items) {
            QFont f("Arial");
            f.setPointSizeF(item.size);
            f.setBold(item.bold);
            p.setFont(f);
            p.drawText(QPointF(item.x * dots_per_mm, item.y * dots_per_mm), QString::fromStdString(item.text));
        }
    }
}

void TFrmBioTab::BitTiskClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() != QDialog::Accepted) return;
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    print_on(printer, copies);
}
