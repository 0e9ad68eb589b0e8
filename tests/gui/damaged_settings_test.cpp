// The question at start-up about a damaged settings file, answered both ways.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "data/startup.h"
#include "gui/damaged_settings.h"

namespace {

std::string read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Clicks the button of that text in the question once it is up; keeps the question's text.
void answer(const QString& button, QString& text) {
    QTimer::singleShot(0, [button, &text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        for (auto* b : box->buttons()) {
            if (b->text() == button) QTest::mouseClick(b, Qt::LeftButton);
        }
    });
}

sidora::data::StartupError start_error(const std::filesystem::path& dir) {
    sidora::data::AppState state;
    try {
        sidora::data::start_up(state, {dir, std::nullopt});
    } catch (const sidora::data::StartupError& e) {
        return e;
    }
    return sidora::data::StartupError(0, "", "start-up did not fail");
}

}  // namespace

class DamagedSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void neKeepsEverythingAnoSetsTheFileAsideAndStartsWithDefaults() {
        QTemporaryDir tmp;
        const std::filesystem::path dir = tmp.path().toStdString();
        std::ofstream(dir / "start.mem", std::ios::binary) << "x";
        const auto e = start_error(dir);
        QVERIFY(e.damaged_settings());

        QString text;
        answer("Ne", text);
        QVERIFY(!ask_to_set_aside(e, dir));
        QVERIFY(text.startsWith("Běhová chyba 4 (start.mem)"));
        QVERIFY(text.contains("Pokračovat s výchozím nastavením?"));
        QCOMPARE(read(dir / "start.mem"), std::string("x"));
        QVERIFY(!std::filesystem::exists(dir / "start.mem.poskozeny"));

        answer("Ano", text);
        QVERIFY(ask_to_set_aside(e, dir));
        QCOMPARE(read(dir / "start.mem.poskozeny"), std::string("x"));
        sidora::data::AppState state;
        sidora::data::start_up(state, {dir, std::nullopt});
        QCOMPARE(read(dir / "start.mem").size(), sidora::data::StartMem::kSize);
    }
};

QTEST_MAIN(DamagedSettingsTest)
#include "damaged_settings_test.moc"
