#include "tools/clicommon.h"

#include <filesystem>
#include <ostream>

#include "core/clock.h"
#include "core/cp1252.h"
#include "core/flyarchive.h"
#include "tools/cliargs.h"
#include "tools/clicommand.h"

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
    return Cp1252::isValidUtf8WithMultibyte(name) ? name : Cp1252::toUtf8(name);
}

// Blanks around a line break fold into one; blanks elsewhere are part of the message (a question's text).
std::string oneLine(const std::string& text)
{
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') {
            line += text[i];
            continue;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        while (i + 1 < text.size() && (text[i + 1] == '\n' || text[i + 1] == '\r' || text[i + 1] == ' '))
            ++i;
        if (!line.empty() && i + 1 < text.size())
            line += ' ';
    }
    return line;
}

void complain(std::ostream& err, const std::string& path, const std::string& reason)
{
    const std::string text = reason.find(path) == std::string::npos ? path + ": " + reason : reason;
    err << "brainlark-cli: " << oneLine(text) << '\n';
}

bool loadList(const std::string& path, PairList& list, std::ostream& err, uint32_t* version)
{
    const LoadResult result = FlyArchive::readFile(path, list);
    if (version)
        *version = result.version;
    if (!result)
        complain(err, path, result.error);
    return result.ok;
}

std::string installedFile(const std::string& relative)
{
    std::error_code ignored;
    const fs::path exeFolder = executableFolder();
    if (exeFolder.empty())
        return {};
    const fs::path installed = exeFolder / ".." / "share" / "brainlark" / relative;
    return fs::is_regular_file(installed, ignored) ? installed.lexically_normal().string() : std::string();
}

// Never looked up from the current folder: a data/ folder of someone else's there would be taken for ours.
std::string findShippedFile(const std::string& relative)
{
    if (std::string installed = installedFile(relative); !installed.empty())
        return installed;
#ifdef BRAINLARK_DATA_DIR
    std::error_code ignored;
    const fs::path source = fs::path(BRAINLARK_DATA_DIR) / relative;
    return fs::is_regular_file(source, ignored) ? source.string() : std::string();
#else
    return {};
#endif
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

std::string stampFor(const CliArgs& args)
{
    if (args.has("--stamp"))
        return args.value("--stamp");
    return FlyArchive::makeStamp(SystemClock().formatLocal("%c"));
}

bool saveList(const std::string& path, PairList& list, const std::string& stamp, std::ostream& err)
{
    std::string error;
    if (FlyArchive::writeFile(path, list, stamp, &error))
        return true;
    complain(err, path, error);
    return false;
}

int saveImportedList(const std::string& in, ImportResult&& result, const std::string& path,
                     const std::string& stamp, std::ostream& out, std::ostream& err)
{
    PairList list;
    const int count = ImportReader::appendTo(result, list);
    // The pairs as read are done with: their memory goes before the file's bytes are made.
    std::vector<ImportedPair>().swap(result.pairs);
    if (count < 5) {
        // The program refuses such files as well: a quiz needs at least five pairs.
        err << "brainlark-cli: Sorry, file " << in << " does not contain a valid Q&A-list. (" << count
            << " pairs found, at least 5 are needed)\n";
        return FileError;
    }
    if (!saveList(path, list, stamp, err))
        return FileError;
    out << count << " pairs, " << list.wrongAnswers().size() << " wrong answers\n";
    return Success;
}

void reportImport(const std::string& in, const ImportResult& result, std::ostream& err)
{
    // Comments are meant to be skipped; every other skipped line is named.
    for (const SkippedLine& line : result.skipped)
        if (line.reason != SkipReason::Comment)
            err << in << ':' << line.line << ": skipped (" << ImportReader::reasonText(line.reason)
                << "): " << line.text << '\n';
    if (result.skippedCount > result.skipped.size())
        err << in << ": " << result.skippedCount - result.skipped.size() << " more lines skipped\n";
    for (size_t column : result.ignoredColumns)
        err << in << ": column " << column + 1 << " ignored\n";
    if (result.htmlFields > 0)
        err << in << ": " << result.htmlFields << " fields turned from HTML into plain text\n";
    for (const std::string& media : result.missingMedia)
        err << in << ": " << media << '\n';
}

} // namespace brainlark::cli
