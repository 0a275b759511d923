#include <chrono>
#include <ostream>
#include <random>
#include <thread>

#include "core/clock.h"
#include "core/filereader.h"
#include "core/flyarchive.h"
#include "core/randomsource.h"
#include "core/savefile.h"
#include "exports/htmlreport.h"
#include "exports/palmexport.h"
#include "exports/printabletest.h"
#include "tools/builtinfiles.h"
#include "tools/cliargs.h"
#include "tools/clicommand.h"
#include "tools/clicommon.h"

namespace brainlark::cli
{

namespace
{

const char* const HtmlTemplate = "browser/reports_template.html";
const char* const RtfTemplate = "paperTests_template.rtf";

/// Reads the template named by --template, else the installed one, else the copy built into the program (the
/// source tree's, as it was when the program was built).
bool loadTemplate(const CliArgs& args, const char* shipped, std::string& text, std::ostream& err)
{
    std::string path = args.value("--template");
    if (path.empty())
        path = installedFile(shipped);
    if (path.empty()) {
        text = builtInCopy(shipped);
        return true;
    }
    std::string reason;
    if (!FileReader::read(path, text, &reason)) {
        err << "brainlark-cli: Could not open file " << path << " (" << reason << ")\n";
        return false;
    }
    // An empty template would give an empty report (HTML) or none at all (RTF): both are refused alike.
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        err << "brainlark-cli: " << path << ": the template is empty\n";
        return false;
    }
    return true;
}

bool saveBytes(const std::string& path, const std::string& bytes, std::ostream& err)
{
    std::string reason;
    if (SaveFile::write(path, bytes, &reason))
        return true;
    err << "brainlark-cli: Could not open file " << path << " (" << reason << ")\n";
    return false;
}

int exportHtml(const std::vector<std::string>& raw, std::ostream&, std::ostream& err)
{
    const CliArgs args(raw, {"--template", "--student"}, {"--no-stats"});
    if (!expectArgs(
            args, 2,
            "brainlark-cli export-html LIST.fly OUT.html [--template T] [--no-stats] [--student NAME]", err))
        return UsageError;
    PairList list;
    std::string templateText;
    if (!loadList(args.positionals()[0], list, err) || !loadTemplate(args, HtmlTemplate, templateText, err))
        return FileError;
    HtmlReportOptions options = HtmlReport::optionsFrom(
        args.has("--no-stats") ? 0 : HtmlReport::IncludeStatisticsFlag, args.value("--student"));
    const SystemClock clock;
    const std::string page =
        HtmlReport::generate(list, titleOf(args.positionals()[0]), templateText, clock, options);
    return saveBytes(args.positionals()[1], page, err) ? Success : FileError;
}

bool parseSeed(const std::string& text, uint32_t& seed)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long long value = std::stoull(text);
    seed = static_cast<uint32_t>(value);
    return value <= 0xFFFFFFFFull;
}

int writeTest(const CliArgs& args, const PairList& list, const std::string& templateText, const Clock& clock,
              RandomSource& random, PrintableTest::Pause pause, std::ostream& err)
{
    PrintableTest test(clock, random, std::move(pause));
    const PrintableTestResult result = test.generate(list, titleOf(args.positionals()[0]), templateText);
    if (result.status == PrintableTestResult::Status::TemplateTooShort) {
        err << "brainlark-cli: the template holds no test (10 bytes or less)\n";
        return FileError;
    }
    if (result.status != PrintableTestResult::Status::Generated) {
        err << "brainlark-cli: " << result.message.text << '\n';
        return FileError;
    }
    return saveBytes(args.positionals()[1], result.text, err) ? Success : FileError;
}

int exportRtf(const std::vector<std::string>& raw, std::ostream&, std::ostream& err)
{
    const char* usage = "brainlark-cli export-rtf LIST.fly OUT.rtf [--template T] [--seed N]";
    const CliArgs args(raw, {"--template", "--seed"});
    if (!expectArgs(args, 2, usage, err))
        return UsageError;
    uint32_t seed = 0;
    if (args.has("--seed") && !parseSeed(args.value("--seed"), seed)) {
        err << "brainlark-cli: --seed needs a number from 0 to 4294967295\nusage: " << usage << '\n';
        return UsageError;
    }
    PairList list;
    std::string templateText;
    if (!loadList(args.positionals()[0], list, err) || !loadTemplate(args, RtfTemplate, templateText, err))
        return FileError;
    if (args.has("--seed")) {
        // Reproducible: the seed alone decides the answers; the millisecond ticks stand still.
        SeededRandom random(seed);
        const ManualClock clock(SystemClock().wallSeconds());
        return writeTest(
            args, list, templateText, clock, random, [](int) {}, err);
    }
    SeededRandom random(std::random_device{}());
    const SystemClock clock;
    return writeTest(
        args, list, templateText, clock, random,
        [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }, err);
}

int exportPdb(const std::vector<std::string>& raw, std::ostream&, std::ostream& err)
{
    const CliArgs args(raw, {});
    if (!expectArgs(args, 2, "brainlark-cli export-pdb LIST.fly OUT.pdb", err))
        return UsageError;
    PairList list;
    if (!loadList(args.positionals()[0], list, err))
        return FileError;
    const SystemClock clock;
    PalmExport exporter(clock, err);
    const PalmExportResult result =
        exporter.exportList(list, titleOf(args.positionals()[0]), args.positionals()[1]);
    for (const ExportMessage& message : result.messages)
        err << "brainlark-cli: " << oneLine(message.text) << '\n';
    return result.hasError() ? FileError : Success;
}

} // namespace

std::vector<CliCommand> reportCommands()
{
    return {
        {"export-html", "write the list as an HTML report",
         "usage: brainlark-cli export-html LIST.fly OUT.html [--template T] [--no-stats] [--student NAME]\n\n"
         "Fills the report template (default: the shipped browser/reports_template.html) with one table row "
         "per "
         "pair and its predefined wrong answers. --no-stats leaves out the rating, right, wrong and accuracy "
         "columns; --student shows a student name under the title.\n",
         exportHtml},
        {"export-rtf", "write a printable multiple-choice test (RTF)",
         "usage: brainlark-cli export-rtf LIST.fly OUT.rtf [--template T] [--seed N]\n\n"
         "Writes every pair as a question with four answers A to D, five questions to a page, followed by "
         "the "
         "answer key. Default template: the shipped paperTests_template.rtf. --seed N makes the choice of "
         "answers and their order repeatable (the date in the test is still the current one). The list needs "
         "at least 4 pairs.\n",
         exportRtf},
        {"export-pdb", "write the database for the handheld program",
         "usage: brainlark-cli export-pdb LIST.fly OUT.pdb\n\n"
         "Writes a Palm OS database (type \"data\", creator \"ZRPW\") named after the list: an information "
         "record, then each pair followed by its predefined wrong answers. Questions must be unique; names "
         "longer than 28 bytes are shortened.\n",
         exportPdb},
    };
}

} // namespace brainlark::cli
