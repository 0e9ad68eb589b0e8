#include <gtest/gtest.h>

#include "data/places_store.h"
#include "data/startup.h"
#include "models/new_place.h"
#include "models/places_window.h"
#include "temp_dir.h"
#include "../sample_places.h"

using namespace sidora;
using data::TMisto;
using models::PlaceField;
using namespace sidora::test;

TEST(PlacesFile, RecordLayoutIsByteExact) {
    const std::string r = encode(TMisto{"Ústí", 14, 2, 0, 50, 40, 0});
    ASSERT_EQ(r.size(), 68u);
    EXPECT_EQ(r.substr(0, 5), "\x04\xDAst\xED");
    EXPECT_EQ(r.substr(44, 4), std::string("\x0E\0\0\0", 4));
    EXPECT_EQ(r.substr(48, 4), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(r[52], 0);
    EXPECT_EQ(r.substr(56, 4), std::string("\x32\0\0\0", 4));
    EXPECT_EQ(r.substr(60, 4), std::string("\x28\0\0\0", 4));
    EXPECT_EQ(r[64], 0);
    EXPECT_EQ(data::decode_place(r), (TMisto{"Ústí", 14, 2, 0, 50, 40, 0}));
}

TEST(PlacesStore, DeletionMovesTheLastRecordIntoTheSlot) {
    const struct {
        const char* name;
        std::string after;
    } cases[] = {
        {"Brno", file_of({kPraha, kCheb, kOstrava})},     // a middle record
        {"Cheb", file_of({kPraha, kBrno, kOstrava})},     // the last record
        {"Praha", file_of({kCheb, kBrno, kOstrava})},     // the first record
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("mista.dat", file_of({kPraha, kBrno, kOstrava, kCheb}));
        data::PlacesStore store(dir / "mista.dat");
        store.remove(c.name);
        EXPECT_EQ(dir.read("mista.dat"), c.after) << c.name;
    }
}

TEST(PlacesStore, AppendRewriteAndFindByExactName) {
    TempDir dir;
    dir.write("mista.dat", file_of({kPraha, kBrno}));
    data::PlacesStore store(dir / "mista.dat");
    store.append(TMisto{"praha", 1, 2, 0, 3, 4, 0});  // another letter case is another place
    store.rewrite("Brno", kOstrava);
    EXPECT_EQ(dir.read("mista.dat"), file_of({kPraha, kOstrava, TMisto{"praha", 1, 2, 0, 3, 4, 0}}));
    EXPECT_EQ(store.find_place("praha")->lon_deg, 1);
    EXPECT_FALSE(store.find_place("Prah"));
    EXPECT_THROW(store.rewrite("Brno", kBrno), data::PlacesError);
}

TEST(PlacesStore, GarbledFileIsReportedAndNeverWritten) {
    TempDir dir;
    const std::string garbled = file_of({kPraha, kBrno}) + "12345";
    dir.write("mista.dat", garbled);
    data::PlacesStore store(dir / "mista.dat");
    try {
        store.read_all();
        FAIL();
    } catch (const data::PlacesError& e) {
        EXPECT_NE(e.message().find("mista.dat"), std::string::npos);
        EXPECT_NE(e.message().find("141 bajtů"), std::string::npos);
    }
    EXPECT_THROW(store.append(kCheb), data::PlacesError);
    EXPECT_THROW(store.remove("Brno"), data::PlacesError);
    EXPECT_THROW(store.rewrite("Brno", kCheb), data::PlacesError);
    EXPECT_EQ(dir.read("mista.dat"), garbled);
}

TEST(PlaceTexts, WindowValueTexts) {
    EXPECT_EQ(data::latitude_text(kPraha), "50° 5´ severně");
    EXPECT_EQ(data::longitude_text(kPraha), "14° 25´ východně");
    EXPECT_EQ(data::latitude_text(TMisto{"", 0, 0, 0, 33, 55, 0}), "33° 55´ jižně");
    EXPECT_EQ(data::longitude_text(TMisto{"", 70, 3, 0, 0, 0, 0}), "70° 3´ západně");
}

TEST(PlaceNames, CzechAlphabeticalOrder) {
    std::vector<TMisto> places;
    for (const char* n : {"Zlín", "Žatec", "Čáslav", "Cheb", "Chomutov", "Hradec", "Brno", "Ústí",
                          "Uherský Brod", "Říčany", "Rakovník", "Šumperk", "Strakonice", "cesta", "Ceská"}) {
        places.push_back(TMisto{n});
    }
    const std::vector<std::string> expected = {"Brno", "Ceská", "cesta", "Čáslav", "Hradec", "Cheb", "Chomutov",
                                               "Rakovník", "Říčany", "Strakonice", "Šumperk", "Uherský Brod",
                                               "Ústí", "Zlín", "Žatec"};
    EXPECT_EQ(data::sorted_place_names(places), expected);

    // The list's fast sort agrees with the pairwise order, prefixes, digits and case included.
    std::vector<TMisto> mixed;
    for (const char* n : {"Brno", "Brno 2", "Brno2", "brno", "BRNO", "Br", "", " Brno", "Ch", "C", "Cz", "Ch1",
                          "Žďár", "Zdar", "Ždár", "Üxheim", "Ærø", "Σ", "Čech", "Cech", "čech", "Praha-západ"}) {
        mixed.push_back(TMisto{n});
    }
    const auto sorted = data::sorted_place_names(mixed);
    ASSERT_EQ(sorted.size(), mixed.size());
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
        EXPECT_TRUE(data::czech_less(sorted[i], sorted[i + 1])) << sorted[i] << " | " << sorted[i + 1];
    }
}

