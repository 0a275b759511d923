// import: other trainers' files (vocabularies, packages, text) made into a list. The readers use Qt's XML
// and SQL, so these commands are in the Qt build only; without Qt they only say so.
#include <algorithm>
#include <cstdio>
#include <ostream>
#include <utility>

#include "core/filereader.h"
#include "core/listname.h"
#include "core/savefile.h"
#include "interchange/deckimport.h"
#include "interchange/kvtmlwriter.h"
#include "tools/cliargs.h"
#include "tools/clicommand.h"
#include "tools/clicommon.h"

namespace brainlark::cli
{

namespace
{

const char* const ImportUsage =
    "brainlark-cli import IN OUT.fly|--each-deck FOLDER [--format apkg|kvtml|tsv|csv|at] [--deck NAME] "
    "[--header yes|no|auto] [--html keep|text] [--languages Q,A] [--program-folder DIR] [--stamp TEXT]";

bool parseOptions(const CliArgs& args, DeckImportOptions& options, std::ostream& err)
{
    if (args.has("--format")) {
        DeckFormat format = DeckFormat::Tsv;
        if (!DeckImport::parseFormat(args.value("--format"), format)) {
            err << "brainlark-cli: unknown format '" << args.value("--format")
                << "' (apkg, kvtml, tsv, csv or at)\n";
            return false;
        }
        options.format = format;
    }
    const std::string header = args.value("--header", "auto");
    const std::string html = args.value("--html", "text");
    if (header != "auto" && header != "yes" && header != "no") {
        err << "brainlark-cli: --header takes yes, no or auto, not '" << header << "'\n";
        return false;
    }
    if (html != "text" && html != "keep") {
        err << "brainlark-cli: --html takes keep or text, not '" << html << "'\n";
        return false;
    }
    options.header = header == "yes" ? HeaderLine::Yes : header == "no" ? HeaderLine::No : HeaderLine::Auto;
    options.keepHtml = html == "keep";
    if (args.has("--languages")) {
        const std::string text = args.value("--languages");
        int question = -1, answer = -1;
        char rest = 0;
        if (std::sscanf(text.c_str(), "%d,%d%c", &question, &answer, &rest) != 2 || question < 0 ||
            answer < 0) {
            err << "brainlark-cli: --languages takes the ids of the question's and the answer's language, "
                   "such as 0,1, not '"
                << text << "'\n";
            return false;
        }
        options.questionLanguage = question;
        options.answerLanguage = answer;
    }
    return true;
}

// A list of its own for each deck, named after it, in the folder; decks too small for a quiz are said.
int writeEachDeck(const ImportResult& result, const std::string& folder, const std::string& stamp,
                  std::ostream& out, std::ostream& err)
{
    int written = 0;
    for (ImportReader::DeckList& deck : ImportReader::splitByDeck(result)) {
        PairList list;
        list.setSubject(deck.subject);
        const int count = ImportReader::appendTo(deck.result, list);
        if (count < 5) {
            err << "brainlark-cli: deck \"" << deck.result.decks.front() << "\" not written: " << count
                << (count == 1 ? " pair" : " pairs") << ", a quiz needs at least 5\n";
            continue;
        }
        const std::string path = ListName::listPath(folder, deck.name);
        if (!saveList(path, list, stamp, err))
            return FileError;
        out << path << ": " << count << " pairs, " << list.wrongAnswers().size() << " wrong answers\n";
        ++written;
    }
    if (written == 0) {
        err << "brainlark-cli: no deck holds the 5 pairs a quiz needs\n";
        return FileError;
    }
    return Success;
}

int importDeck(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    const CliArgs args(raw, {"--format", "--deck", "--header", "--html", "--languages", "--program-folder",
                             "--stamp", "--each-deck"});
    DeckImportOptions options;
    const bool eachDeck = args.has("--each-deck");
    if (!expectArgs(args, eachDeck ? 1 : 2, ImportUsage, err) || !parseOptions(args, options, err))
        return UsageError;
    const std::string& in = args.positionals()[0];
    options.deck = args.value("--deck");
    options.programFolder = args.value("--program-folder");
    ImportResult result;
    std::string error;
    if (!options.format)
        options.format = DeckImport::detectFile(in, &error);
    if (!options.format) {
        err << "brainlark-cli: " << error << '\n';
        return FileError;
    }
    result = DeckImport::importDeck(in, options);
    const DeckFormat format = *options.format;
    // An unknown deck is said with the names the file holds.
    if (!result.error.empty()) {
        complain(err, in, result.error);
        return FileError;
    }
    reportImport(in, result, err);
    err << in << ": read as " << DeckImport::formatName(format);
    if (format == DeckFormat::Tsv || format == DeckFormat::Csv || format == DeckFormat::At)
        err << ", " << ImportReader::encodingName(result.options.encoding);
    err << '\n';
    for (const std::string& name : result.decks) {
        const auto count = std::count_if(result.pairs.begin(), result.pairs.end(),
                                         [&](const ImportedPair& pair) { return pair.deck == name; });
        err << in << ": deck \"" << name << "\": " << count << (count == 1 ? " pair\n" : " pairs\n");
    }
    if (eachDeck)
        return writeEachDeck(result, args.value("--each-deck"), stampFor(args), out, err);
    return saveImportedList(in, std::move(result), args.positionals()[1], stampFor(args), out, err);
}

int exportKvtml(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    const CliArgs args(raw, {});
    if (!expectArgs(args, 2, "brainlark-cli export-kvtml LIST.fly OUT.kvtml", err))
        return UsageError;
    PairList list;
    if (!loadList(args.positionals()[0], list, err))
        return FileError;
    const std::string& target = args.positionals()[1];
    std::string reason;
    if (!SaveFile::write(target, KvtmlWriter::write(list, titleOf(args.positionals()[0])), &reason)) {
        err << "brainlark-cli: Could not open file " << target << " (" << reason << ")\n";
        return FileError;
    }
    out << target << ": " << list.count() << " pairs\n";
    return Success;
}

} // namespace

std::vector<CliCommand> interchangeCommands()
{
    return {
        {"import", "make a list from another trainer's file",
         std::string("usage: ") + ImportUsage +
             "\n\nReads a vocabulary (kvtml: KDE vocabulary documents, version 2), a package (apkg) or a "
             "text file (tsv, csv, at, as import-text reads them) and writes its pairs as a list. Without "
             "--format the format is told by the content. A vocabulary's first two languages become "
             "question and answer, its multiple-choice texts wrong answers, its comments notes. Every deck "
             "or lesson goes into the one list unless --deck NAME picks one, or each into a list of its own "
             "in FOLDER with --each-deck FOLDER (named after the deck, its subject the top deck); "
             "--languages "
             "picks a "
             "vocabulary's languages by their ids (question first). A package's sounds and pictures are "
             "copied into the quiz_sounds/ and quiz_pictures/ folders of --program-folder DIR (without it "
             "nothing is copied and the pairs name them as the package does); a deck picked with --deck "
             "comes with its subdecks. --header and --html work as for import-text. Skipped entries are "
             "reported on standard error, with the decks read.\n",
         importDeck},
        {"export-kvtml", "write the list as a KDE vocabulary (.kvtml)",
         "usage: brainlark-cli export-kvtml LIST.fly OUT.kvtml\n\nWrites the list as a vocabulary document "
         "of version 2, as the KDE vocabulary programs open it: the languages \"Question\" and "
         "\"Answer\", one lesson named after the list, the notes as comments and the predefined wrong "
         "answers as multiple choice.\n",
         exportKvtml},
    };
}

} // namespace brainlark::cli
