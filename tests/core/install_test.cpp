#include <gtest/gtest.h>

#include "data/startup.h"
#include "temp_dir.h"

using namespace sidora;
using sidora::test::TempDir;

namespace {

struct Recorder {
    std::vector<std::string> events;
    data::InstallProgress progress() {
        data::InstallProgress p;
        p.begin = [this](const std::string& c, int max) { events.push_back("begin " + c + " " + std::to_string(max)); };
        p.step = [this](int pos) { events.push_back("step " + std::to_string(pos)); };
        p.end = [this] { events.push_back("end"); };
        p.warn = [this](const std::string& t) { events.push_back("warn " + t); };
        return p;
    }
};

data::AppState state_for(const TempDir& dir) {
    data::AppState s;
    s.program_dir = dir.path();
    return s;
}

}  // namespace

TEST(InstallTexts, UnpacksNewFilesKeepsExistingOnesAndConsumesTheSumFiles) {
    TempDir dir;
    std::filesystem::create_directories(dir / "numera");
    std::filesystem::create_directories(dir / "Partner");
    // "Ž" in Windows-1250 in a file name and in the text.
    dir.write("numera/Nsuma.dat", "@n1.txt\r\nprvn\xED \x8E\r\n\r\nkonec\r\n@n2.txt\r\nnov\xFD\r\n@n3.txt\r\nposledn\xED");
    dir.write("numera/n2.txt", "upraveno");
    dir.write("Partner/Psuma.dat", "@../unik.txt\r\nven\r\n@p\x8E.txt\r\ntext\r\n");
    dir.write("prvni.dat", "");

    Recorder rec;
    data::install_interpretations(state_for(dir), rec.progress());

    EXPECT_EQ(dir.read("numera/n1.txt"), "prvn\xED \x8E\r\n\r\nkonec\r\n");
    EXPECT_EQ(dir.read("numera/n2.txt"), "upraveno");
    EXPECT_EQ(dir.read("numera/n3.txt"), "posledn\xED\r\n");
    EXPECT_EQ(dir.read("Partner/pŽ.txt"), "text\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "unik.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "numera/Nsuma.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Partner/Psuma.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "prvni.dat"));

    const std::vector<std::string> expected = {
        "warn Adresář výkladů nenalezen! Nelze provést jejich instalaci!",
        "begin Instalace numerologických výkladů 63",
        "step 1", "step 2", "step 3", "end",
        "begin Instalace výkladů k partnerským horoskopům 586",
        "step 1", "step 2", "end",
        "warn Výklady s neplatným názvem souboru nebyly nainstalovány: „../unik.txt“",
    };
    EXPECT_EQ(rec.events, expected);
}

TEST(InstallTexts, MissingSumFileIsReportedAndTheMarkerStillGoes) {
    TempDir dir;
    std::filesystem::create_directories(dir / "texty");
    std::filesystem::create_directories(dir / "numera");
    std::filesystem::create_directories(dir / "Partner");
    dir.write("prvni.dat", "x");
    data::AppState s = state_for(dir);
    EXPECT_TRUE(data::installation_requested(s));
    Recorder rec;
    data::install_interpretations(s, rec.progress());
    EXPECT_EQ(rec.events.size(), 3u);
    EXPECT_EQ(rec.events[0], "warn Soubor s výklady nenalezen! Nelze provést instalaci výkladů!");
    EXPECT_FALSE(data::installation_requested(s));
}
