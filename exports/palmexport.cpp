#include "exports/palmexport.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string_view>
#include <sys/stat.h>
#include <unordered_map>

#include "core/cp1252.h"
#include "core/messages.h"
#include "core/pairlist.h"
#include "exports/palmdbwriter.h"

namespace brainlark
{

namespace
{

std::string folderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

template <typename... Args> std::string format(const char* pattern, Args... args)
{
    const int n = std::snprintf(nullptr, 0, pattern, args...);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(out.data(), out.size() + 1, pattern, args...);
    return out;
}

using WrongAnswerIndex = std::unordered_map<std::string_view, std::vector<const Pair*>>;

// The wrong answers filed under each question, in list order, gathered in one pass: asking the list per pair
// would walk all wrong answers once for every pair.
WrongAnswerIndex indexWrongAnswers(const PairList& list)
{
    WrongAnswerIndex index;
    for (const Pair& wrong : list.wrongAnswers()) {
        if (wrong.kind() == Pair::WrongAnswer)
            index[wrong.question()].push_back(&wrong);
    }
    return index;
}

const std::vector<const Pair*>& wrongAnswersOf(const WrongAnswerIndex& index, const Pair& pair)
{
    static const std::vector<const Pair*> none;
    const auto it = index.find(pair.question());
    return it == index.end() ? none : it->second;
}

// Why the records cannot fit one database (a 16-bit record count, 32-bit offsets), or empty when they do.
std::string capacityProblem(const PairList& list, const WrongAnswerIndex& index)
{
    uint64_t records = 1;
    uint64_t bytes = PalmExport::extraInfoRecord(list).size();
    const auto add = [&](const Pair& entry) {
        ++records;
        bytes += entry.question().size() + entry.answer().size() + 10;
    };
    for (const Pair& pair : list.pairs()) {
        add(pair);
        for (const Pair* wrong : wrongAnswersOf(index, pair))
            add(*wrong);
    }
    if (records > PalmDbWriter::MaxRecords)
        return Messages::format(Messages::PalmTooManyRecords,
                                {std::to_string(records), std::to_string(PalmDbWriter::MaxRecords)});
    const uint64_t layout = PalmDbWriter::HeaderSize + PalmDbWriter::RecordEntrySize * records + 2;
    if (layout + bytes > 0xFFFFFFFFull)
        return Messages::PalmTooLarge;
    return {};
}

// A character for a message: itself and its code point ("Ж" U+0416).
std::string describeCharacter(char32_t c)
{
    std::string text = "\"";
    Cp1252::appendUtf8(text, c);
    return text + "\" " + format("U+%04X", static_cast<unsigned>(c));
}

// The handheld program reads Windows-1252 only: the first text it could not show, named in one line, or
// empty when the whole list fits.
std::string codePageProblem(const PairList& list, const WrongAnswerIndex& index, const std::string& title)
{
    if (const char32_t c = Cp1252::firstUnheld(title))
        return Messages::format(Messages::PalmNameUnheld, {describeCharacter(c)});
    const auto problem = [](const Pair& entry) -> std::string {
        for (const std::string_view text : {entry.shownQuestion(), entry.shownAnswer()})
            if (const char32_t c = Cp1252::firstUnheld(text))
                return Messages::format(Messages::PalmTextUnheld, {std::string(text), describeCharacter(c)});
        return {};
    };
    int number = 0;
    for (const Pair& pair : list.pairs()) {
        ++number;
        if (std::string text = problem(pair); !text.empty())
            return Messages::format(Messages::PalmPairProblem, {std::to_string(number), text});
        for (const Pair* wrong : wrongAnswersOf(index, pair))
            if (std::string text = problem(*wrong); !text.empty())
                return Messages::format(Messages::PalmWrongAnswerProblem, {std::to_string(number), text});
    }
    return {};
}

// "cannot save x: Permission denied" as a sentence of its own.
std::string sentence(std::string reason)
{
    if (!reason.empty() && reason[0] >= 'a' && reason[0] <= 'z')
        reason[0] = static_cast<char>(reason[0] - 'a' + 'A');
    return reason + ".";
}

// True when the folder of path is missing, the one failure the usual message explains.
bool folderIsMissing(const std::string& path)
{
    struct stat st;
    return ::stat(folderOf(path).c_str(), &st) != 0 && errno == ENOENT;
}

} // namespace

bool PalmExportResult::hasError() const
{
    for (const ExportMessage& m : messages) {
        if (m.isError)
            return true;
    }
    return false;
}

PalmExport::PalmExport(const Clock& clock, std::ostream& diagnostics)
    : m_clock(clock), m_diagnostics(diagnostics)
{
}

std::string PalmExport::defaultPath(const std::string& programFolder, const std::string& title)
{
    return programFolder + "/palm/" + title + ".pdb";
}

std::string PalmExport::shortenedTitle(const std::string& title)
{
    const size_t room = MaxNameLength - std::char_traits<char>::length(NameSuffix);
    return title.size() > room ? title.substr(0, room) : title;
}

std::string PalmExport::extraInfoRecord(const PairList& list)
{
    std::string record = std::to_string(list.count());
    record.push_back('\0');
    record += std::to_string(list.wrongAnswers().size());
    record.push_back('\0');
    record += "extra info string";
    record.push_back('\0');
    return record;
}

std::string PalmExport::entryRecord(const Pair& entry)
{
    std::string record = entry.formatKind();
    record.push_back('\0');
    record += Cp1252::fromUtf8(entry.shownQuestion());
    record.push_back('\0');
    record += Cp1252::fromUtf8(entry.shownAnswer());
    record.append(7, '\0');
    return record;
}

PalmExportResult PalmExport::exportList(const PairList& list, const std::string& title,
                                        const std::string& path)
{
    PalmExportResult result;
    // The handheld program identifies pairs by their question text.
    if (const Pair* twin = list.findFirstDuplicate()) {
        result.messages.push_back(
            {Messages::format(Messages::PalmDuplicate, {std::string(twin->question())}), true});
        return result;
    }
    const WrongAnswerIndex index = indexWrongAnswers(list);
    // Refused before anything is written, rather than turning what the handheld cannot show into '?'.
    if (const std::string problem = codePageProblem(list, index, title); !problem.empty()) {
        result.messages.push_back({Messages::format(Messages::PalmNotCreated, {problem}), true});
        return result;
    }
    // The database name is bytes of the code page, cut to the room a name has.
    const std::string ansiTitle = Cp1252::fromUtf8(title);
    const std::string shortTitle = shortenedTitle(ansiTitle);
    if (shortTitle.size() != ansiTitle.size()) {
        result.messages.push_back(
            {Messages::format(Messages::PalmNameTruncated, {Cp1252::toUtf8(shortTitle)}), false});
    }
    result.databaseName = shortTitle + NameSuffix;
    // Refused before anything is written: a database cut off at its record limit is of no use.
    if (const std::string problem = capacityProblem(list, index); !problem.empty()) {
        result.messages.push_back({Messages::format(Messages::PalmNotCreated, {problem}), true});
        return result;
    }
    if (!writeDatabase(list, index, path, result))
        return result;
    const int pairCount = list.count();
    const int wrongCount = static_cast<int>(list.wrongAnswers().size());
    if (result.pairRecords == pairCount && result.wrongRecords == wrongCount) {
        result.folderToOpen = folderOf(path);
    } else {
        result.messages.push_back(
            {Messages::format(Messages::PalmRecordsLost,
                              {Cp1252::toUtf8(result.databaseName), std::to_string(result.pairRecords),
                               std::to_string(pairCount), std::to_string(result.wrongRecords),
                               std::to_string(wrongCount)}),
             true});
    }
    return result;
}

bool PalmExport::writeDatabase(const PairList& list, const WrongAnswerIndex& index, const std::string& path,
                               PalmExportResult& result)
{
    PalmDbWriter writer(m_clock);
    std::string reason;
    if (!writer.create(path, result.databaseName, PalmDbWriter::typeCode(Type),
                       PalmDbWriter::typeCode(Creator), &reason)) {
        // The usual cause has the usual message; anything else (a read-only folder, a target that is no
        // file) is named as it is.
        result.messages.push_back(
            {Messages::format(Messages::PalmNotCreated,
                              {folderIsMissing(path)
                                   ? Messages::format(Messages::PalmFolderMissing, {folderOf(path)})
                                   : sentence(reason)}),
             true});
        return false;
    }
    append(writer, extraInfoRecord(list));
    for (const Pair& pair : list.pairs()) {
        result.pairRecords += append(writer, entryRecord(pair)) ? 1 : 0;
        for (const Pair* wrong : wrongAnswersOf(index, pair))
            result.wrongRecords += append(writer, entryRecord(*wrong)) ? 1 : 0;
    }
    result.written = writer.close(&reason);
    if (!result.written)
        result.messages.push_back({Messages::format(Messages::CannotWriteFile, {path, reason}), true});
    return result.written;
}

bool PalmExport::append(PalmDbWriter& writer, std::string record)
{
    if (writer.appendRecord(std::move(record)))
        return true;
    m_diagnostics << "could not append record\n";
    return false;
}

} // namespace brainlark
