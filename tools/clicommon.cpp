#include "tools/clicommon.h"

#include <filesystem>
#include <ostream>

#include "core/cp1252.h"
#include "core/flyarchive.h"
#include "tools/cliargs.h"

namespace fs = std::filesystem;

namespace brainlark::cli
{

std::string titleOf(const std::string& path)
{
    std::string name = fs::path(path).filename().string();
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".fly") == 0)
        name.resize(name.size() - 4);
    return Cp1252::isValidUtf8WithMultibyte(name) ? Cp1252::fromUtf8(name) : name;
}

bool loadList(const std::string& path, PairList& list, std::ostream& err, uint32_t* version)
{
    const LoadResult result = FlyArchive::readFile(path, list);
    if (version)
        *version = result.version;
    if (!result)
        err << "brainlark-cli: " << path << ": " << result.error << '\n';
    return result.ok;
}

bool expectArgs(const CliArgs& args, size_t count, const char* usage, std::ostream& err)
{
    if (!args.error().empty()) {
        err << "brainlark-cli: " << args.error() << "\nusage: " << usage << '\n';
        return false;
    }
    if (args.positionals().size() != count) {
        err << "usage: " << usage << '\n';
        return false;
    }
    return true;
}

} // namespace brainlark::cli
