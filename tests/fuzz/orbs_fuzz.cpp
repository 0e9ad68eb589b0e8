// orbit1.mem, orbit2.mem, orbit3.mem and aster.mem, each holding the input: the loader reads
// what it can and never rewrites an existing file.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "data/orbs.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    static const fs::path dir = [] {
        const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path d = base / ("sidora-orbs-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    const std::string bytes = sidora::fuzz::bytes_of(data, size);
    for (const char* name : {sidora::data::kOrbit1File, sidora::data::kOrbit2File, sidora::data::kOrbit3File,
                             sidora::data::kAsterFile}) {
        std::ofstream(dir / name, std::ios::binary | std::ios::trunc) << bytes;
    }
    sidora::data::OrbTables tables;
    std::vector<std::string> warnings;
    sidora::data::load_orb_files(dir, tables, warnings);
    for (const char* name : {sidora::data::kOrbit1File, sidora::data::kAsterFile}) {
        if (fs::file_size(dir / name) != size) __builtin_trap();
    }
    return 0;
}