TEST(NewPlaceForm, ChecksInTheDialogsOrder) {
    const struct {
        models::PlaceForm form;
        const char* message;  // nullptr: accepted
        PlaceField field;
    } cases[] = {
        {{"", "x", "x", true, "x", "x", true}, "Není zadáno místo!", PlaceField::Name},
        {{"A", "", "0", true, "0", "0", true}, "V okénku zeměpisná šířka je hloupost!", PlaceField::LatDeg},
        {{"A", "5x", "0", true, "0", "0", true}, "V okénku zeměpisná šířka je hloupost!", PlaceField::LatDeg},
        {{"A", "91", "99", true, "0", "0", true}, "Zeměpisná šířka může nabývat hodnot od 0 do 90°!", PlaceField::LatDeg},
        {{"A", "90", "", true, "x", "x", true}, "V okénku zeměpisná šířka je hloupost!", PlaceField::LatMin},
        {{"A", "90", "60", true, "x", "x", true}, "Minuty je možno zadat v rozmezí od 0 do 59!", PlaceField::LatMin},
        {{"A", "90", "30", true, "x", " 1", true}, "V okénku zeměpisná délka je hloupost!", PlaceField::LonMin},
        {{"A", "90", "30", true, "x", "60", true}, "Minuty je možno zadat v rozmezí od 0 do 59!", PlaceField::LonMin},
        {{"A", "90", "30", true, "-1", "0", true}, "Zeměpisná délka může nabývat hodnot od 0 do 180°!", PlaceField::LonDeg},
        {{"A", "90", "30", true, "181", "0", true}, "Zeměpisná délka může nabývat hodnot od 0 do 180°!", PlaceField::LonDeg},
        {{"A♈", "0", "0", true, "0", "0", true}, "Název místa obsahuje znaky, které nelze uložit!", PlaceField::Name},
        // No minutes beyond the pole or the date line.
        {{"A", "90", "30", true, "180", "59", true}, "Zeměpisná šířka může nabývat hodnot od 0 do 90°!", PlaceField::LatMin},
        {{"A", "89", "59", true, "180", "1", true}, "Zeměpisná délka může nabývat hodnot od 0 do 180°!", PlaceField::LonMin},
        {{"A", "90", "0", true, "180", "0", true}, nullptr, PlaceField::Name},
        // Names a list, a file or a terminal would show wrongly.
        {{"   ", "0", "0", true, "0", "0", true}, "Není zadáno místo!", PlaceField::Name},
        {{" Brno", "0", "0", true, "0", "0", true}, "Název místa nesmí začínat ani končit mezerou!", PlaceField::Name},
        {{"Brno ", "0", "0", true, "0", "0", true}, "Název místa nesmí začínat ani končit mezerou!", PlaceField::Name},
        {{"Br\nno", "0", "0", true, "0", "0", true}, "Název místa nesmí obsahovat řídicí znaky!", PlaceField::Name},
        {{"Brno\r", "0", "0", true, "0", "0", true}, "Název místa nesmí obsahovat řídicí znaky!", PlaceField::Name},
        {{"\x1b[31mBrno", "0", "0", true, "0", "0", true}, "Název místa nesmí obsahovat řídicí znaky!", PlaceField::Name},
        {{"Br\x7fno", "0", "0", true, "0", "0", true}, "Název místa nesmí obsahovat řídicí znaky!", PlaceField::Name},
        {{"Br\u0081no", "0", "0", true, "0", "0", true}, "Název místa nesmí obsahovat řídicí znaky!", PlaceField::Name},
        {{"Nové Město na Moravě", "0", "0", true, "0", "0", true}, nullptr, PlaceField::Name},
        {{"A", "0", "0", false, "0", "0", false}, nullptr, PlaceField::Name},
    };
    for (const auto& c : cases) {
        const auto error = models::validate_place_form(c.form);
        if (c.message == nullptr) {
            EXPECT_FALSE(error) << error->message;
            continue;
        }
        ASSERT_TRUE(error) << c.message;
        EXPECT_EQ(error->message, c.message);
        EXPECT_EQ(error->field, c.field) << c.message;
    }
}

