// Osculating elements of Ceres, Pallas, Juno, Vesta and Chiron for
// data/ast1.kel .. ast5.kel, from Swiss Ephemeris state vectors.
// See README.md beside this file.
//
// Usage: gen_kel EPHE_DIR OUT_DIR
// Writes OUT_DIR/ast1.kel .. ast5.kel, reads them back and checks them;
// exits non-zero if any check fails.

#include <swephexp.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kGauss = 0.01720209895;  // AU^1.5 / day, Sun's mass only
constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
constexpr int kFirstYear = 1799, kLastYear = 2101, kPerYear = 6;
constexpr size_t kRecord = 112;
constexpr int32_t kStateFlags =
    SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_J2000 | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_XYZ | SEFLG_SPEED;
constexpr int32_t kLonFlags = SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_J2000 | SEFLG_TRUEPOS | SEFLG_NONUT;

struct Body {
    int file_no;
    const char* name;
    int ipl;
};
const Body kBodies[] = {
    {1, "Ceres", SE_CERES}, {2, "Pallas", SE_PALLAS}, {3, "Juno", SE_JUNO},
    {4, "Vesta", SE_VESTA}, {5, "Chiron", SE_CHIRON},
};

struct Elements {
    double epoch;  // JD
    int32_t year;  // calendar year of the epoch
    double m, peri, node, incl, ecc, motion;  // degrees, -, degrees per day
};

char err[AS_MAXCH];
int failures = 0;

void fail(const std::string& what) {
    std::printf("FAIL: %s\n", what.c_str());
    ++failures;
}

double norm360(double d) {
    d = std::fmod(d, 360.0);
    return d < 0 ? d + 360.0 : d;
}

double wrap180(double d) {
    d = norm360(d);
    return d > 180.0 ? d - 360.0 : d;
}

int calendar_year(double jd) {
    int y, m, d;
    double h;
    swe_revjul(jd, SE_GREG_CAL, &y, &m, &d, &h);
    return y;
}

// --- 80-bit extended, little-endian: 64-bit significand with explicit
// integer bit, then sign and 15-bit exponent biased by 16383.

void put_extended(uint8_t* p, double x) {
    std::memset(p, 0, 10);
    if (x == 0.0) return;
    const uint64_t bits = std::bit_cast<uint64_t>(x);
    const unsigned sign = static_cast<unsigned>(bits >> 63);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    const uint64_t frac = bits & ((uint64_t{1} << 52) - 1);
    uint64_t mant;
    int exp2;  // x = mant * 2^(exp2 - 63)
    if (biased == 0x7ff) {
        fail("non-finite value");
        return;
    }
    if (biased == 0) {  // subnormal double: still normal in 80 bits
        const int shift = std::countl_zero(frac);
        mant = frac << shift;
        exp2 = -1074 + 63 - shift;
    } else {
        mant = ((uint64_t{1} << 52) | frac) << 11;
        exp2 = biased - 1023;
    }
    const unsigned se = (sign << 15) | static_cast<unsigned>(exp2 + 16383);
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(mant >> (8 * i));
    p[8] = static_cast<uint8_t>(se);
    p[9] = static_cast<uint8_t>(se >> 8);
}

// Decodes exactly; fails on values a double cannot hold, which would mean
// the bytes did not come from put_extended.
double get_extended(const uint8_t* p) {
    uint64_t mant = 0;
    for (int i = 7; i >= 0; --i) mant = (mant << 8) | p[i];
    const unsigned se = p[8] | (p[9] << 8);
    const int biased = static_cast<int>(se & 0x7fff);
    if (biased == 0 && mant == 0) return (se & 0x8000) ? -0.0 : 0.0;
    if (!(mant >> 63)) fail("extended without integer bit");
    if (mant & 0x7ff) fail("extended with more than 53 significant bits");
    const double v = std::ldexp(static_cast<double>(mant >> 11), biased - 16383 - 52);
    return (se & 0x8000) ? -v : v;
}

void put_i32(uint8_t* p, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t get_i32(const uint8_t* p) {
    return static_cast<int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t{p[3]} << 24));
}

constexpr size_t kOffEpoch = 0, kOffYear = 12, kOffM = 16, kOffPeri = 32, kOffNode = 48,
                 kOffIncl = 64, kOffEcc = 80, kOffMotion = 96;

