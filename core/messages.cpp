#include "core/messages.h"

#include <vector>

namespace brainlark
{

std::string Messages::format(const char* text, std::initializer_list<std::string> arguments)
{
    const std::vector<std::string> filled(arguments);
    std::string result;
    for (const char* c = text; *c; ++c) {
        const int place = c[0] == '%' && c[1] >= '1' && c[1] <= '9' ? c[1] - '1' : -1;
        if (place >= 0 && place < static_cast<int>(filled.size())) {
            result += filled[static_cast<size_t>(place)];
            ++c;
        } else {
            result += *c;
        }
    }
    return result;
}

} // namespace brainlark
