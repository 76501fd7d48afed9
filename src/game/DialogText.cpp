#include "DialogText.h"

#include <cstring>

std::string DialogText::english() const
{
    std::string text;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' && static_cast<size_t>(p[1] - '1') < args.size()) {
            text += args[static_cast<size_t>(p[1] - '1')];
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}