void encode(uint8_t* r, const Elements& e) {
    std::memset(r, 0, kRecord);
    put_extended(r + kOffEpoch, e.epoch);
    put_i32(r + kOffYear, e.year);
    put_extended(r + kOffM, e.m);
    put_extended(r + kOffPeri, e.peri);
    put_extended(r + kOffNode, e.node);
    put_extended(r + kOffIncl, e.incl);
    put_extended(r + kOffEcc, e.ecc);
    put_extended(r + kOffMotion, e.motion);
}

Elements decode(const uint8_t* r) {
    static const size_t pads[][2] = {{10, 12}, {26, 32}, {42, 48}, {58, 64}, {74, 80}, {90, 96}, {106, 112}};
    for (const auto& pad : pads)
        for (size_t i = pad[0]; i < pad[1]; ++i)
            if (r[i]) fail("padding byte not zero");
    return {get_extended(r + kOffEpoch), get_i32(r + kOffYear), get_extended(r + kOffM),
            get_extended(r + kOffPeri), get_extended(r + kOffNode), get_extended(r + kOffIncl),
            get_extended(r + kOffEcc), get_extended(r + kOffMotion)};
}

// --- state vector (AU, AU/day, J2000 ecliptic) to two-body elements.

struct Vec {
    double x, y, z;
};
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double len(Vec a) { return std::sqrt(dot(a, a)); }
Vec scale(Vec a, double s) { return {a.x * s, a.y * s, a.z * s}; }
Vec sub(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Elements elements_from_state(double epoch, const double* xx) {
    const double mu = kGauss * kGauss;
    const Vec r{xx[0], xx[1], xx[2]}, v{xx[3], xx[4], xx[5]};
    const double rl = len(r);
    const Vec h = cross(r, v);
    const double hl = len(h);
    const Vec evec = sub(scale(cross(v, h), 1.0 / mu), scale(r, 1.0 / rl));
    const double e = len(evec);
    const double a = 1.0 / (2.0 / rl - dot(v, v) / mu);
    const double incl = std::atan2(std::hypot(h.x, h.y), h.z);
    const double node = std::atan2(h.x, -h.y);
    const Vec n_hat{std::cos(node), std::sin(node), 0.0};
    const Vec q_hat = scale(cross(h, n_hat), 1.0 / hl);  // in the orbit plane, 90 deg past the node
    const double peri = std::atan2(dot(evec, q_hat), dot(evec, n_hat));
    const Vec e_hat = scale(evec, 1.0 / e);
    const double nu = std::atan2(dot(scale(h, 1.0 / hl), cross(e_hat, r)), dot(e_hat, r));
    const double ecc_anom = std::atan2(std::sqrt(1.0 - e * e) * std::sin(nu), e + std::cos(nu));
    const double mean_anom = ecc_anom - e * std::sin(ecc_anom);
    Elements out;
    out.epoch = epoch;
    out.year = calendar_year(epoch);
    out.m = norm360(mean_anom / kDeg);
    out.peri = norm360(peri / kDeg);
    out.node = norm360(node / kDeg);
    out.incl = incl / kDeg;
    out.ecc = e;
    out.motion = kGauss / std::pow(a, 1.5) / kDeg;
    return out;
}

// --- the program's use of a record, heliocentric J2000 only.

struct Helio {
    double lon, lat;  // degrees
};

Helio propagate(const std::vector<Elements>& recs, double jd) {
    size_t best = 0;
    for (size_t i = 1; i < recs.size(); ++i)
        if (std::fabs(jd - recs[i].epoch) < std::fabs(jd - recs[best].epoch)) best = i;
    const Elements& el = recs[best];
    const double node = (el.node + 0.013967 * (el.year - calendar_year(jd))) * kDeg;
    const double period = 360.0 / el.motion;
    const double a = std::pow(period * period / (365.2568984 * 365.2568984), 0.333333);
    double m = std::fmod((el.motion * (jd - el.epoch) + el.m) * kDeg, 2 * kPi);
    if (m < 0) m += 2 * kPi;
    const double e = el.ecc;
    double ea = m;
    for (int it = 0; it < 50; ++it) {
        const double d = (ea - e * std::sin(ea) - m) / (1.0 - e * std::cos(ea));
        ea -= d;
        if (std::fabs(d) < 1e-15) break;
    }
    const double xv = a * (std::cos(ea) - e), yv = a * std::sqrt(1.0 - e * e) * std::sin(ea);
    const double u = std::atan2(yv, xv) + el.peri * kDeg, r = std::hypot(xv, yv);
    const double inc = el.incl * kDeg;
    const double x = r * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(inc));
    const double y = r * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * std::cos(inc));
    const double z = r * std::sin(u) * std::sin(inc);
    return {norm360(std::atan2(y, x) / kDeg), std::atan2(z, std::hypot(x, y)) / kDeg};
}