TEST(NewPlaceForm, SavingNewAndEditedPlaces) {
    TempDir dir;
    dir.write("mista.dat", file_of({kPraha, kBrno}));
    data::PlacesStore store(dir / "mista.dat");

    const auto dup = models::save_place(store, "", models::PlaceForm{"Brno", "1", "2", true, "3", "4", true});
    ASSERT_TRUE(dup);
    EXPECT_EQ(dup->message, "Brno byl již dříve uložen!");
    EXPECT_EQ(dir.read("mista.dat"), file_of({kPraha, kBrno}));

    EXPECT_FALSE(models::save_place(store, "", models::PlaceForm{"Cheb", "50", "05", true, "012", "22", true}));
    EXPECT_EQ(dir.read("mista.dat"), file_of({kPraha, kBrno, kCheb}));

    // An edit keeps the record's slot; renaming onto another place's name would leave two
    // records of one name, the second unreachable, so it is refused.
    const auto onto = models::save_place(store, "Brno", models::PlaceForm{"Cheb", "1", "2", false, "3", "4", false});
    ASSERT_TRUE(onto);
    EXPECT_EQ(onto->message, "Cheb byl již dříve uložen!");
    EXPECT_EQ(onto->field, PlaceField::Name);
    EXPECT_EQ(dir.read("mista.dat"), file_of({kPraha, kBrno, kCheb}));
    EXPECT_FALSE(models::save_place(store, "Brno", models::PlaceForm{"Brno", "1", "2", false, "3", "4", false}));
    EXPECT_FALSE(models::save_place(store, "Brno", models::PlaceForm{"Tábor", "1", "2", false, "3", "4", false}));
    EXPECT_EQ(dir.read("mista.dat"), file_of({kPraha, TMisto{"Tábor", 3, 4, 0, 1, 2, 0}, kCheb}));
}

TEST(PlacesFile, RecordsOffTheGlobeAreMarkedDamaged) {
    const struct {
        std::int32_t lat_deg, lat_min, lon_deg, lon_min;
        bool damaged;
    } cases[] = {
        {0, 0, 0, 0, false},    {90, 0, 180, 0, false},  {89, 59, 179, 59, false},
        {2147483647, 0, 14, 25, true},  {-1, 0, 14, 25, true},   {50, 60, 14, 25, true},
        {90, 30, 14, 25, true},  {50, 5, 181, 0, true},   {50, 5, 180, 1, true},
        {50, 5, 14, -1, true},   {50, 5, -2147483647 - 1, 0, true},
    };
    for (const auto& c : cases) {
        const TMisto p{"Bod", c.lon_deg, c.lon_min, 1, c.lat_deg, c.lat_min, 1};
        const auto decoded = data::decode_place(encode(p));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->damaged, c.damaged) << c.lat_deg << " " << c.lat_min << " " << c.lon_deg << " " << c.lon_min;
        EXPECT_EQ(data::damaged_place_message(*decoded).has_value(), c.damaged);
    }
    TMisto bad{"Bod", 14, 25, 1, 2147483647, 0, 1};
    bad.damaged = true;
    EXPECT_EQ(data::damaged_place_message(bad),
              "Záznam místa „Bod“ v souboru mista.dat je poškozený: zeměpisná šířka 2147483647° 0´ leží mimo "
              "zeměkouli. Místo nelze použít; opravte je nebo smažte.");
}

