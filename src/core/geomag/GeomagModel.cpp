#include "core/geomag/GeomagModel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ctime>

#include "core/framework/File.h"
#include "core/framework/Format.h"
#include "core/framework/LocalTime.h"
#include "core/framework/StringTable.h"
#include "core/framework/Translate.h"
#include "resources/ids.h"

namespace {

constexpr int kMaxOrd = 12;
constexpr int kSize = kMaxOrd + 1;

// The model state.  It lives in static storage shared by every instance, so
// only one computation may run at a time.  Every float is single precision,
// as in the published point computation, so that the results match it.
//
// c[m][n], cd[m][n]: for m <= n, g and its secular variation of degree n,
// order m; for m >= 1, cell (n, m-1) holds h and its secular variation of
// degree n, order m.  Unnormalised once read.
float c[kSize][kSize];
float cd[kSize][kSize];
// The coefficients adjusted to the requested date, same layout.
float tc[kSize][kSize];
// Derivatives of P with respect to colatitude.
float dp[kSize][kSize];
// Recursion factors of the Legendre functions.
float k[kSize][kSize];
// Schmidt factors, indexed n + 13 m; during a computation the same storage
// holds the unnormalised associated Legendre functions P(n, m).
float snorm[kSize * kSize];
float fn[kSize];
float fm[kSize];
float sp[kSize];
float cp[kSize];
// Legendre values used at a geographic pole.
float pp[kSize];

float epoch;
char model[20];

// WGS-84 ellipsoid and the model's reference radius, in km.
float a, b, re, a2, b2, c2, a4, b4, c4;
float dtr;

float& P(int n, int m) {
    return snorm[n + m * kSize];
}

// The coefficient file's bytes, read line by line.
class LineReader {
public:
    explicit LineReader(const std::string& bytes) : m_bytes(bytes) {}

    // Reads one line of at most 79 characters into `buf` (80 bytes), with
    // its line end when that fits; whatever a longer line holds beyond that
    // is skipped.  Returns false at the end of the file.
    bool ReadLine(char* buf) {
        if (m_pos >= m_bytes.size())
            return false;
        std::size_t end = m_bytes.find('\n', m_pos);
        end = end == std::string::npos ? m_bytes.size() : end + 1;
        const std::size_t length = std::min<std::size_t>(end - m_pos, 79);
        std::memcpy(buf, m_bytes.data() + m_pos, length);
        buf[length] = '\0';
        m_pos = end;
        return true;
    }

private:
    const std::string& m_bytes;
    std::size_t m_pos = 0;
};

// Reads the fields of a line the way sscanf's "%d", "%f" and "%s" do in the
// C locale, whatever locale the program runs in: blanks are skipped, a field
// ends where its number ends, and the first field that does not match stops
// the scan.  The text ends at its first NUL.
class FieldScanner {
public:
    explicit FieldScanner(const char* text) : m_p(text), m_end(text + std::strlen(text)) {}

    template <class T>
    bool Number(T& value) {
        SkipBlanks();
        const char* start = m_p;
        // from_chars takes no '+'; sscanf does, once.
        if (start < m_end && *start == '+') {
            ++start;
            if (start < m_end && (*start == '-' || *start == '+'))
                return false;
        }
        T parsed{};
        const auto [next, ec] = std::from_chars(start, m_end, parsed);
        if (ec != std::errc{})
            return false;
        value = parsed;
        m_p = next;
        return true;
    }

    // Up to `size` - 1 characters of the next word.
    bool Word(char* out, std::size_t size) {
        SkipBlanks();
        std::size_t n = 0;
        while (m_p < m_end && !IsBlank(*m_p) && n + 1 < size)
            out[n++] = *m_p++;
        out[n] = '\0';
        return n > 0;
    }

private:
    static bool IsBlank(char ch) {
        return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
    }
    void SkipBlanks() {
        while (m_p < m_end && IsBlank(*m_p))
            ++m_p;
    }

