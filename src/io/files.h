#pragma once
// Whole-file reads and the one way to change a data file: locked against other writers
// (this program or another), atomic for readers.
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sidora::io {

// The file's bytes, or nothing when it cannot be opened (missing, unreadable, a directory).
std::optional<std::string> read_file(const std::filesystem::path& path);

// A change of a file that was not made. The text is Czech and names the file (and the
// directory where that is the cause); the file is as it was.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Computes a file's new bytes from its current ones (nothing when the file does not exist).
// Returning nothing leaves the file untouched; throwing refuses the change and the exception
// reaches the caller of change_file unchanged.
using FileChange = std::function<std::optional<std::string>(const std::optional<std::string>& current)>;

// How long a writer waits for another one to finish before giving up.
inline constexpr std::chrono::milliseconds kLockWait{10'000};

// Changes `path`: follows symbolic links to the file they name (a dangling link is refused),
// refuses a read-only file, takes the lock `.NAME.lock` beside the file (waiting up to
// `wait`), reads the file as it is now, applies `change`, writes the result to a unique
// temporary file beside the file, fsyncs it, gives it the old file's mode and owner, renames
// it over the file and fsyncs the directory. Temporary files a killed writer left are removed.
// Throws FileError when the file cannot be changed.
void change_file(const std::filesystem::path& path, const FileChange& change,
                 std::chrono::milliseconds wait = kLockWait);

// change_file that puts `bytes` in place of whatever the file holds.
void replace_file(const std::filesystem::path& path, std::string_view bytes);

// replace_file reporting failure as false, for writers that cannot do anything about it.
bool write_file_atomic(const std::filesystem::path& path, std::string_view bytes);

// The name of a temporary file change_file makes for `path` starts with this.
std::string temporary_prefix(const std::filesystem::path& path);

}  // namespace sidora::io