TEST(PlacesStore, ADamagedRecordIsListedKeptByteForByteAndNeverMadeCurrent) {
    TempDir dir;
    std::string odd = encode(TMisto{"Bod", 14, 25, 1, 2147483647, 0, 1});
    odd[50] = '';  // padding bytes another program left: kept as they are
    dir.write("mista.dat", file_of({kPraha, kBrno}) + odd);
    data::AppState state;
    data::start_up(state, {dir.path(), std::nullopt});
    models::PlacesWindow w(state);
    ASSERT_FALSE(w.show());
    EXPECT_EQ(w.names(), (std::vector<std::string>{"Bod", "Brno", "Praha"}));
    w.click("Bod");
    EXPECT_EQ(state.current_place, kPraha);
    const auto refused = w.choose("Bod");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->rfind("Záznam místa „Bod“ v souboru mista.dat je poškozený", 0), 0u) << *refused;

    w.store().append(kCheb);
    w.store().remove("Brno");
    EXPECT_EQ(dir.read("mista.dat"), file_of({kPraha, kCheb}) + odd);
    w.delete_place("Bod");  // the user may still delete it
    EXPECT_EQ(dir.read("mista.dat"), file_of({kPraha, kCheb}));
}

TEST(StartUp, ADamagedHomePlaceIsNotUsedAndTheStartSaysWhy) {
    TempDir dir;
    data::StartMem s;
    s.home_place_name = "Bod";
    dir.write("start.mem", encode(s));
    const std::string places = file_of({TMisto{"Bod", 14, 25, 1, 91, 0, 1}, TMisto{"Sever", 0, 0, 1, 90, 30, 1}, kBrno});
    dir.write("mista.dat", places);
    data::AppState state;
    data::start_up(state, {dir.path(), std::nullopt});
    EXPECT_EQ(state.current_place, kBrno);
    ASSERT_EQ(state.startup_warnings.size(), 1u);
    EXPECT_NE(state.startup_warnings[0].find("Záznam místa „Bod“ v souboru mista.dat je poškozený"), std::string::npos);
    EXPECT_NE(state.startup_warnings[0].find("„Brno“"), std::string::npos);
    EXPECT_EQ(dir.read("mista.dat"), places);
}

TEST(PlacesWindowModel, ClickChooseDeleteAndReturnHome) {
    TempDir dir;
    dir.write("mista.dat", file_of({kPraha, kBrno, kOstrava}));
    data::AppState state;
    data::start_up(state, {dir.path(), std::nullopt});
    models::PlacesWindow w(state);
    ASSERT_FALSE(w.show());
    EXPECT_EQ(w.names(), (std::vector<std::string>{"Brno", "Ostrava", "Praha"}));

    EXPECT_EQ(w.choose(std::nullopt), "Není vybráno žádné místo!");
    w.click("Ostrava");
    EXPECT_EQ(state.current_place, kOstrava);
    state.zone_offset = 5;
    EXPECT_TRUE(w.close().empty());
    EXPECT_EQ(state.current_place, kPraha);
    EXPECT_EQ(state.zone_offset, 1);

    w.show();
    w.click("Brno");
    EXPECT_FALSE(w.choose("Brno"));
    w.close();
    EXPECT_EQ(state.current_place, kBrno);

    w.show();
    EXPECT_EQ(w.check_delete(std::nullopt).text, "Není vybráno žádné místo!");
    const auto home = w.check_delete("Praha");
    EXPECT_TRUE(home.refused);
    EXPECT_EQ(home.text, "Praha nelze smazat! Je nastaven jako domov.");
    const auto ask = w.check_delete("Brno");
    EXPECT_FALSE(ask.refused);
    EXPECT_EQ(ask.text, "Opravdu chceš smazat Brno?");
    w.delete_place("Brno");
    EXPECT_EQ(w.names(), (std::vector<std::string>{"Ostrava", "Praha"}));
    EXPECT_EQ(dir.read("mista.dat"), file_of({kPraha, kOstrava}));
}
