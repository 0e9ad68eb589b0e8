#pragma once
// What the table and search dialogs build alike: the span boxes, the ten moving bodies, the
// table context of the moment, and the work run beside the interface on an engine copy.
#include <QButtonGroup>
#include <QGroupBox>
#include <QSpinBox>
#include <functional>

#include "data/app_state.h"
#include "tables/choice.h"
#include "tables/ephemeris.h"
#include "tables/search.h"

struct Shell;

// "od měsice:" … "roku:", "do měsíce:" … "roku:": whole months within the program's years.
class SpanBoxes : public QWidget {
    Q_OBJECT
public:
    explicit SpanBoxes(QWidget* parent);
    void set_span(const sidora::tables::Span& span);
    sidora::tables::Span span() const;

    QSpinBox* SpinEdit1;  // start month
    QSpinBox* SpinEdit2;  // start year
    QSpinBox* SpinEdit3;  // end month
    QSpinBox* SpinEdit4;  // end year
};

// A radio group of the ten moving bodies in `columns` columns, the first checked.
QGroupBox* moving_body_group(const QString& title, const QString& name, int columns, QButtonGroup*& buttons,
                             QWidget* parent);

// The zone, place and display settings of the main window's moment, taken once per run.
sidora::tables::TableContext table_context_of(const sidora::data::AppState& state);

// A search of `days` days on a copy of `engine` beside the interface, its result appended to
// the texts window. False when it was stopped or failed (a missing or damaged data file, the
// asteroids' elements: its warning is shown).
using SearchWork = std::function<std::optional<sidora::tables::SearchResult>(sidora::engine::Engine&,
                                                                             const sidora::tables::Progress&)>;
bool search_into_texts(Shell& shell, const sidora::engine::Engine& engine, int days, SearchWork search);
