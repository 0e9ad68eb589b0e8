#pragma once
// A started program in a temporary data directory, with the long-lived windows.
#include <QTemporaryDir>

#include <fstream>
#include <memory>

#include "data/startup.h"
#include "gui/frm_hlavni.h"
#include "gui/frm_pozor.h"
#include "gui/frm_progress.h"
#include "gui/frm_start.h"
#include "gui/help_viewer.h"
#include "gui/place_lists.h"

struct GuiFixture {
    QTemporaryDir dir;
    sidora::data::AppState state;
    TFrmStart splash;
    TFrmPozor pozor;
    TFrmProgress progress;
    HelpViewer help;
    PlaceLists place_lists;
    Shell shell{pozor, progress, help, place_lists};
    std::unique_ptr<TFrmHlavni> main;

    void write(const QString& name, const std::string& bytes) const {
        std::ofstream(dir.filePath(name).toStdString(), std::ios::binary) << bytes;
    }
    std::string read(const QString& name) const {
        std::ifstream in(dir.filePath(name).toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Start-up on the directory as it is now, then the main window.
    TFrmHlavni& start() {
        sidora::data::start_up(state, {dir.path().toStdString(), std::nullopt});
        main = std::make_unique<TFrmHlavni>(state, shell, splash);
        main->show();
        return *main;
    }
};
