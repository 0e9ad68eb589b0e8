// sidora: the desktop program.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <filesystem>
#include <iostream>
#include <optional>

#include "data/data_dir.h"
#include "data/startup.h"
#include "gui/czech.h"
#include "gui/damaged_settings.h"
#include "gui/frm_helio.h"
#include "gui/frm_hlavni.h"
#include "gui/frm_pozor.h"
#include "gui/frm_progress.h"
#include "gui/frm_start.h"
#include "gui/frm_texty.h"
#include "gui/help_viewer.h"
#include "gui/place_lists.h"
#include "gui/program_icon.h"
#include "gui/program_options.h"

int main(int argc, char** argv) {
    ProgramOptions options;
    // Help and version need no display.
    if (asks_for_help_or_version(argc, argv)) return read_program_options(argc, argv, options).value_or(0);

    QApplication app(argc, argv);  // takes Qt's own options out of argv
    QApplication::setApplicationName("Sidora");
    QApplication::setApplicationVersion(SIDORA_VERSION);
    speak_czech(app);
    QApplication::setWindowIcon(program_icon());
    if (const auto status = read_program_options(argc, argv, options)) return *status;
    const std::optional<std::string>& dir = options.dir;
    const std::optional<int>& quit_after = options.quit_after;
    const std::optional<sidora::engine::Moment>& at = options.at;
    const std::optional<int>& tab = options.tab;

    TFrmStart splash;
    splash.show();
    QApplication::processEvents();

    sidora::data::AppState state;
    // Unattended runs (a screenshot, a timed quit) have nobody to ask.
    const bool unattended = quit_after || options.screenshot.has_value();
    for (;;) {
        std::filesystem::path data_dir;
        try {
            data_dir = sidora::data::resolve_data_dir(dir);
            sidora::data::start_up(state, {data_dir, sidora::data::shipped_data_dir()});
            break;
        } catch (const sidora::data::StartupError& e) {
            std::cerr << "sidora: " << e.message() << "\n";
            if (e.damaged_settings()) {
                if (unattended) return 1;
                splash.hide();
                if (!ask_to_set_aside(e, data_dir)) return 1;
                splash.show();
                continue;
            }
            splash.close();
            if (unattended) return 3;
            QMessageBox box(QMessageBox::Critical, "Sidora", QString::fromStdString(e.message()));
            box.exec();
            return 3;
        }
    }

    if (at) {
        state.clock_running = false;
        state.current_moment = *at;
    }
    if (tab) state.start.start_tab = static_cast<std::uint8_t>(*tab);

    TFrmPozor pozor;
    TFrmProgress progress;
    HelpViewer help;
    PlaceLists place_lists;
    Shell shell{pozor, progress, help, place_lists};
    texts_window().set_shell(shell);
    TFrmHlavni hlavni(state, shell, splash);
    hlavni.show();

    if (quit_after) {
        // A quit that comes while the first start installs the texts is lost in the installer's
        // event processing; ask again until the program has ended.
        auto* quitter = new QTimer(&app);
        QObject::connect(quitter, &QTimer::timeout, &app, &QApplication::quit);
        QTimer::singleShot(*quit_after, quitter, [quitter] {
            quitter->start(250);
            QApplication::quit();
        });
    }
    if (options.view) {
        // The same stars in every picture of the heliocentric view.
        if (options.screenshot) hlavni.helio_window().fix_stars(1);
        const QString view = QString::fromStdString(*options.view);
        QObject::connect(&hlavni, &TFrmHlavni::ticked, &hlavni, [&hlavni, view] { hlavni.show_view(view); },
                         Qt::SingleShotConnection);
    }
    if (options.screenshot) {
        const QString file = QString::fromStdString(*options.screenshot);
        const QString view = QString::fromStdString(options.view.value_or(""));
        // After the first tick has filled the window (and the view, opened by then).
        QObject::connect(&hlavni, &TFrmHlavni::ticked, &hlavni, [&hlavni, file, view] {
            QWidget* shown = view.isEmpty() ? &hlavni : hlavni.show_view(view);
            const bool saved = shown->grab().save(file, "PNG");
            if (!saved) std::cerr << "sidora: obraz nelze uložit do " << file.toStdString() << "\n";
            QApplication::exit(saved ? 0 : 1);
        }, Qt::QueuedConnection);
    }
    return QApplication::exec();
}
