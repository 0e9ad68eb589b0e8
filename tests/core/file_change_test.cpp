#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <set>
#include <thread>
#include <vector>

#include "io/files.h"
#include "temp_dir.h"

using namespace sidora;
using sidora::test::TempDir;
namespace fs = std::filesystem;

namespace {

mode_t mode_of(const fs::path& p) {
    struct stat st{};
    ::stat(p.c_str(), &st);
    return st.st_mode & 07777;
}

std::string error_of(const fs::path& p, const io::FileChange& change, std::chrono::milliseconds wait = io::kLockWait) {
    try {
        io::change_file(p, change, wait);
    } catch (const io::FileError& e) {
        return e.what();
    }
    return "<no error>";
}

const io::FileChange append_x = [](const std::optional<std::string>& cur) { return cur.value_or("") + "x"; };

// Files in the directory other than the data files and their locks.
std::vector<std::string> strays(const TempDir& dir, const std::set<std::string>& expected) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        const std::string n = e.path().filename().string();
        if (!expected.count(n) && n.find(".lock") == std::string::npos) out.push_back(n);
    }
    return out;
}

}  // namespace

TEST(ChangeFile, ChangeSeesTheCurrentBytesAndMayDeclineOrRefuse) {
    TempDir dir;
    const fs::path f = dir / "a.dat";
    std::optional<std::string> seen = "unset";
    io::change_file(f, [&](const std::optional<std::string>& cur) {
        seen = cur;
        return std::string("one");
    });
    EXPECT_EQ(seen, std::nullopt);  // a missing file is told apart from an empty one
    io::change_file(f, append_x);
    EXPECT_EQ(dir.read("a.dat"), "onex");

    io::change_file(f, [](const std::optional<std::string>&) { return std::optional<std::string>(); });
    EXPECT_EQ(dir.read("a.dat"), "onex");
    EXPECT_THROW(io::change_file(f, [](const std::optional<std::string>&) -> std::optional<std::string> {
                     throw std::invalid_argument("refused");
                 }),
                 std::invalid_argument);
    EXPECT_EQ(dir.read("a.dat"), "onex");
    EXPECT_TRUE(strays(dir, {"a.dat"}).empty());
}

TEST(ChangeFile, KeepsTheModeAndRefusesReadOnlyFiles) {
    TempDir dir;
    const fs::path f = dir / "mista.dat";
    for (const mode_t mode : {0600, 0640, 0664}) {
        dir.write("mista.dat", "old");
        ::chmod(f.c_str(), mode);
        io::change_file(f, append_x);
        EXPECT_EQ(mode_of(f), mode) << std::oct << mode;
        EXPECT_EQ(dir.read("mista.dat"), "oldx");
    }
    for (const mode_t mode : {0444, 0400, 0000}) {
        dir.write("mista.dat", "old");
        ::chmod(f.c_str(), mode);
        const std::string why = error_of(f, append_x);
        EXPECT_EQ(why, "Soubor „" + f.string() + "“ je jen pro čtení; změna nebyla uložena.") << std::oct << mode;
        EXPECT_EQ(mode_of(f), mode);
        ::chmod(f.c_str(), 0600);
        EXPECT_EQ(dir.read("mista.dat"), "old");
    }
    EXPECT_FALSE(io::write_file_atomic(dir / "none" / "x.dat", "x"));
}

TEST(ChangeFile, ANewFileGetsTheUsualModeNotTheTemporaryOne) {
    TempDir dir;
    const mode_t old = ::umask(027);
    io::replace_file(dir / "new.dat", "x");
    ::umask(old);
    EXPECT_EQ(mode_of(dir / "new.dat"), 0640u);
}

TEST(ChangeFile, WritesThroughSymbolicLinksAndRefusesDanglingOnes) {
    TempDir dir;
    fs::create_directory(dir / "sync");
    dir.write("sync/mista.dat", "old");
    fs::create_symlink("sync/mista.dat", dir / "mista.dat");  // relative to the link's folder
    io::change_file(dir / "mista.dat", append_x);
    EXPECT_TRUE(fs::is_symlink(dir / "mista.dat"));
    EXPECT_EQ(dir.read("sync/mista.dat"), "oldx");
    EXPECT_TRUE(strays(dir, {"mista.dat", "sync"}).empty());

    fs::create_symlink(dir / "gone" / "osoby.dat", dir / "osoby.dat");
    const std::string why = error_of(dir / "osoby.dat", append_x);
    EXPECT_NE(why.find("„" + (dir / "osoby.dat").string() + "“ je odkaz na"), std::string::npos) << why;
    EXPECT_NE(why.find("který neexistuje"), std::string::npos) << why;
    EXPECT_TRUE(fs::is_symlink(dir / "osoby.dat"));
}

