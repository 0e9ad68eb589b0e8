#pragma once
// Long work (tables, searches) on a worker thread while the interface keeps running: the
// main window's timer ticks on, the progress window follows the work and its "Přerušit"
// asks the work to stop. The work must use its own engine, never the shared one.
#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "tables/ephemeris.h"

class TFrmProgress;

// Runs `work` with a progress callback whose reports reach the window on the interface
// thread and which answers false once "Přerušit" was pressed. Returns when the work has
// ended; false when it was stopped. An exception of the work is thrown again here.
bool run_beside_interface(TFrmProgress& progress, const QString& caption, int maximum,
                          const std::function<bool(const sidora::tables::Progress&)>& work);

// The same for work that yields a result, nothing when it stopped.
template <typename T, typename Work>
std::optional<T> run_beside_interface(TFrmProgress& progress, const QString& caption, int maximum, Work&& work) {
    std::optional<T> result;
    run_beside_interface(progress, caption, maximum, [&](const sidora::tables::Progress& p) {
        result = work(p);
        return result.has_value();
    });
    return result;
}
