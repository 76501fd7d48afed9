#include "CTime.h"

namespace {
// The field behind "00", cut to its last two characters.
std::string twoDigits(int32_t value)
{
    std::string text = "00" + std::to_string(value);
    return text.substr(text.size() - 2);
}
}  // namespace

std::string CTime(int32_t LngSeconds)
{
    int32_t s = LngSeconds;
    int32_t m = 0;
    int32_t h = 0;
    if (LngSeconds >= 60) {
        m = (LngSeconds - LngSeconds % 60) / 60;
        s = LngSeconds % 60;
        if (m >= 60) {
            h = (m - m % 60) / 60;
            m = m % 60;
        }
    }
    return twoDigits(h) + ":" + twoDigits(m) + ":" + twoDigits(s);
}
