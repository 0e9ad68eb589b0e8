#include <gtest/gtest.h>

#include <algorithm>

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
        "begin Instalace numerologických výkladů 3",
        "step 1", "step 2", "step 3", "end",
        "begin Instalace výkladů k partnerským horoskopům 2",
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

TEST(InstallTexts, ATextThatCannotBeWrittenKeepsTheSumFileAndTheMarker) {
    TempDir dir;
    std::filesystem::create_directories(dir / "texty");
    // A link to a folder that is gone cannot take the text; the folder named like an old
    // temporary file must not stand in the way of t2.txt.
    std::filesystem::create_symlink(dir / "gone" / "t1.txt", dir / "texty" / "t1.txt");
    std::filesystem::create_directories(dir / "texty" / "t2.txt.tmp");
    const std::string sum = "@t1.txt\r\njedna\r\n@t2.txt\r\ndva\r\n";
    dir.write("texty/Tsuma.dat", sum);
    dir.write("prvni.dat", "");

    Recorder rec;
    data::install_interpretations(state_for(dir), rec.progress());
    EXPECT_EQ(dir.read("texty/t2.txt"), "dva\r\n");
    EXPECT_EQ(dir.read("texty/Tsuma.dat"), sum);
    EXPECT_TRUE(std::filesystem::exists(dir / "prvni.dat"));
    const auto warning = std::find_if(rec.events.begin(), rec.events.end(), [](const std::string& e) {
        return e.rfind("warn Tyto výklady se nepodařilo zapsat: „t1.txt“.", 0) == 0;
    });
    ASSERT_NE(warning, rec.events.end());
    EXPECT_NE(warning->find("Tsuma.dat zůstává"), std::string::npos) << *warning;

    // Once the link is mended the next start finishes the job.
    std::filesystem::remove(dir / "texty" / "t1.txt");
    data::install_interpretations(state_for(dir), rec.progress());
    EXPECT_EQ(dir.read("texty/t1.txt"), "jedna\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "texty" / "Tsuma.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "prvni.dat"));
}

TEST(InstallTexts, ShippedNumerologyTextsAreDeliveredOnceAndInstalledAlone) {
    TempDir shipped, dir;
    std::filesystem::create_directories(shipped / "numera");
    shipped.write("numera/Nsuma.dat", "@V1.txt\r\nJedna.\r\n@C1x0.txt\r\nNic.\r\n");
    data::AppState s;
    data::start_up(s, {dir.path(), shipped.path()});
    EXPECT_EQ(dir.read("numera/Nsuma.dat"), shipped.read("numera/Nsuma.dat"));
    EXPECT_EQ(dir.read("prvni.dat"), "numera\r\n");
    EXPECT_EQ(data::requested_kinds(s), std::vector<std::string>{"numera"});
    // Only the kind delivered: the missing natal texts give no warning.
    Recorder rec;
    data::install_interpretations(s, rec.progress());
    const std::vector<std::string> expected = {"begin Instalace numerologických výkladů 2", "step 1", "step 2", "end"};
    EXPECT_EQ(rec.events, expected);
    EXPECT_EQ(dir.read("numera/V1.txt"), "Jedna.\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "prvni.dat"));
    // The directory exists now: a later start delivers nothing again.
    std::filesystem::remove(dir / "numera/V1.txt");
    data::start_up(s, {dir.path(), shipped.path()});
    EXPECT_FALSE(std::filesystem::exists(dir / "prvni.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "numera/Nsuma.dat"));
}

TEST(InstallTexts, MarkerWithoutKindNamesAsksForAll) {
    TempDir dir;
    for (const auto& [content, kinds] : std::vector<std::pair<std::string, std::vector<std::string>>>{
             {"", {"texty", "numera", "Partner"}},
             {"x", {"texty", "numera", "Partner"}},
             {"Partner\r\nnumera\r\n", {"numera", "Partner"}}}) {
        dir.write("prvni.dat", content);
        auto got = data::requested_kinds(state_for(dir));
        std::sort(got.begin(), got.end());
        auto want = kinds;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(got, want) << content;
    }
}

TEST(InstallTexts, NatalPackageBringsThePartnerTextsAndReinstallKeepsEditedOnes) {
    TempDir shipped, dir;
    std::filesystem::create_directories(shipped / "texty");
    std::filesystem::create_directories(shipped / "Partner");
    shipped.write("texty/Tsuma.dat", "@P1Z1D0A0P0Z0D0.txt\r\nBeran.\r\n");
    shipped.write("Partner/Psuma.dat", "@RP1Z1D0A0P1Z1D0.txt\r\nOba.\r\n");
    data::AppState s;
    data::start_up(s, {dir.path(), shipped.path()});
    EXPECT_EQ(dir.read("prvni.dat"), "texty\r\nPartner\r\n");
    Recorder rec;
    data::install_interpretations(s, rec.progress());
    EXPECT_EQ(dir.read("texty/P1Z1D0A0P0Z0D0.txt"), "Beran.\r\n");
    EXPECT_EQ(dir.read("Partner/RP1Z1D0A0P1Z1D0.txt"), "Oba.\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "texty/Tsuma.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Partner/Psuma.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "prvni.dat"));

    dir.write("texty/P1Z1D0A0P0Z0D0.txt", "Moje.\r\n");
    std::filesystem::remove(dir / "Partner/RP1Z1D0A0P1Z1D0.txt");
    data::deliver_texts(dir.path(), shipped.path(), true);
    data::install_interpretations(s, rec.progress());
    EXPECT_EQ(dir.read("texty/P1Z1D0A0P0Z0D0.txt"), "Moje.\r\n");
    EXPECT_EQ(dir.read("Partner/RP1Z1D0A0P1Z1D0.txt"), "Oba.\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "prvni.dat"));
}
