#include "core/mediapath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace brainlark
{

std::string joinMediaPath(const std::string& programFolder, const char* subFolder,
                          const std::string& relative)
{
    std::string rel = relative;
    std::replace(rel.begin(), rel.end(), '\\', '/');
    while (!rel.empty() && rel.front() == '/')
        rel.erase(rel.begin());
    std::string result = programFolder;
    if (result.empty() || result.back() != '/')
        result += '/';
    result += subFolder;
    result += '/';
    result += rel;
    return result;
}

static bool equalsIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string resolveCaseInsensitive(const std::string& path)
{
    std::error_code ec;
    if (path.empty() || fs::exists(path, ec))
        return path;
    const fs::path wanted(path);
    fs::path current = wanted.root_path();
    for (const auto& part : wanted.relative_path()) {
        fs::path next = current / part;
        if (!fs::exists(next, ec)) {
            bool found = false;
            for (fs::directory_iterator it(current.empty() ? fs::path(".") : current, ec), end;
                 !ec && it != end; it.increment(ec)) {
                if (equalsIgnoringCase(it->path().filename().string(), part.string())) {
                    next = current / it->path().filename();
                    found = true;
                    break;
                }
            }
            if (!found)
                return path;
        }
        current = next;
    }
    return current.string();
}

std::string extensionOf(const std::string& path)
{
    std::string ext = path.size() >= 3 ? path.substr(path.size() - 3) : path;
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

} // namespace brainlark
