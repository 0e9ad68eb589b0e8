#include "gui/czech.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool speak_czech(QApplication& app) {
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    QLocale::setDefault(czech);
    // Owned by the application, so it lives as long as the texts it translates.
    auto* translator = new QTranslator(&app);
    const bool loaded =
        translator->load(czech, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
    return loaded;
}