TEST(ChangeFile, NamesTheFileAndTheDirectoryWhenItCannotWrite) {
    TempDir dir;
    dir.write("plain", "x");
    const std::string missing = error_of(dir / "none" / "osoby.dat", append_x);
    EXPECT_EQ(missing, "Soubor „" + (dir / "none" / "osoby.dat").string() + "“ nelze zapsat: adresář „" +
                           (dir / "none").string() + "“ neexistuje.");
    const std::string not_dir = error_of(dir / "plain" / "osoby.dat", append_x);
    EXPECT_NE(not_dir.find("„" + (dir / "plain").string() + "“ není adresář"), std::string::npos) << not_dir;
    fs::create_directory(dir / "d.dat");
    EXPECT_EQ(error_of(dir / "d.dat", append_x), "„" + (dir / "d.dat").string() + "“ není obyčejný soubor; změna nebyla uložena.");
    if (::geteuid() != 0) {  // root writes into any directory
        fs::create_directory(dir / "ro");
        ::chmod((dir / "ro").c_str(), 0555);
        const std::string ro = error_of(dir / "ro" / "osoby.dat", append_x);
        EXPECT_NE(ro.find("do adresáře „" + (dir / "ro").string() + "“ nelze zapisovat"), std::string::npos) << ro;
        ::chmod((dir / "ro").c_str(), 0755);
    }
}

TEST(ChangeFile, AWriterWaitsForTheLockThenGivesUpWithAMessage) {
    TempDir dir;
    dir.write("a.dat", "old");
    const int fd = ::open((dir / ".a.dat.lock").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(error_of(dir / "a.dat", append_x, std::chrono::milliseconds(200)),
              "Soubor „" + (dir / "a.dat").string() + "“ právě mění jiný program. Zkuste to znovu.");
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(200));

    std::thread holder([fd] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ::close(fd);
    });
    io::change_file(dir / "a.dat", append_x);  // waits for the holder instead of failing
    holder.join();
    EXPECT_EQ(dir.read("a.dat"), "oldx");
}

TEST(ChangeFile, ConcurrentWritersLoseNoChange) {
    TempDir dir;
    const fs::path f = dir / "log.dat";
    constexpr int kThreads = 20, kRounds = 10;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int r = 0; r < kRounds; ++r) {
                io::change_file(f, [&](const std::optional<std::string>& cur) {
                    return cur.value_or("") + static_cast<char>('A' + t);
                });
            }
        });
    }
    for (auto& th : threads) th.join();
    const std::string bytes = dir.read("log.dat");
    ASSERT_EQ(bytes.size(), std::size_t(kThreads * kRounds));
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 'A' + t), kRounds);
    EXPECT_TRUE(strays(dir, {"log.dat"}).empty());
}

TEST(ChangeFile, AKilledWriterLeavesTheOldOrTheNewFileAndTheNextWriteCleansUp) {
    TempDir dir;
    const fs::path f = dir / "mista.dat";
    // Two versions big enough that a kill often lands in the middle of a write.
    const std::string a(300'000, 'a'), b(200'000, 'b');
    io::replace_file(f, a);
    std::mt19937 rng(7);
    int leftovers_seen = 0;
    for (int i = 0; i < 100; ++i) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 0;; ++n) io::write_file_atomic(f, n % 2 ? a : b);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(rng));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = dir.read("mista.dat");
        ASSERT_TRUE(now == a || now == b) << "cut file of " << now.size() << " bytes after kill " << i;
        leftovers_seen += static_cast<int>(strays(dir, {"mista.dat"}).size());
        if (i % 10 == 9) {
            io::change_file(f, [](const std::optional<std::string>&) { return std::optional<std::string>(); });
            EXPECT_TRUE(strays(dir, {"mista.dat"}).empty());
        }
    }
    RecordProperty("leftovers_seen", leftovers_seen);
}
