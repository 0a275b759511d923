#include "tools/clicommon.h"

#include <filesystem>
#include <ostream>

#include "core/cp1252.h"
#include "core/flyarchive.h"
#include "tools/cliargs.h"

namespace fs = std::filesystem;

namespace brainlark::cli
{

namespace
{

fs::path executableFolder()
{
    std::error_code ignored;
    const fs::path self = fs::read_symlink("/proc/self/exe", ignored);
    return self.empty() ? fs::path() : self.parent_path();
}

} // namespace

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

std::string findShippedFile(const std::string& relative)
{
    std::error_code ignored;
    const fs::path exeFolder = executableFolder();
    if (!exeFolder.empty()) {
        const fs::path installed = exeFolder / ".." / "share" / "brainlark" / relative;
        if (fs::is_regular_file(installed, ignored))
            return installed.lexically_normal().string();
    }
    for (fs::path start : {fs::current_path(ignored), exeFolder}) {
        for (fs::path dir = start; !dir.empty(); dir = dir.parent_path()) {
            const fs::path candidate = dir / "data" / relative;
            if (fs::is_regular_file(candidate, ignored))
                return candidate.string();
            if (dir == dir.parent_path())
                break;
        }
    }
    return {};
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
