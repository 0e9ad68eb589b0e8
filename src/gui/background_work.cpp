#include "gui/background_work.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

#include "gui/frm_progress.h"

namespace {

// The latest report of the worker; the interface shows only the newest one, so a table of
// a hundred thousand rows does not flood the event queue.
struct Reports {
    std::mutex lock;
    int value = 0, maximum = 0;
    std::string caption;
    std::atomic<bool> posted{false};
};

}  // namespace

bool run_beside_interface(TFrmProgress& progress, const QString& caption, int maximum,
                          const std::function<bool(const sidora::tables::Progress&)>& work) {
    QObject receiver;  // lives on the interface thread; its queued calls die with it
    QEventLoop loop;
    Reports reports;
    std::atomic<bool> stop{false};
    const auto stop_link = QObject::connect(&progress, &TFrmProgress::stop_requested, &receiver, [&] { stop = true; });
    progress.begin_stoppable(caption, maximum);

    auto show_latest = [&] {
        reports.posted = false;
        int value = 0, max = 0;
        std::string text;
        {
            const std::lock_guard hold(reports.lock);
            value = reports.value, max = reports.maximum, text = reports.caption;
        }
        progress.show_state(value, max, QString::fromStdString(text));
    };
    const sidora::tables::Progress report = [&](int value, int max, const std::string& text) {
        {
            const std::lock_guard hold(reports.lock);
            reports.value = value, reports.maximum = max, reports.caption = text;
        }
        if (!reports.posted.exchange(true)) QMetaObject::invokeMethod(&receiver, show_latest, Qt::QueuedConnection);
        return !stop.load();
    };

    bool done = false;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            done = work(report);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&receiver, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    QObject::disconnect(stop_link);
    progress.finish();
    if (failure) std::rethrow_exception(failure);
    return done;
}
