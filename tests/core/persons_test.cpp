#include <gtest/gtest.h>

#include <functional>

#include "data/persons_store.h"
#include "data/startup.h"
#include "io/cp1250.h"
#include "models/person_chooser.h"
#include "models/person_editor.h"
#include "temp_dir.h"
#include "../sample_persons.h"
#include "../sample_places.h"

using namespace sidora;
using data::TOsoba;
using namespace sidora::test;

namespace {

// A started program in a fresh directory with the shipped summer-time rules.
struct Started {
    TempDir dir;
    data::AppState state;
    explicit Started(std::initializer_list<TOsoba> persons = {}, std::initializer_list<data::TMisto> places = {kPraha}) {
        dir.write("osoby.dat", persons_file_of(persons));
        dir.write("mista.dat", file_of(places));
        data::start_up(state, {dir.path(), std::filesystem::path(SIDORA_SOURCE_DIR) / "data"});
    }
    std::string persons() const { return dir.read("osoby.dat"); }
};

TOsoba with(TOsoba p, void (*change)(TOsoba&)) {
    change(p);
    return p;
}

}  // namespace

TEST(PersonsStore, FreshDirectoryHoldsTheVersionRecordAlone) {
    TempDir dir;
    data::AppState state;
    data::start_up(state, {dir.path(), std::nullopt});
    const std::string bytes = dir.read("osoby.dat");
    ASSERT_EQ(bytes.size(), 104u);
    EXPECT_EQ(bytes.substr(0, 5), "\x04" "1.00");
    EXPECT_TRUE(data::PersonsStore(dir / "osoby.dat").read_all().empty());

    models::PersonChooser chooser(state);
    ASSERT_FALSE(chooser.show(1));
    EXPECT_TRUE(chooser.names().empty());
    EXPECT_EQ(chooser.check_edit(std::nullopt), "Není vybrána žádná osoba!");
    EXPECT_EQ(chooser.check_delete(std::nullopt).text, "Není vybrána žádná osoba!");
}

TEST(PersonsStore, DeletionMovesTheLastRecordAndNeverTheVersionRecord) {
    const struct {
        const char* name;
        std::string after;
    } cases[] = {
        {"Jana Nováková", persons_file_of({kJan, kCyril, kAdam})},  // a middle person
        {"Cyril", persons_file_of({kJan, kJana, kAdam})},           // the last person
        {"Jan Novák", persons_file_of({kCyril, kJana, kAdam})},     // the first person, after record 0
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("osoby.dat", persons_file_of({kJan, kJana, kAdam, kCyril}));
        data::PersonsStore(dir / "osoby.dat").remove(c.name);
        EXPECT_EQ(dir.read("osoby.dat"), c.after) << c.name;
    }
}

TEST(PersonsStore, AppendRewriteAndFindByExactName) {
    TempDir dir;
    dir.write("osoby.dat", persons_file_of({kJan, kJana}));
    data::PersonsStore store(dir / "osoby.dat");
    store.append(kAdam);
    store.rewrite("Jan Novák", kCyril);
    EXPECT_EQ(dir.read("osoby.dat"), persons_file_of({kCyril, kJana, kAdam}));
    EXPECT_EQ(store.find_person("Adam"), kAdam);
    EXPECT_FALSE(store.find_person("adam"));  // case-sensitive
    // Record 0 is no person even though it has a name.
    EXPECT_FALSE(store.find_person("1.00"));
}