    const char* m_p;
    const char* m_end;
};

// The fields of a coefficient line, in order, each scanned only when the one
// before it matched; returns how many matched.
template <class... T>
int ScanFields(const char* line, T&... fields) {
    FieldScanner scanner(line);
    int matched = 0;
    bool going = true;
    ((going = going && scanner.Number(fields), matched += going ? 1 : 0), ...);
    return matched;
}

void InitialiseConstants() {
    sp[0] = 0.0f;
    cp[0] = 1.0f;
    P(0, 0) = 1.0f;
    pp[0] = 1.0f;
    dp[0][0] = 0.0f;
    c[0][0] = 0.0f;
    cd[0][0] = 0.0f;

    a = 6378.137f;
    b = 6356.7523142f;
    re = 6371.2f;
    a2 = a * a;
    b2 = b * b;
    c2 = a2 - b2;
    a4 = a2 * a2;
    b4 = b2 * b2;
    c4 = a4 - b4;
    const float pi = 3.14159265359f;
    dtr = pi / 180.0f;
}

// Reads the epoch and the coefficients.  The list ends at a line beginning
// with "9999" or at the end of the file.  A line whose degree or order lies
// outside 0..12 falls outside the tables and is skipped, as is a line whose
// order exceeds its degree.  The fields live outside the loop: a malformed
// line keeps what it does not supply from the line before it.  Returns how
// many coefficient lines were taken.
int ReadCoefficients(LineReader& file) {
    // Start from empty tables, so that a coefficient the file does not give is
    // zero rather than whatever an earlier read left there (already scaled
    // once, and about to be scaled again).
    std::memset(c, 0, sizeof c);
    std::memset(cd, 0, sizeof cd);
    char line[80];
    if (file.ReadLine(line)) {
        FieldScanner first(line);
        if (first.Number(epoch))
            first.Word(model, sizeof model);
    }

    int n = 0;
    int m = 0;
    float gnm = 0.0f;
    float hnm = 0.0f;
    float dgnm = 0.0f;
    float dhnm = 0.0f;
    int taken = 0;
    while (file.ReadLine(line)) {
        char head[5] = {};
        for (int i = 0; i < 4 && line[i] != '\0'; ++i)
            head[i] = line[i];
        if (std::strcmp(head, "9999") == 0)
            break;

        const int fields = ScanFields(line, n, m, gnm, hnm, dgnm, dhnm);
        if (n < 0 || n > kMaxOrd || m < 0 || m > kMaxOrd)
            continue;
        if (m > n)
            continue;
        if (fields == 6)
            ++taken;
        c[m][n] = gnm;
        cd[m][n] = dgnm;
        if (m != 0) {
            c[n][m - 1] = hnm;
            cd[n][m - 1] = dhnm;
        }
    }
    return taken;
}

// Converts the Schmidt quasi-normalised coefficients to unnormalised ones and
// sets up the recursion factors.
void Normalise() {
    snorm[0] = 1.0f;
    for (int n = 1; n <= kMaxOrd; ++n) {
        snorm[n] = snorm[n - 1] * static_cast<float>(2 * n - 1) / static_cast<float>(n);
        int j = 2;
        for (int m = 0; m <= n; ++m) {
            k[m][n] =
                static_cast<float>((n - 1) * (n - 1) - m * m) / static_cast<float>((2 * n - 1) * (2 * n - 3));
            if (m > 0) {
                const float flnmj = static_cast<float>((n - m + 1) * j) / static_cast<float>(n + m);
                P(n, m) = P(n, m - 1) * std::sqrt(flnmj);
                j = 1;
                c[n][m - 1] = P(n, m) * c[n][m - 1];
                cd[n][m - 1] = P(n, m) * cd[n][m - 1];
            }
            c[m][n] = P(n, m) * c[m][n];
            cd[m][n] = P(n, m) * cd[m][n];
        }
        fn[n] = static_cast<float>(n + 1);
        fm[n] = static_cast<float>(n);
    }
    k[1][1] = 0.0f;
}

// The declination in degrees, East positive, from the model read last.
float PointDeclination(float alt, float glat, float glon, float time) {
    const float dt = time - epoch;

    const float rlon = glon * dtr;
    const float rlat = glat * dtr;
    const float srlon = std::sin(rlon);
    const float srlat = std::sin(rlat);
    const float crlon = std::cos(rlon);
    const float crlat = std::cos(rlat);
    const float srlat2 = srlat * srlat;
    const float crlat2 = crlat * crlat;
    sp[1] = srlon;
    cp[1] = crlon;

    // Geodetic to geocentric coordinates.
    const float q = std::sqrt(a2 - c2 * srlat2);
    const float q1 = alt * q;
    const float q2 = ((q1 + a2) / (q1 + b2)) * ((q1 + a2) / (q1 + b2));
    const float ct = srlat / std::sqrt(q2 * crlat2 + srlat2);
    const float st = std::sqrt(1.0f - ct * ct);
    const float r2 = alt * alt + 2.0f * q1 + (a4 - c4 * srlat2) / (q * q);
    const float r = std::sqrt(r2);
    const float d = std::sqrt(a2 * crlat2 + b2 * srlat2);
    const float ca = (alt + d) / r;
    const float sa = c2 * crlat * srlat / (r * d);

    for (int m = 2; m <= kMaxOrd; ++m) {
        sp[m] = sp[1] * cp[m - 1] + cp[1] * sp[m - 1];
        cp[m] = cp[1] * cp[m - 1] - sp[1] * sp[m - 1];
    }

    const float aor = re / r;
    float ar = aor * aor;
    float br = 0.0f;
    float bt = 0.0f;
    float bp = 0.0f;
    float bpp = 0.0f;
    for (int n = 1; n <= kMaxOrd; ++n) {
        ar = ar * aor;
        for (int m = 0; m <= n; ++m) {
            // Unnormalised associated Legendre functions and their derivatives.
            if (n == m) {
                P(n, m) = st * P(n - 1, m - 1);
                dp[m][n] = st * dp[m - 1][n - 1] + ct * P(n - 1, m - 1);
            } else if (n == 1 && m == 0) {
                P(n, m) = ct * P(n - 1, m);
                dp[m][n] = ct * dp[m][n - 1] - st * P(n - 1, m);
            } else {
                if (m > n - 2) {
                    P(n - 2, m) = 0.0f;
                    dp[m][n - 2] = 0.0f;
                }
                P(n, m) = ct * P(n - 1, m) - k[m][n] * P(n - 2, m);
                dp[m][n] = ct * dp[m][n - 1] - st * P(n - 1, m) - k[m][n] * dp[m][n - 2];
            }

            // Coefficients at the requested date.
            tc[m][n] = c[m][n] + dt * cd[m][n];
            if (m != 0)
                tc[n][m - 1] = c[n][m - 1] + dt * cd[n][m - 1];

            // Field components in geocentric spherical coordinates.
            const float par = ar * P(n, m);
            float temp1;
            float temp2;
            if (m == 0) {
                temp1 = tc[m][n] * cp[m];
                temp2 = tc[m][n] * sp[m];
            } else {
                temp1 = tc[m][n] * cp[m] + tc[n][m - 1] * sp[m];
                temp2 = tc[m][n] * sp[m] - tc[n][m - 1] * cp[m];
            }
            bt = bt - ar * temp1 * dp[m][n];
            bp = bp + fm[m] * temp2 * par;
            br = br + fn[n] * temp1 * par;

            // At a geographic pole bp is taken from the m = 1 terms.
            if (st == 0.0f && m == 1) {
                if (n == 1)
                    pp[n] = pp[n - 1];
                else
                    pp[n] = ct * pp[n - 1] - k[m][n] * pp[n - 2];
                bpp = bpp + fm[m] * temp2 * ar * pp[n];
            }
        }
    }
    if (st == 0.0f)
        bp = bpp;
    else
        bp = bp / st;

    // Rotate to geodetic axes.
    const float bx = -bt * ca - br * sa;
    const float by = bp;
    return std::atan2(by, bx) / dtr;
}

}  // namespace

