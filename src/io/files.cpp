#include "io/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>
#include <vector>

namespace sidora::io {

namespace fs = std::filesystem;

std::optional<std::string> read_file(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

namespace {

std::string quoted(const fs::path& p) { return "„" + p.string() + "“"; }

std::string reason_of(int err) {
    switch (err) {
        case ENOSPC: return "na disku není místo";
        case EDQUOT: return "je vyčerpána kvóta disku";
        case EACCES:
        case EPERM: return "přístup byl odepřen";
        case EROFS: return "systém souborů je jen pro čtení";
        case EIO: return "chyba vstupu a výstupu";
        case ENAMETOOLONG: return "cesta je příliš dlouhá";
        case ELOOP: return "příliš mnoho symbolických odkazů";
        default: return "chyba systému " + std::to_string(err) + " (" + std::strerror(err) + ")";
    }
}

// Why the file `shown` cannot be written when an operation in its directory failed with err.
[[noreturn]] void fail(const fs::path& shown, const fs::path& dir, int err) {
    const std::string head = "Soubor " + quoted(shown) + " nelze zapsat: ";
    if (err == ENOENT) throw FileError(head + "adresář " + quoted(dir) + " neexistuje.");
    if (err == ENOTDIR) throw FileError(head + quoted(dir) + " není adresář.");
    if (err == EACCES || err == EPERM || err == EROFS)
        throw FileError(head + "do adresáře " + quoted(dir) + " nelze zapisovat (" + reason_of(err) + ").");
    throw FileError(head + reason_of(err) + ".");
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// The file a chain of symbolic links ends at; `linked` tells whether there was a link.
fs::path resolve_links(const fs::path& path, bool& linked) {
    fs::path p = path;
    linked = false;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st{};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        linked = true;
        std::error_code ec;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) return p;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    throw FileError("Soubor " + quoted(path) + " nelze zapsat: " + reason_of(ELOOP) + ".");
}

// The process's umask, read without changing it (umask() would race with other threads).
mode_t current_umask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtol(line.c_str() + 6, nullptr, 8));
    }
    return 022;
}

void write_all(int fd, std::string_view bytes, const fs::path& shown, const fs::path& dir) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(shown, dir, errno);
        }
        done += static_cast<std::size_t>(n);
    }
}

// Temporary files of writers that were killed before their rename; called under the lock, so
// no living writer owns one.
void remove_leftovers(const fs::path& dir, const std::string& prefix) {
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
            it->is_regular_file(ec) && !it->is_symlink(ec)) {
            stale.push_back(it->path());
        }
    }
    for (const auto& p : stale) fs::remove(p, ec);
}

int lock_beside(const fs::path& target, const fs::path& shown, std::chrono::milliseconds wait) {
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const fs::path lock = dir / ("." + target.filename().string() + ".lock");
    Fd fd(::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (fd.get() < 0) fail(shown, dir, errno);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) fail(shown, dir, errno);
        if (std::chrono::steady_clock::now() >= deadline)
            throw FileError("Soubor " + quoted(shown) + " právě mění jiný program. Zkuste to znovu.");
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return fd.release();
}

}  // namespace

std::string temporary_prefix(const fs::path& path) { return "." + path.filename().string() + ".tmp"; }

void change_file(const fs::path& path, const FileChange& change, std::chrono::milliseconds wait) {
    bool linked = false;
    const fs::path target = resolve_links(path, linked);
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();

    struct stat st{};
    const auto dangling = [&] {
        return FileError("Soubor " + quoted(path) + " je odkaz na " + quoted(target) +
                         ", který neexistuje; změna nebyla uložena.");
    };
    // A link to a file that is gone (an unmounted folder, say) is not replaced by a file.
    if (linked && ::lstat(target.c_str(), &st) != 0) throw dangling();

    const Fd lock(lock_beside(target, path, wait));

    const bool exists = ::lstat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) fail(path, dir, errno);
    if (!exists && linked) throw dangling();
    if (exists && !S_ISREG(st.st_mode))
        throw FileError(quoted(path) + " není obyčejný soubor; změna nebyla uložena.");
    // By the mode bits, so the refusal holds for root too.
    if (exists && ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        throw FileError("Soubor " + quoted(path) + " je jen pro čtení; změna nebyla uložena.");

    const std::string prefix = temporary_prefix(target);
    remove_leftovers(dir, prefix);

    std::optional<std::string> current;
    if (exists) {
        current = read_file(target);
        if (!current) throw FileError("Soubor " + quoted(path) + " nelze přečíst; změna nebyla uložena.");
    }
    const std::optional<std::string> next = change(current);
    if (!next) return;

    std::string name = (dir / (prefix + "XXXXXX")).string();
    Fd tmp(::mkostemp(name.data(), O_CLOEXEC));
    if (tmp.get() < 0) fail(path, dir, errno);
    const fs::path tmp_path = name;
    try {
        write_all(tmp.get(), *next, path, dir);
        const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~current_umask());
        if (::fchmod(tmp.get(), mode) != 0) fail(path, dir, errno);
        // Keeping the owner needs privileges a user seldom has; a file of one's own keeps it anyway.
        if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
            if (::fchown(tmp.get(), st.st_uid, st.st_gid) != 0) {
                // not ours to give away: the file stays the writer's, as any editor leaves it
            }
        }
        if (::fsync(tmp.get()) != 0) fail(path, dir, errno);
        if (::close(tmp.release()) != 0) fail(path, dir, errno);
        if (::rename(tmp_path.c_str(), target.c_str()) != 0) fail(path, dir, errno);
    } catch (...) {
        ::unlink(tmp_path.c_str());
        throw;
    }
    const Fd dfd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dfd.get() >= 0) ::fsync(dfd.get());
}

void replace_file(const fs::path& path, std::string_view bytes) {
    change_file(path, [bytes](const std::optional<std::string>&) { return std::string(bytes); });
}

bool write_file_atomic(const fs::path& path, std::string_view bytes) {
    try {
        replace_file(path, bytes);
        return true;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace sidora::io
