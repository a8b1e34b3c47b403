#include "MoveAside.h"

#include <chrono>
#include <cstdio>

namespace reckora::store {

namespace {

std::string DateStamp(std::int64_t nowMs) {
    using namespace std::chrono;
    const sys_seconds when = floor<seconds>(sys_time<milliseconds>(milliseconds(nowMs)));
    const year_month_day day(floor<days>(when));
    const hh_mm_ss time(when - floor<days>(when));
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02u-%02u-%02ld%02ld%02ld", int(day.year()),
                  unsigned(day.month()), unsigned(day.day()), long(time.hours().count()),
                  long(time.minutes().count()), long(time.seconds().count()));
    return stamp;
}

std::filesystem::path WithSuffix(const std::filesystem::path& path, const std::string& suffix) {
    return std::filesystem::path(path.native() + suffix);
}

}  // namespace

std::filesystem::path MoveAside(const std::filesystem::path& path, std::int64_t nowMs) {
    namespace fs = std::filesystem;
    const std::string base = ".unusable-" + DateStamp(nowMs);
    std::string suffix = base;
    for (int n = 2; fs::exists(WithSuffix(path, suffix)); ++n) {
        suffix = base + "-" + std::to_string(n);
    }
    const fs::path target = WithSuffix(path, suffix);
    fs::rename(path, target);
    // The log may hold committed transactions: it goes along, so the moved file stays whole.
    for (const char* companion : {"-wal", "-shm", "-journal"}) {
        const fs::path from = WithSuffix(path, companion);
        if (fs::exists(from)) {
            fs::rename(from, WithSuffix(target, companion));
        }
    }
    return target;
}

}  // namespace reckora::store