Outcome<float> CGeomagModel::Declination(float latitude, float longitude) const {
    return Declination(latitude, longitude, CurrentYear());
}

Outcome<float> CGeomagModel::Declination(float latitude, float longitude, float year) const {
    const std::string name = LoadString(ids::IDS_MAGDATA_FILE);
    if (const std::optional<float> result = Compute(name, 0.0f, latitude, longitude, year))
        return *result;
    return Outcome<float>::Failure(
        Format(CoreTr("Couldn't find %s.  Cannot calculate magnetic variation.").c_str(), name.c_str()));
}

namespace {

// The tables of the file read last, ready for a computation, with the
// file's identity: the same file unchanged is not read and parsed again.
struct ModelCache {
    bool valid = false;
    FileStamp stamp;
    float c[kSize][kSize], cd[kSize][kSize], k[kSize][kSize], fn[kSize], fm[kSize], epoch;

    bool Matches(const FileStamp& file) const { return valid && stamp == file; }
    void Store(const FileStamp& file) {
        std::memcpy(this->c, ::c, sizeof this->c);
        std::memcpy(this->cd, ::cd, sizeof this->cd);
        std::memcpy(this->k, ::k, sizeof this->k);
        std::memcpy(this->fn, ::fn, sizeof this->fn);
        std::memcpy(this->fm, ::fm, sizeof this->fm);
        this->epoch = ::epoch;
        stamp = file;
        valid = true;
    }
    void Restore() const {
        std::memcpy(::c, this->c, sizeof this->c);
        std::memcpy(::cd, this->cd, sizeof this->cd);
        std::memcpy(::k, this->k, sizeof this->k);
        std::memcpy(::fn, this->fn, sizeof this->fn);
        std::memcpy(::fm, this->fm, sizeof this->fm);
        ::epoch = this->epoch;
    }
};

ModelCache cache;

// Makes the tables those of the file at `path`; false when it holds none.
bool LoadModel(const std::string& path) {
    // Only a regular file can hold coefficients (a folder opens, and reads
    // as nothing).
    FileStamp st;
    if (!GetFileStamp(path, st))
        return false;
    InitialiseConstants();
    if (cache.Matches(st)) {
        cache.Restore();
        return true;
    }
    cache.valid = false;
    // Read in binary: a file with CRLF line ends reads like one without.
    // The real file holds some 10 kB; 16 MB is no coefficient file.
    std::string bytes;
    if (!ReadWholeFile(path, bytes, kSmallFileLimit))
        return false;
    LineReader file(bytes);
    const int coefficients = ReadCoefficients(file);
    // A file without a single coefficient (empty, or not a coefficient
    // file at all) is as good as none: its declination would be 180.
    if (coefficients == 0)
        return false;
    Normalise();
    cache.Store(st);
    return true;
}

}  // namespace

std::optional<float> CGeomagModel::Compute(const std::string& path, float altKm, float latitude,
                                           float longitude, float year) {
    if (!LoadModel(path))
        return std::nullopt;
    const float declination = PointDeclination(altKm, latitude, longitude, year);
    if (!std::isfinite(declination))
        return std::nullopt;
    return declination;
}

std::optional<CGeomagModel::YearSpan> CGeomagModel::ValidYears(const std::string& path) {
    if (!LoadModel(path))
        return std::nullopt;
    return YearSpan{epoch, epoch + kValidYears};
}

std::optional<CGeomagModel::YearSpan> CGeomagModel::ValidYears() {
    return ValidYears(LoadString(ids::IDS_MAGDATA_FILE));
}

float CGeomagModel::CurrentYear() {
    const std::time_t now = std::time(nullptr);
    const std::tm local = LocalTime(now);
    return static_cast<float>(local.tm_year + 1900);
}