Helio swiss_helio(int ipl, double jd) {
    double xx[6];
    if (swe_calc(jd, ipl, kLonFlags, xx, err) < 0) fail(err);
    return {xx[0], xx[1]};
}

std::vector<double> epochs() {
    std::vector<double> out;
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        const double t0 = swe_julday(y, 1, 1, 0.0, SE_GREG_CAL);
        const double t5 = swe_julday(y, 12, 31, 23.0 + 59.0 / 60.0, SE_GREG_CAL);
        for (int k = 0; k < kPerYear; ++k) out.push_back(k == kPerYear - 1 ? t5 : t0 + k * (t5 - t0) / 5.0);
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s EPHE_DIR OUT_DIR\n", argv[0]);
        return 2;
    }
    swe_set_ephe_path(argv[1]);
    char ver[256];
    std::printf("Swiss Ephemeris %s, files from %s\n", swe_version(ver), argv[1]);
    const std::vector<double> ep = epochs();

    // x87 long double, where this machine has it, is an independent encoder.
    const bool have_x87 = std::numeric_limits<long double>::digits == 64 && sizeof(long double) >= 10;
    long x87_compared = 0;

    // Edge values the data never hits: sign, subnormals, extremes.
    const double edge[] = {1.0, -2.5, 0.1, 360.0, 2451545.0, 1e-300, -1e300,
                           std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
                           -3 * std::numeric_limits<double>::denorm_min(), 0x1.fffffffffffffp-1023};
    for (double v : edge) {
        uint8_t enc[10];
        put_extended(enc, v);
        if (get_extended(enc) != v) fail("edge value does not round-trip");
        if (have_x87) {
            uint8_t ld[sizeof(long double)] = {};
            const long double lv = v;
            std::memcpy(ld, &lv, sizeof lv);
            if (std::memcmp(ld, enc, 10) != 0) fail("edge value differs from x87 encoding");
            ++x87_compared;
        }
    }

    std::printf("%-7s %8s %10s %12s %14s %14s %14s %12s\n", "body", "records", "bytes", "decode diff",
                "epoch fit [\"]", "fwd 37 d [\"]", "back 37 d [\"]", "worst [\"]");
    for (const Body& b : kBodies) {
        std::vector<Elements> els;
        for (double t : ep) {
            double xx[6];
            const int32_t got = swe_calc(t, b.ipl, kStateFlags, xx, err);
            if (got < 0 || !(got & SEFLG_SWIEPH)) {
                std::fprintf(stderr, "%s at jd %.6f: %s\n", b.name, t, got < 0 ? err : "no ephemeris file");
                return 1;
            }
            els.push_back(elements_from_state(t, xx));
        }

        std::vector<uint8_t> bytes(els.size() * kRecord);
        for (size_t i = 0; i < els.size(); ++i) {
            encode(&bytes[i * kRecord], els[i]);
            if (have_x87) {
                const double* fields[] = {&els[i].epoch, &els[i].m,    &els[i].peri,  &els[i].node,
                                          &els[i].incl,  &els[i].ecc, &els[i].motion};
                const size_t offs[] = {kOffEpoch, kOffM, kOffPeri, kOffNode, kOffIncl, kOffEcc, kOffMotion};
                for (int f = 0; f < 7; ++f) {
                    uint8_t ld[sizeof(long double)] = {};
                    const long double v = *fields[f];
                    std::memcpy(ld, &v, sizeof v);
                    if (std::memcmp(ld, &bytes[i * kRecord + offs[f]], 10) != 0) fail("differs from x87 encoding");
                    ++x87_compared;
                }
            }
        }
        const std::string path = std::string(argv[2]) + "/ast" + std::to_string(b.file_no) + ".kel";
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
            std::perror(path.c_str());
            return 1;
        }

        // Read the file back; everything below works on what was written.
        std::vector<uint8_t> back(bytes.size() + 1);
        f = std::fopen(path.c_str(), "rb");
        const size_t n = f ? std::fread(back.data(), 1, back.size(), f) : 0;
        if (f) std::fclose(f);
        if (n != bytes.size() || n % kRecord) fail(path + ": wrong size");
        std::vector<Elements> recs;
        double decode_diff = 0;
        for (size_t i = 0; i < n / kRecord; ++i) {
            const Elements d = decode(&back[i * kRecord]);
            const Elements& o = els[i];
            const double pairs[][2] = {{d.epoch, o.epoch}, {d.m, o.m},       {d.peri, o.peri},      {d.node, o.node},
                                       {d.incl, o.incl},   {d.ecc, o.ecc}, {d.motion, o.motion}};
            for (const auto& p : pairs) decode_diff = std::fmax(decode_diff, std::fabs(p[0] - p[1]));
            if (d.year != o.year) fail("year differs after decoding");
            if (d.year != calendar_year(d.epoch)) fail("year is not the epoch's calendar year");
            if (i && !(d.epoch > recs.back().epoch)) fail("epochs not increasing");
            if (!(d.ecc >= 0 && d.ecc < 1 && d.motion > 0)) fail("orbit not elliptic");
            recs.push_back(d);
        }
        if (decode_diff != 0) fail("decoded values differ from the doubles");

        // Round trip at the epochs themselves tests the conversion alone.
        double fit = 0, fwd = 0, back37 = 0;
        for (const Elements& r : recs) {
            const Helio s = swiss_helio(b.ipl, r.epoch), p = propagate(recs, r.epoch);
            fit = std::fmax(fit, std::hypot(wrap180(p.lon - s.lon), p.lat - s.lat) * 3600);
        }
        // 37 days before and after every epoch, with this record forced.
        for (size_t i = 0; i < recs.size(); ++i) {
            const std::vector<Elements> one{recs[i]};
            for (int sgn : {1, -1}) {
                const double t = recs[i].epoch + sgn * 37.0;
                const int y = calendar_year(t);
                if (y != recs[i].year) continue;  // the year term would then shift the node
                const Helio s = swiss_helio(b.ipl, t), p = propagate(one, t);
                const double d = std::fabs(wrap180(p.lon - s.lon)) * 3600;
                (sgn > 0 ? fwd : back37) = std::fmax(sgn > 0 ? fwd : back37, d);
            }
        }
        // The program's own pick at the worst moments: a minute either side
        // of each midpoint between neighbouring epochs.
        double worst = 0, worst_year = 0, max_gap = 0;
        for (size_t i = 0; i + 1 < recs.size(); ++i) {
            const double mid = 0.5 * (recs[i].epoch + recs[i + 1].epoch);
            for (double t : {mid - 60.0 / 86400, mid + 60.0 / 86400}) {
                const Helio s = swiss_helio(b.ipl, t), p = propagate(recs, t);
                const double d = std::fabs(wrap180(p.lon - s.lon)) * 3600;
                if (d > worst) worst = d, worst_year = calendar_year(t);
            }
            max_gap = std::fmax(max_gap, 0.5 * (recs[i + 1].epoch - recs[i].epoch));
        }
        std::printf("%-7s %8zu %10zu %12.3g %14.2e %14.2f %14.2f %12.2f  (in %d; nearest epoch <= %.2f d)\n",
                    b.name, recs.size(), n, decode_diff, fit, fwd, back37, worst, static_cast<int>(worst_year),
                    max_gap);
        if (fit > 1e-3) fail(std::string(b.name) + ": elements do not reproduce the epoch position");
        if (max_gap > 37.0) fail("epochs too far apart");
    }
    swe_close();
    if (have_x87)
        std::printf("%ld values compared with the x87 long double encoding\n", x87_compared);
    else
        std::printf("no x87 long double here; encoding compared with the decoder only\n");
    if (failures) {
        std::printf("%d check(s) failed\n", failures);
        return 1;
    }
    std::printf("all checks passed\n");
    return 0;
}