// A name that went away behind the window's back, or a damaged file: a numbered message,
// the file as it was.
TEST(PersonsStore, FailuresAreReportedAndLeaveTheFileUnchanged) {
    const std::string good = persons_file_of({kJan});
    std::string bad_length = good;
    bad_length[104] = 31;  // a name longer than its field
    const struct {
        std::string bytes;
        std::function<void(data::PersonsStore&)> op;
        int code;
        std::string message;
    } cases[] = {
        {good, [](auto& s) { s.remove("Adam"); }, 28, "Běhová chyba 28 (osoby.dat): osoba „Adam“ v souboru není."},
        {good, [](auto& s) { s.rewrite("Adam", kAdam); }, 112, "Běhová chyba 112 (osoby.dat): osoba „Adam“ v souboru není."},
        {good.substr(0, 150), [](auto& s) { s.read_all(); }, 26,
         "Běhová chyba 26 (osoby.dat): délka souboru (150 bajtů) není násobkem délky záznamu 104 bajtů; soubor je poškozený."},
        {"", [](auto& s) { s.append(kAdam); }, 110,
         "Běhová chyba 110 (osoby.dat): délka souboru (0 bajtů) není násobkem délky záznamu 104 bajtů; soubor je poškozený."},
        {bad_length, [](auto& s) { s.remove("Jan Novák"); }, 28, "Běhová chyba 28 (osoby.dat): záznam 1 je poškozený."},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("osoby.dat", c.bytes);
        data::PersonsStore store(dir / "osoby.dat");
        try {
            c.op(store);
            ADD_FAILURE() << c.message;
        } catch (const data::PersonsError& e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_EQ(e.message(), c.message);
        }
        EXPECT_EQ(dir.read("osoby.dat"), c.bytes);
    }
    TempDir empty;
    EXPECT_THROW(data::PersonsStore(empty / "osoby.dat").read_all(), data::PersonsError);
}

TEST(SexRule, FemaleByOvaAtTheEndOrBeforeTheFirstSpace) {
    const struct {
        const char* name;
        bool female;
    } cases[] = {
        {"Jana Nováková", true}, {"Nováková Jana", true}, {"NOVÁKOVÁ", true}, {"nováková", true},
        {"Ová", true},  // three characters are enough for the end
        {"Jan Novák", false}, {"Ed", false}, {"E", false}, {"Xy Jana", false}, {"Ová Jana", true},
        {"Petr Ovádek", false}, {"Jana Novákova", false},
    };
    for (const auto& c : cases) EXPECT_EQ(data::is_female_name(c.name), c.female) << c.name;
    EXPECT_FALSE(data::is_female_name(""));
}

TEST(PersonProblem, NamesTheFieldThatCannotBeComputed) {
    const struct {
        TOsoba person;
        std::optional<std::string> problem;
    } cases[] = {
        {kJan, std::nullopt},
        {with(kJan, [](TOsoba& p) { p.year = 1799; }), "Datum narození mimo povolené rozmezí let 1800 až 2100!"},
        {with(kJan, [](TOsoba& p) { p.month = 2, p.day = 30; }), "Datum narození v záznamu osoby neexistuje!"},
        {with(kJan, [](TOsoba& p) { p.month = 13; }), "Datum narození v záznamu osoby neexistuje!"},
        {with(kJan, [](TOsoba& p) { p.hour = 24; }), "Čas narození v záznamu osoby neexistuje!"},
        {with(kJan, [](TOsoba& p) { p.zone = 0; }), "Časové pásmo v záznamu osoby je neplatné!"},
        {with(kJan, [](TOsoba& p) { p.zone = 25; }), "Časové pásmo v záznamu osoby je neplatné!"},
        {with(kJan, [](TOsoba& p) { p.house_system = 17; }), "Systém domů v záznamu osoby je neplatný!"},
        {with(kJan, [](TOsoba& p) { p.lat_deg = 91; }), "Souřadnice místa narození v záznamu osoby jsou mimo rozsah!"},
        {with(kJan, [](TOsoba& p) { p.lon_min = -1; }), "Souřadnice místa narození v záznamu osoby jsou mimo rozsah!"},
    };
    for (const auto& c : cases) EXPECT_EQ(data::person_problem(c.person), c.problem) << c.person.name;
}

