// sidora: the desktop program.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include <iostream>
#include <optional>

#include "data/data_dir.h"
#include "data/startup.h"
#include "gui/czech.h"
#include "gui/frm_hlavni.h"
#include "gui/frm_pozor.h"
#include "gui/frm_progress.h"
#include "gui/frm_start.h"
#include "gui/help_viewer.h"
#include "gui/program_icon.h"
#include "gui/place_lists.h"
#include "models/moment_args.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sidora");
    QApplication::setApplicationVersion(SIDORA_VERSION);
    speak_czech(app);
    QApplication::setWindowIcon(program_icon());

    QCommandLineParser parser;
    parser.setApplicationDescription("Astronomický a astrologický kalendář");
    parser.addHelpOption();
    QCommandLineOption dir_option("dir", "Adresář s daty.", "ADRESÁŘ");
    QCommandLineOption quit_option("quit-after", "Po zobrazení hlavního okna skončí za MS milisekund.", "MS");
    QCommandLineOption screenshot_option("screenshot", "Uloží obraz hlavního okna do souboru PNG a skončí.", "SOUBOR");
    QCommandLineOption at_option("at", "Začne se zastaveným časem v zadaném okamžiku.", "RRRR-MM-DDTHH:MM[:SS]");
    QCommandLineOption tab_option("tab", "Otevře hlavní okno na záložce 1..7.", "N");
    parser.addOption(dir_option);
    parser.addOption(at_option);
    parser.addOption(tab_option);
    parser.addOption(quit_option);
    parser.addOption(screenshot_option);
    parser.process(app);

    std::optional<std::string> dir;
    if (parser.isSet(dir_option)) dir = parser.value(dir_option).toStdString();
    std::optional<int> quit_after;
    if (parser.isSet(quit_option)) {
        bool ok = false;
        const int ms = parser.value(quit_option).toInt(&ok);
        quit_after = ok && ms >= 0 ? ms : 0;
    }

    std::optional<sidora::engine::Moment> at;
    if (parser.isSet(at_option)) {
        at = sidora::models::parse_moment(parser.value(at_option).toStdString());
        if (!at) {
            std::cerr << "sidora: neplatný okamžik " << parser.value(at_option).toStdString()
                      << " (očekáváno RRRR-MM-DDTHH:MM[:SS])\n";
            return 2;
        }
    }
    std::optional<int> tab;
    if (parser.isSet(tab_option)) {
        bool ok = false;
        tab = parser.value(tab_option).toInt(&ok);
        if (!ok || *tab < 1 || *tab > 7) {
            std::cerr << "sidora: záložka musí být 1 až 7\n";
            return 2;
        }
    }

    TFrmStart splash;
    splash.show();
    QApplication::processEvents();

    sidora::data::AppState state;
    try {
        sidora::data::start_up(state, {sidora::data::resolve_data_dir(dir), sidora::data::shipped_data_dir()});
    } catch (const sidora::data::StartupError& e) {
        splash.close();
        std::cerr << "sidora: " << e.message() << "\n";
        QMessageBox box(QMessageBox::Critical, "Sidora", QString::fromStdString(e.message()));
        if (quit_after) QTimer::singleShot(*quit_after, &box, &QMessageBox::accept);
        box.exec();
        return 3;
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
    TFrmHlavni hlavni(state, shell, splash);
    hlavni.show();

    if (quit_after) QTimer::singleShot(*quit_after, &app, &QApplication::quit);
    if (parser.isSet(screenshot_option)) {
        const QString file = parser.value(screenshot_option);
        // After the first tick has filled the window.
        QObject::connect(&hlavni, &TFrmHlavni::ticked, &hlavni, [&hlavni, file] {
            const bool saved = hlavni.grab().save(file, "PNG");
            if (!saved) std::cerr << "sidora: obraz nelze uložit do " << file.toStdString() << "\n";
            QApplication::exit(saved ? 0 : 1);
        }, Qt::QueuedConnection);
    }
    return QApplication::exec();
}
