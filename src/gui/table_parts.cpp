#include "gui/table_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "engine/time.h"
#include "gui/background_work.h"
#include "gui/frm_pozor.h"
#include "gui/frm_texty.h"
#include "gui/shell.h"
#include "models/search_document.h"

SpanBoxes::SpanBoxes(QWidget* parent) : QWidget(parent) {
    setObjectName("SpanBoxes");
    auto box = [this](const char* name, int lo, int hi) {
        auto* s = new QSpinBox(this);
        s->setObjectName(name);
        s->setRange(lo, hi);
        return s;
    };
    SpinEdit1 = box("SpinEdit1", 1, 12);
    SpinEdit2 = box("SpinEdit2", sidora::engine::year_min, sidora::engine::year_max);
    SpinEdit3 = box("SpinEdit3", 1, 12);
    SpinEdit4 = box("SpinEdit4", sidora::engine::year_min, sidora::engine::year_max);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel("od měsice:", this), 0, 0);
    grid->addWidget(SpinEdit1, 0, 1);
    grid->addWidget(new QLabel("roku:", this), 0, 2);
    grid->addWidget(SpinEdit2, 0, 3);
    grid->addWidget(new QLabel("do měsíce:", this), 1, 0);
    grid->addWidget(SpinEdit3, 1, 1);
    grid->addWidget(new QLabel("roku:", this), 1, 2);
    grid->addWidget(SpinEdit4, 1, 3);
    grid->setColumnStretch(4, 1);
}

void SpanBoxes::set_span(const sidora::tables::Span& s) {
    SpinEdit1->setValue(s.start_month);
    SpinEdit2->setValue(s.start_year);
    SpinEdit3->setValue(s.end_month);
    SpinEdit4->setValue(s.end_year);
}

sidora::tables::Span SpanBoxes::span() const {
    return {SpinEdit1->value(), SpinEdit2->value(), SpinEdit3->value(), SpinEdit4->value()};
}

QGroupBox* moving_body_group(const QString& title, const QString& name, int columns, QButtonGroup*& buttons,
                             QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    buttons = new QButtonGroup(group);
    auto* grid = new QGridLayout(group);
    const int per_column = (sidora::tables::kMovingBodies + columns - 1) / columns;
    for (int i = 0; i < sidora::tables::kMovingBodies; ++i) {
        auto* r = new QRadioButton(QString::fromStdString(sidora::tables::body_name(i)), group);
        buttons->addButton(r, i);
        grid->addWidget(r, i % per_column, i / per_column);
    }
    buttons->button(0)->setChecked(true);
    return group;
}

sidora::tables::TableContext table_context_of(const sidora::data::AppState& state) {
    sidora::tables::TableContext x;
    x.zone_offset = state.zone_offset;
    x.place = state.current_place;
    x.zodiacal = state.astro.zodiacal_notation != 0;
    x.seconds = state.astro.angle_seconds != 0;
    return x;
}

bool search_into_texts(Shell& shell, const sidora::engine::Engine& engine, int days, SearchWork search) {
    auto copy = std::make_shared<sidora::engine::Engine>(engine);
    std::optional<sidora::tables::SearchResult> result;
    try {
        result = run_beside_interface<sidora::tables::SearchResult>(
            shell.progress, "Počítám ...", days,
            [copy, search = std::move(search)](const sidora::tables::Progress& p) { return search(*copy, p); });
    } catch (const std::exception& e) {
        shell.pozor.show_warning(QString::fromStdString(e.what()));
        return false;
    }
    if (!result) return false;
    texts_window().add(sidora::models::search_document(*result));
    return true;
}