TEST(PersonChooserModel, DetailTextsAndCaptionBySlot) {
    const models::PersonDetails jan = models::person_details(kJan);
    EXPECT_EQ(jan, (models::PersonDetails{"Jan Novák", "Muž", "5.března 1970", "Praha (50°5` S, 14°25` V)",
                                          "8:5 hodin", "+1 hod: středoevropské", "NE", "Placidus"}));
    TOsoba south = kJana;
    south.north = 0;
    south.east = 0;
    const models::PersonDetails jana = models::person_details(south);
    EXPECT_EQ(jana.sex, "Žena");
    EXPECT_EQ(jana.date, "15.června 1975");
    EXPECT_EQ(jana.place, "Brno (49°12` J, 16°37` Z)");
    EXPECT_EQ(jana.summer, "Ano");
    EXPECT_EQ(jana.house_system, "Koch");
    // A zone or system out of range shows nothing rather than reading past its table.
    TOsoba bad = kJan;
    bad.zone = 0;
    bad.house_system = 0;
    EXPECT_EQ(models::person_details(bad).zone, "");
    EXPECT_EQ(models::person_details(bad).house_system, "");

    Started s({kJan, kJana, kCyril, kAdam});
    models::PersonChooser chooser(s.state);
    chooser.show(1);
    EXPECT_EQ(chooser.caption(), "Výběr osoby pro nativní horoskop");
    EXPECT_EQ(chooser.names(), (std::vector<std::string>{"Adam", "Cyril", "Jan Novák", "Jana Nováková"}));
    chooser.show(2);
    EXPECT_EQ(chooser.caption(), "Výběr osoby pro partnerský horoskop");
    chooser.click("Jana Nováková");
    EXPECT_EQ(s.state.person_slots[2], kJana);
    EXPECT_EQ(s.state.person_slots[1], TOsoba{});
}

TEST(PersonChooserModel, ComputeChecksYearCompletenessAndStoredFields) {
    const TOsoba old = with(kJan, [](TOsoba& p) { p.name = "Starý", p.year = 1799; });
    const TOsoba zone0 = with(kJan, [](TOsoba& p) { p.name = "Pásmo", p.zone = 0; });
    const TOsoba no_place = with(kJan, [](TOsoba& p) { p.name = "Bez místa", p.place.clear(); });
    Started s({kJan, old, zone0, no_place});
    models::PersonChooser chooser(s.state);
    chooser.show(1);
    // Nothing chosen yet.
    EXPECT_EQ(chooser.check_compute(), "Údaje pro výpočet horoskopu nejsou kompletní!");
    const struct {
        const char* name;
        std::optional<std::string> refusal;
    } cases[] = {
        {"Jan Novák", std::nullopt},
        {"Starý", "Datum narození mimo povolené rozmezí let 1800 až 2100!"},
        {"Pásmo", "Časové pásmo v záznamu osoby je neplatné!"},  // listed, but not computed
        {"Bez místa", "Údaje pro výpočet horoskopu nejsou kompletní!"},
    };
    EXPECT_EQ(chooser.names().size(), 4u);
    for (const auto& c : cases) {
        chooser.click(c.name);
        EXPECT_EQ(chooser.check_compute(), c.refusal) << c.name;
    }
}

TEST(PersonChooserModel, EditAndDeleteNeedAPersonShownFromTheFile) {
    Started s({kJan, kJana, kAdam});
    models::PersonChooser chooser(s.state);
    chooser.show(1);
    EXPECT_EQ(chooser.check_edit("Adam"), "Žádná osoba z databáze není vybrána");  // selected, not clicked
    chooser.click("Adam");
    EXPECT_EQ(chooser.check_edit("Adam"), std::nullopt);
    EXPECT_EQ(s.state.edited_person, "Adam");
    const auto ask = chooser.check_delete("Adam");
    EXPECT_FALSE(ask.refused);
    EXPECT_EQ(ask.text, "Opravdu chceš smazat Adam?");
    chooser.delete_person("Adam");
    EXPECT_EQ(chooser.names(), (std::vector<std::string>{"Jan Novák", "Jana Nováková"}));
    EXPECT_FALSE(chooser.details());
    EXPECT_EQ(s.persons(), persons_file_of({kJan, kJana}));

    // Deleted by someone else meanwhile: reported, the file stays, the list is reread.
    chooser.click("Jan Novák");
    s.dir.write("osoby.dat", persons_file_of({kJana}));
    try {
        chooser.delete_person("Jan Novák");
        ADD_FAILURE();
    } catch (const data::PersonsError& e) {
        EXPECT_EQ(e.code(), 28);
    }
    EXPECT_EQ(s.persons(), persons_file_of({kJana}));
    EXPECT_THROW(chooser.click("Jan Novák"), data::PersonsError);
}

