#include <ostream>
#include <utility>

#include "core/filereader.h"
#include "core/flyarchive.h"
#include "core/importreader.h"
#include "core/savefile.h"
#include "core/tableexport.h"
#include "core/textexport.h"
#include "tools/cliargs.h"
#include "tools/clicommand.h"
#include "tools/clicommon.h"
#include "tools/listjson.h"

namespace brainlark::cli
{

namespace
{

const char* const ImportTextUsage =
    "brainlark-cli import-text IN.txt OUT.fly [--format tsv|csv|at] [--header yes|no|auto] "
    "[--html keep|text] [--columns q,a,w,n,s,p,-] [--stamp TEXT]";

bool saveText(const std::string& path, const std::string& text, std::ostream& err)
{
    std::string error;
    if (TextExport::writeText(path, text, &error))
        return true;
    err << "brainlark-cli: Could not open file " << path << " (" << error << ")\n";
    return false;
}

int dump(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    const CliArgs args(raw, {});
    if (!expectArgs(args, 1, "brainlark-cli dump LIST.fly", err))
        return UsageError;
    const std::string& path = args.positionals()[0];
    TextStore bytes;
    std::string reason;
    if (!FileReader::read(path, bytes, &reason)) {
        complain(err, path, reason);
        return FileError;
    }
    const LoadResult result = writeListJson(bytes, out);
    if (!result) {
        complain(err, path, result.error);
        return FileError;
    }
    out << '\n';
    return Success;
}

int build(const std::vector<std::string>& raw, std::ostream&, std::ostream& err)
{
    const CliArgs args(raw, {"--stamp"});
    if (!expectArgs(args, 2, "brainlark-cli build LIST.json OUT.fly [--stamp TEXT]", err))
        return UsageError;
    const std::string& in = args.positionals()[0];
    std::string text;
    std::string reason;
    if (!FileReader::read(in, text, &reason)) {
        complain(err, in, reason);
        return FileError;
    }
    PairList list;
    try {
        list = listFromJson(nlohmann::json::parse(text));
    } catch (const std::exception& e) {
        complain(err, in, e.what());
        return FileError;
    }
    return saveList(args.positionals()[1], list, stampFor(args), err) ? Success : FileError;
}

int importText(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    const CliArgs args(raw, {"--stamp", "--format", "--header", "--html", "--columns"});
    if (!expectArgs(args, 2, ImportTextUsage, err))
        return UsageError;
    ImportFormat format = ImportFormat::At;
    if (args.has("--format") && !ImportReader::parseFormat(args.value("--format"), format)) {
        err << "brainlark-cli: unknown format '" << args.value("--format") << "' (tsv, csv or at)\n";
        return UsageError;
    }
    const std::string& in = args.positionals()[0];
    std::string error;
    ImportOptions options;
    if (!ImportReader::detectFile(in, options, &error)) {
        err << "brainlark-cli: " << error << '\n';
        return FileError;
    }
    if (args.has("--format") && format != options.format) {
        options.format = format;
        options.separator = ImportReader::defaultSeparator(format);
    }
    const std::string header = args.value("--header", "auto");
    const std::string html = args.value("--html", "text");
    if (header != "auto" && header != "yes" && header != "no") {
        err << "brainlark-cli: --header takes yes, no or auto, not '" << header << "'\n";
        return UsageError;
    }
    if (html != "text" && html != "keep") {
        err << "brainlark-cli: --html takes keep or text, not '" << html << "'\n";
        return UsageError;
    }
    if (args.has("--columns") && !ImportReader::parseColumns(args.value("--columns"), options.columns)) {
        err << "brainlark-cli: --columns takes a list such as q,a,w,n,s,p,- (question, answer, wrong "
               "answer, notes, sound, picture, ignored) with one q and one a, not '"
            << args.value("--columns") << "'\n";
        return UsageError;
    }
    options.header = header == "yes" ? HeaderLine::Yes : header == "no" ? HeaderLine::No : HeaderLine::Auto;
    options.keepHtml = html == "keep";
    ImportResult result;
    if (!ImportReader::readFile(in, options, result, &error)) {
        err << "brainlark-cli: " << error << '\n';
        return FileError;
    }
    reportImport(in, result, err);
    err << in << ": read as " << ImportReader::formatName(options.format) << ", "
        << ImportReader::encodingName(options.encoding) << '\n';
    return saveImportedList(in, std::move(result), args.positionals()[1], stampFor(args), out, err);
}

int exportText(const std::vector<std::string>& raw, std::ostream&, std::ostream& err, bool bl)
{
    const CliArgs args(raw, {});
    const char* usage =
        bl ? "brainlark-cli export-bl LIST.fly OUT.txt" : "brainlark-cli export-text LIST.fly OUT.txt";
    if (!expectArgs(args, 2, usage, err))
        return UsageError;
    PairList list;
    if (!loadList(args.positionals()[0], list, err))
        return FileError;
    const std::string text =
        bl ? TextExport::blText(list) : TextExport::questionSheet(list, titleOf(args.positionals()[0]));
    return saveText(args.positionals()[1], text, err) ? Success : FileError;
}

int exportTable(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err, bool csv)
{
    const CliArgs args(raw, {});
    const char* usage =
        csv ? "brainlark-cli export-csv LIST.fly OUT.csv" : "brainlark-cli export-tsv LIST.fly OUT.tsv";
    if (!expectArgs(args, 2, usage, err))
        return UsageError;
    PairList list;
    if (!loadList(args.positionals()[0], list, err))
        return FileError;
    const std::string bytes = csv ? TableExport::csv(list) : TableExport::tsv(list);
    std::string reason;
    if (!SaveFile::write(args.positionals()[1], bytes, &reason)) {
        err << "brainlark-cli: Could not open file " << args.positionals()[1] << " (" << reason << ")\n";
        return FileError;
    }
    out << args.positionals()[1] << ": " << list.count() << " pairs\n";
    return Success;
}

int check(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    const CliArgs args(raw, {});
    if (!expectArgs(args, 1, "brainlark-cli check LIST.fly", err))
        return UsageError;
    PairList list;
    if (!loadList(args.positionals()[0], list, err))
        return FileError;
    out << args.positionals()[0] << ": ok, " << list.count() << " pairs, " << list.wrongAnswers().size()
        << " wrong answers";
    if (list.count() < 5)
        out << " (fewer than 5 pairs: can be edited but not quizzed)";
    out << '\n';
    return Success;
}

} // namespace

std::vector<CliCommand> listCommands()
{
    using Args = const std::vector<std::string>&;
    return {
        {"dump", "print a list as JSON",
         "usage: brainlark-cli dump LIST.fly\n\nPrints the whole list as JSON on standard output: the list's "
         "fields, every pair and every predefined wrong answer. Texts are shown as Unicode.\n",
         dump},
        {"build", "write a list from JSON",
         "usage: brainlark-cli build LIST.json OUT.fly [--stamp TEXT]\n\nWrites the list described by a JSON "
         "document (as printed by dump) as a .fly file. --stamp fixes the program stamp, so that the output "
         "can "
         "be compared byte for byte.\n",
         build},
        {"import-text", "make a list from a text file",
         std::string("usage: ") + ImportTextUsage +
             "\n\n"
             "Reads pairs from a text file, one per line. Formats: tsv (question TAB answer, as other "
             "trainers "
             "export), csv (comma- or semicolon-separated, with \"quoted\" fields), at (question @ answer [@ "
             "wrong "
             "answer ...] [@ [pic1] picture]; the first empty line ends it). Without --format the format and "
             "separator are detected. The encoding is detected: UTF-8 with or without byte-order mark, "
             "UTF-16 "
             "with or without byte-order mark, otherwise Windows-1252. Lines starting with # are comments. "
             "Skipped lines "
             "are reported on standard error.\n\n"
             "--header: whether the first line names the columns and is skipped (auto: when it looks so, as "
             "\"Front, Back\" or a line unlike the rest). --html: fields holding HTML become plain text "
             "(text, the "
             "default) or are kept as they are (keep). --columns: what each column of a tsv or csv file "
             "becomes, "
             "from the first: q question, a answer, w wrong answer, n notes, - ignored; without it the third "
             "and "
             "further columns are wrong answers when their texts look like answers and are otherwise ignored "
             "(and named on standard error).\n",
         importText},
        {"export-text", "write questions and answer key as text",
         "usage: brainlark-cli export-text LIST.fly OUT.txt\n\nWrites a numbered question sheet followed by "
         "the "
         "numbered answer key (Windows-1252 when that code page holds the list, otherwise UTF-8 with a "
         "byte-order mark; CR LF line ends).\n",
         [](Args a, std::ostream& o, std::ostream& e) { return exportText(a, o, e, false); }},
        {"export-bl", "write the list in the import format",
         "usage: brainlark-cli export-bl LIST.fly OUT.txt\n\nWrites one line per pair: question, answer and "
         "predefined wrong answers separated by @, ready to be edited and imported again (encoded as "
         "export-text).\n",
         [](Args a, std::ostream& o, std::ostream& e) { return exportText(a, o, e, true); }},
        {"export-tsv", "write the list as tab-separated text",
         "usage: brainlark-cli export-tsv LIST.fly OUT.tsv\n\nWrites a first line naming the columns "
         "(Question, Answer, Wrong answer, ...), then one line per pair: question, answer and its "
         "predefined wrong answers separated by tabs, in UTF-8, as other trainers and spreadsheets read "
         "it. A text with a line break (or starting with #, or holding markup) is written as HTML, its "
         "breaks as <br>; a tab in a text becomes a space.\n",
         [](Args a, std::ostream& o, std::ostream& e) { return exportTable(a, o, e, false); }},
        {"export-csv", "write the list as CSV",
         "usage: brainlark-cli export-csv LIST.fly OUT.csv\n\nWrites the list as RFC 4180 CSV in UTF-8: "
         "a first line naming the columns (Question, Answer, Wrong answer, ...), then one row per pair "
         "with its predefined wrong answers; fields holding commas, quotes or line breaks are quoted, "
         "rows end in CR LF. A text holding markup is written as HTML with the markup escaped.\n",
         [](Args a, std::ostream& o, std::ostream& e) { return exportTable(a, o, e, true); }},
        {"check", "check that a list can be read",
         "usage: brainlark-cli check LIST.fly\n\nReads the list and reports its size, or the reason it "
         "cannot "
         "be read (exit status 2).\n",
         check},
    };
}

} // namespace brainlark::cli
