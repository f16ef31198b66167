// The run clock's numbers as the HUD, the death screen and the stats screen show them.
#include "run/TimeFormat.hpp"

#include <cmath>
#include <limits>

std::int32_t truncateToInt32(float value) {
    if (std::isnan(value))
        return 0;
    // 2^31 is exactly a float; everything from there on is out of range.
    if (value >= 2147483648.0f)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0f)
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(value);
}

std::string formatTime(std::int32_t seconds) {
    std::string text;
    std::int32_t minutes = seconds / 60;
    // Hours appear only past 60 minutes, so the clock reads 60:59 before 1:01:00.
    if (minutes > 60) {
        const std::int32_t hours = seconds / 3600;
        text += std::to_string(hours) + ":";
        minutes = seconds / 60 - hours * 60;
    }
    if (minutes < 10)
        text += "0";
    text += std::to_string(minutes) + ":";
    if (seconds % 60 < 10)
        text += "0";
    text += std::to_string(seconds % 60);
    return text;
}