TEST(PersonEditorModel, SetOnlyFillsTheSlotAndLeavesTheFile) {
    Started s({kJan});
    models::PersonChooser chooser(s.state);
    chooser.show(1);
    chooser.click("Jan Novák");
    chooser.start_new();
    models::PersonEditor editor(s.state);
    auto shown = editor.show();
    EXPECT_EQ(shown.form.place, "Praha");
    shown.form.name = "Neuložená";
    EXPECT_EQ(editor.set_only(shown.form), std::nullopt);
    EXPECT_EQ(s.persons(), persons_file_of({kJan}));
    chooser.activate();
    ASSERT_TRUE(chooser.details());
    EXPECT_EQ(chooser.details()->name, "Neuložená");
    // The list still has Jan Novák selected, but the details show the unsaved person.
    EXPECT_EQ(chooser.check_edit("Jan Novák"), "Žádná osoba z databáze není vybrána");
    EXPECT_EQ(chooser.check_compute(), std::nullopt);
    chooser.close();
    EXPECT_FALSE(s.state.set_without_saving);

    shown.form.name.clear();
    EXPECT_EQ(editor.set_only(shown.form)->message, "Není zadáno jméno!");
}

TEST(PersonEditorModel, NewPersonTakesTheCurrentSettingsAndIsCheckedBeforeSaving) {
    Started s({kJan}, {kPraha, kBrno});
    s.state.current_place = kBrno;
    s.state.current_moment = {15, 7, 2004, 10, 30, 0};
    s.state.zone_offset = 2;  // a summer hour in force
    s.state.astro.current_house_system = 4;
    s.state.edited_person.clear();
    models::PersonEditor editor(s.state);
    auto shown = editor.show();
    models::PersonForm& f = shown.form;
    EXPECT_EQ(shown.places, (std::vector<std::string>{"Brno", "Praha"}));
    EXPECT_EQ(f.place, "Brno");
    EXPECT_EQ((std::array{f.year, f.month, f.day, f.hour, f.minute}), (std::array{2004, 7, 15, 0, 0}));
    EXPECT_TRUE(f.summer);
    EXPECT_EQ(f.zone_name, "+1 hod: středoevropské");
    EXPECT_EQ(f.house_system, 4);
    EXPECT_EQ(f.name, "");

    f.name = "Jan Novák";
    EXPECT_EQ(editor.save(f)->message, "Osoba pod jménem Jan Novák byla již uložena!");
    f.name = "Jiří ☺";
    EXPECT_EQ(editor.save(f)->message, "Jméno obsahuje znaky, které nelze uložit!");
    f.name = "Eva Malá";
    f.year = 1799;
    EXPECT_EQ(editor.save(f)->message, "Datum narození mimo povolené rozmezí let 1800 až 2100!");
    f.year = 2003;
    f.month = 2;
    f.day = 29;
    EXPECT_EQ(editor.save(f)->message, "Datum nebo čas narození neexistuje!");
    EXPECT_EQ(s.persons(), persons_file_of({kJan}));

    f.day = 28;
    f.hour = 7;
    f.minute = 45;
    f.male = false;
    EXPECT_EQ(editor.save(f), std::nullopt);
    const TOsoba eva{"Eva Malá", 0, 2003, 2, 28, 7, 45, 1, 2, "Brno", 16, 37, 1, 49, 12, 1, 4};
    EXPECT_EQ(s.persons(), persons_file_of({kJan, eva}));
    EXPECT_EQ(s.state.person_slots[1], eva);
}

