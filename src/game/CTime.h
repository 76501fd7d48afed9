#pragma once

#include <cstdint>
#include <string>

// A number of seconds as the clock shows it: "hh:mm:ss", each field its last
// two decimal characters (so 360000 seconds, 100 hours, reads 00:00:00, and a
// negative count such as -1 reads 00:00:-1).
std::string CTime(int32_t LngSeconds);
