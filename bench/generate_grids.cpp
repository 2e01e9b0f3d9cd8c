// Writes a realistic set of the three grid files: the full 1950-2009 set for
// benchmarks, or the small set bundled as the example.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "series/calendar.h"

namespace {

constexpr double pi = 3.14159265358979323846;

struct Date {
    int year;
    int month;
    int day;
};

bool before_or_same(const Date& a, const Date& b) {
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day <= b.day;
}

Date next_day(Date d) {
    if (++d.day > ozone::month_length(d.year, d.month)) {
        d.day = 1;
        if (++d.month > 12) {
            d.month = 1;
            ++d.year;
        }
    }
    return d;
}

// Deterministic on every machine, unlike the standard distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }  // [0, 1)
    double between(double low, double high) { return low + (high - low) * uniform(); }

private:
    std::uint64_t state_;
};

enum class Source { model, satellite };

struct FilePlan {
    const char* name;
    Source source;
    Date first;
    Date last;
    double gap_chance;  // chance that a whole day is missing from the file
};

// Total ozone in Dobson units: high and variable at high latitudes in late winter
// and spring, low in autumn and in the south; a travelling planetary wave and a
// moving anomaly per day give day-to-day weather.
class OzoneField {
public:
    void start_day(const Date& date, Random& random) {
        doy_ = ozone::julianday(date.year, date.month, date.day);
        const double phase = 2.0 * pi * (doy_ - 75) / 365.25;
        season_ = std::cos(phase);
        declination_ = -23.44 * std::cos(2.0 * pi * (doy_ + 10) / 365.25);
        wave_phase_ += random.between(0.1, 0.4);
        anomaly_ = random.between(-45.0, 45.0);
        anomaly_lat_ = random.between(35.0, 75.0);
        anomaly_lon_ = random.between(-20.0, 30.0);
    }

    int value(double lat, double lon, Source source, Random& random) const {
        const double north = (lat - 31.0) / 49.0;
        double o3 = 285.0 + 125.0 * north * (0.55 + 0.45 * season_) + 18.0 * season_;
        o3 += 28.0 * north * std::sin(2.0 * pi * (lon + 25.0) / 40.0 + wave_phase_);
        const double d2 = (lat - anomaly_lat_) * (lat - anomaly_lat_) + (lon - anomaly_lon_) * (lon - anomaly_lon_);
        o3 += anomaly_ * std::exp(-d2 / 128.0);
        o3 += random.between(-3.0, 3.0);
        if (source == Source::satellite) {
            // No retrieval without sunlight (polar night), and a few failed pixels.
            if (lat > 85.0 + declination_) return 0;
            if (random.uniform() < 0.004) return 0;
        }
        return static_cast<int>(std::lround(std::fmin(520.0, std::fmax(200.0, o3))));
    }

private:
    int doy_ = 1;
    double season_ = 0.0;
    double declination_ = 0.0;
    double wave_phase_ = 0.0;
    double anomaly_ = 0.0;
    double anomaly_lat_ = 50.0;
    double anomaly_lon_ = 0.0;
};

void append_padded(std::string& line, int value, int width) {
    char field[16];
    std::snprintf(field, sizeof field, "%*d", width, value);
    line += field;
}

bool write_file(const std::string& folder, const FilePlan& plan, std::uint64_t seed) {
    const std::string path = folder + "/" + plan.name;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    Random random(seed);
    OzoneField field;
    std::string text;
    for (Date date = plan.first; before_or_same(date, plan.last); date = next_day(date)) {
        field.start_day(date, random);
        if (random.uniform() < plan.gap_chance) continue;
        text.clear();
        for (int row = 1; row <= 50; ++row) {
            const double lat = 81.0 - row;
            append_padded(text, date.year, 4);
            text += ' ';
            append_padded(text, date.month, 2);
            text += ' ';
            append_padded(text, date.day, 2);
            char lat_field[16];
            std::snprintf(lat_field, sizeof lat_field, " %7.3f ", lat);
            text += lat_field;
            for (int col = 1; col <= 61; ++col) {
                text += ' ';
                append_padded(text, field.value(lat, col - 26.0, plan.source, random), 3);
            }
            text += "\r\n";
        }
        if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) {
            std::fclose(out);
            return false;
        }
    }
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool example = argc == 3 && std::strcmp(argv[2], "example") == 0;
    if (!(argc == 2 || example || (argc == 3 && std::strcmp(argv[2], "full") == 0))) {
        std::fprintf(stderr, "usage: generate_grids FOLDER [full|example]\n");
        return 2;
    }
    const FilePlan full[] = {
        {"kavrin4_new.txt", Source::model, {1950, 1, 1}, {2004, 12, 31}, 0.0},
        {"niwa_new.txt", Source::satellite, {1979, 1, 1}, {2004, 12, 31}, 0.03},
        {"omi_new.txt", Source::satellite, {2005, 1, 1}, {2009, 3, 20}, 0.0},
    };
    const FilePlan small[] = {
        {"kavrin4_new.txt", Source::model, {2004, 12, 5}, {2004, 12, 20}, 0.0},
        {"niwa_new.txt", Source::satellite, {2004, 12, 12}, {2004, 12, 24}, 0.2},
        {"omi_new.txt", Source::satellite, {2005, 1, 1}, {2005, 1, 8}, 0.0},
    };
    std::uint64_t seed = 1950;
    for (const FilePlan& plan : example ? small : full) {
        if (!write_file(argv[1], plan, ++seed)) {
            std::fprintf(stderr, "generate_grids: cannot write %s/%s\n", argv[1], plan.name);
            return 1;
        }
    }
    return 0;
}