TEST(PersonEditorModel, ThePlaceChosenWhenTheCurrentOneIsGone) {
    // The current place was deleted: the first place of the sorted list.
    Started s({}, {kPraha, kOstrava, kBrno});
    s.state.current_place = kCheb;
    models::PersonEditor editor(s.state);
    EXPECT_EQ(editor.show().form.place, "Brno");

    // No places at all: saving says so.
    s.dir.write("mista.dat", "");
    auto shown = editor.show();
    EXPECT_EQ(shown.form.place, "");
    shown.form.name = "Eva";
    EXPECT_EQ(editor.save(shown.form)->message, "Není zadáno místo narození!");
}

TEST(PersonEditorModel, LongPlaceIsCutAndComesBackShortenedOnEditing) {
    const data::TMisto long_place{"Horní Dolní pod Vysokou Horou nad", 15, 0, 1, 49, 30, 1};
    ASSERT_EQ(io::utf8_length(long_place.name), 33u);
    const data::TMisto longer{long_place.name + "xy", 15, 0, 1, 49, 30, 1};  // 35 characters
    Started s({}, {kPraha, longer});
    models::PersonEditor editor(s.state);
    auto shown = editor.show();
    shown.form.name = "Eva";
    shown.form.place = longer.name;
    ASSERT_EQ(editor.save(shown.form), std::nullopt);
    const auto eva = data::PersonsStore(s.dir / "osoby.dat").find_person("Eva");
    ASSERT_TRUE(eva);
    EXPECT_EQ(eva->place, "Horní Dolní pod Vysokou Horou ");
    EXPECT_EQ(eva->lat_min, 30);

    models::PersonChooser chooser(s.state);
    chooser.show(1);
    chooser.click("Eva");
    ASSERT_EQ(chooser.check_edit("Eva"), std::nullopt);
    shown = editor.show();
    EXPECT_EQ(shown.form.place, eva->place);
    const data::TMisto added{eva->place, 15, 0, 1, 49, 30, 1};
    EXPECT_EQ(s.dir.read("mista.dat"), file_of({kPraha, longer, added}));

    // Editing may take the name of another person; the record keeps its slot.
    s.dir.write("osoby.dat", persons_file_of({kJan, *eva}));
    shown.form.name = "Jan Novák";
    EXPECT_EQ(editor.save(shown.form), std::nullopt);
    const auto all = data::PersonsStore(s.dir / "osoby.dat").read_all();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].name, "Jan Novák");
    EXPECT_EQ(all[1].place, eva->place);

    // The person went away behind the editor's back.
    s.state.edited_person = "Nikdo";
    EXPECT_EQ(editor.save(shown.form)->message, "Běhová chyba 112 (osoby.dat): osoba „Nikdo“ v souboru není.");
}

TEST(PersonEditorModel, SummerTickFollowsTheDateAndHour) {
    Started s;
    models::PersonEditor editor(s.state);
    models::PersonForm f = editor.show().form;
    f.year = 2004;
    f.month = 3;
    f.day = 28;
    f.hour = 1;
    editor.follow_summer_rule(f);
    EXPECT_FALSE(f.summer);
    EXPECT_EQ(f.summer_text, "LČ zaveden od  28.3. 2 hod. SEĆ do 31.10. 3 hod. SELČ.");
    f.hour = 2;
    editor.follow_summer_rule(f);
    EXPECT_TRUE(f.summer);
    f.year = 1975;
    editor.follow_summer_rule(f);
    EXPECT_FALSE(f.summer);
    EXPECT_EQ(f.summer_text, "V roce 1975 nebyl LČ zaveden.");

    f = {};
    models::PersonEditor::name_changed(f);
    EXPECT_TRUE(f.male);
    f.name = "Nováková Jana";
    models::PersonEditor::name_changed(f);
    EXPECT_FALSE(f.male);
}
