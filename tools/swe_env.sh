# Shared by the generators that use Debian's Swiss Ephemeris (sourced, POSIX sh).
# Needs: apt-get install -y libswe-dev swe-standard-data   (pulls swe-basic-data)

# The directory of the ephemeris files, found by one file of it (sepl_18.se1, seas_18.se1).
# 1800..2400 come with swe-basic-data, the other centuries with swe-standard-data.
swe_ephe_dir() {
    f=$(dpkg -L swe-basic-data swe-standard-data 2>/dev/null | grep "/$1\$" | head -n 1 || true)
    if [ -z "$f" ]; then
        echo "ephemeris files not found; apt-get install -y libswe-dev swe-standard-data" >&2
        exit 1
    fi
    dirname "$f"
}

# Compiles one generator: swe_compile SOURCE.cpp OUTPUT
swe_compile() {
    g++ -std=c++20 -O2 -Wall -Wextra -o "$2" "$1" -lswe -lm
}

# The versions the numbers came from, for the record.
swe_versions() {
    for p in libswe-dev swe-basic-data swe-standard-data; do
        printf '%s %s\n' "$p" "$(dpkg-query -W -f='${Version}' "$p")"
    done
}
