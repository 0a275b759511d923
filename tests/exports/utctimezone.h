#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

namespace brainlark::test
{

/// Puts the process into UTC while alive, so local-time texts are the same on every machine.
class UtcTimeZone
{
public:
    UtcTimeZone()
    {
        const char* tz = std::getenv("TZ");
        m_hadTz = tz != nullptr;
        m_oldTz = tz ? tz : "";
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~UtcTimeZone()
    {
        if (m_hadTz)
            setenv("TZ", m_oldTz.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    UtcTimeZone(const UtcTimeZone&) = delete;
    UtcTimeZone& operator=(const UtcTimeZone&) = delete;

private:
    std::string m_oldTz;
    bool m_hadTz = false;
};

} // namespace brainlark::test
