#include "cli/progress.h"

#include <cstdio>

namespace hashwell::cli {
namespace {

constexpr std::chrono::milliseconds kQuietStart{1000};
constexpr std::chrono::milliseconds kRedrawEvery{250};

std::string Printed(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Duration(double seconds) {
    const auto whole = static_cast<long long>(seconds + 0.5);
    char text[32];
    if (whole >= 3600) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60,
                      whole % 60);
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    }
    return text;
}

}  // namespace

std::string ByteCount(std::uint64_t bytes) {
    static constexpr const char* kUnits[] = {"KiB", "MiB", "GiB", "TiB", "PiB"};
    if (bytes < 1024) {
        return std::to_string(bytes) + " B";
    }
    double value = static_cast<double>(bytes) / 1024;
    std::size_t unit = 0;
    while (value >= 1024 && unit + 1 < std::size(kUnits)) {
        value /= 1024;
        ++unit;
    }
    return Printed("%.1f ", value) + kUnits[unit];
}

std::string ProgressText(std::uint64_t done, std::optional<std::uint64_t> total,
                         std::chrono::duration<double> elapsed) {
    const double seconds = elapsed.count();
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    std::string text = ByteCount(done);
    if (total) {
        text += " of " + ByteCount(*total);
    }
    text += ", " + ByteCount(static_cast<std::uint64_t>(rate)) + "/s";
    if (total && rate > 0 && *total >= done) {
        text += ", " + Duration(static_cast<double>(*total - done) / rate) + " left";
    }
    return text;
}

Progress::Progress(Console& console) : console_(console) {}

Progress::~Progress() {
    console_.ClearProgress();
}

void Progress::Update(std::uint64_t done, std::optional<std::uint64_t> total) {
    if (!console_.CanShowProgress()) {
        return;
    }
    const Clock::time_point now = Clock::now();
    if (now - started_ < kQuietStart || now - drawn_ < kRedrawEvery) {
        return;
    }
    drawn_ = now;
    console_.ShowProgress(ProgressText(done, total, now - started_));
}

}  // namespace hashwell::cli
