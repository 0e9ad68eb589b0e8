// Several writers changing mista.dat at once, as a window and scripts using the command line do.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <thread>
#include <vector>

#include "data/places_store.h"
#include "temp_dir.h"
#include "../sample_places.h"

using namespace sidora;
using data::TMisto;
using namespace sidora::test;
namespace fs = std::filesystem;

TEST(PlacesSharing, TwentyWritersAddingEditingAndDeletingLoseNothing) {
    TempDir dir;
    dir.write("mista.dat", file_of({kPraha, kBrno, kOstrava}));
    constexpr int kWriters = 20, kRounds = 10;
    // What each writer's reported successes leave behind.
    std::vector<std::set<std::string>> expected(kWriters);
    std::vector<std::string> failures(kWriters);
    std::vector<std::thread> writers;
    for (int t = 0; t < kWriters; ++t) {
        writers.emplace_back([&, t] {
            data::PlacesStore store(dir / "mista.dat");
            auto& mine = expected[static_cast<std::size_t>(t)];
            try {
                for (int r = 0; r < kRounds; ++r) {
                    const std::string name = "Místo " + std::to_string(t) + "-" + std::to_string(r);
                    store.append(TMisto{name, t, r, 1, 49, r, 1});
                    mine.insert(name);
                    if (r % 3 == 1) {  // rename the place just added
                        store.rewrite(name, TMisto{name + "b", t, r, 0, 48, r, 0});
                        mine.erase(name);
                        mine.insert(name + "b");
                    } else if (r % 3 == 2) {  // delete the first of this writer's places
                        const std::string first = *mine.begin();
                        store.remove(first);
                        mine.erase(first);
                    }
                }
            } catch (const data::PlacesError& e) {
                failures[static_cast<std::size_t>(t)] = e.message();
            }
        });
    }
    for (auto& w : writers) w.join();
    for (const auto& f : failures) EXPECT_EQ(f, "");

    const auto places = data::PlacesStore(dir / "mista.dat").read_all();
    std::multiset<std::string> names;
    for (const auto& p : places) names.insert(p.name);
    std::multiset<std::string> want{"Praha", "Brno", "Ostrava"};
    for (const auto& mine : expected) want.insert(mine.begin(), mine.end());
    EXPECT_EQ(names, want);
    for (const auto& e : fs::directory_iterator(dir.path())) {
        const std::string n = e.path().filename().string();
        EXPECT_TRUE(n == "mista.dat" || n == ".mista.dat.lock") << n;
    }
}

TEST(PlacesSharing, AChangeSeesWhatAnotherWriterDidMeanwhile) {
    TempDir dir;
    dir.write("mista.dat", file_of({kPraha, kBrno}));
    data::PlacesStore window(dir / "mista.dat");
    data::PlacesStore script(dir / "mista.dat");
    const auto listed = window.read_all();  // the window's list, soon stale

    script.append(kOstrava);
    EXPECT_THROW(window.append(kOstrava), data::PlaceNameTaken);
    script.remove("Brno");
    try {
        window.rewrite("Brno", kCheb);
        FAIL() << "rewrote a record that is gone";
    } catch (const data::PlacesError& e) {
        EXPECT_EQ(e.message(), "Běhová chyba 94 (mista.dat): místo „Brno“ v souboru není.");
    }
    window.append(kCheb);
    EXPECT_EQ(listed.size(), 2u);
    EXPECT_EQ(dir.read("mista.dat"), file_of({kPraha, kOstrava, kCheb}));
}
