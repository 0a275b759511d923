#include "core/textexport.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>
#include <unordered_map>

namespace brainlark
{

namespace
{

// The " @ answer" tails of every question that has wrong answers, built in one pass so an export asks for
// each pair's tail in constant time instead of walking all wrong answers per pair.
std::unordered_map<std::string_view, std::string> joinedWrongAnswers(const PairList& list)
{
    std::unordered_map<std::string_view, std::string> joined;
    joined.reserve(list.wrongAnswers().size());
    for (const Pair& wrong : list.wrongAnswers()) {
        if (wrong.kind() != Pair::WrongAnswer)
            continue;
        std::string& tail = joined[wrong.question()];
        tail += " @ ";
        tail += wrong.answer();
    }
    return joined;
}

void appendNumbered(std::string& out, size_t number, std::string_view text)
{
    out += std::to_string(number);
    out += ". ";
    out += text;
    out += " \n";
}

bool fail(std::string* error, const std::string& what)
{
    if (error)
        *error = what + ": " + std::strerror(errno);
    return false;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Creates a fresh temporary file beside `path`; returns its descriptor or -1.
int createTemporary(const std::string& path, std::string& tempPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

// The texts of a large list are gathered into one string; growing it step by step would copy it again and
// again, so the size is worked out first.
std::string TextExport::questionSheet(const PairList& list, const std::string& title)
{
    const std::string head = "=== " + title + " ===\n\nQuestions:\n----------\n\n";
    const std::string middle = "\n\nCorrect Answers:\n----------------\n\n";
    const size_t perLine = 16; // number, ". ", " \n"
    size_t size = head.size() + middle.size();
    for (const Pair& pair : list.pairs())
        size += pair.question().size() + pair.answer().size() + 2 * perLine;
    std::string text;
    text.reserve(size);
    text += head;
    size_t number = 0;
    for (const Pair& pair : list.pairs())
        appendNumbered(text, ++number, pair.shownQuestion());
    text += middle;
    number = 0;
    for (const Pair& pair : list.pairs())
        appendNumbered(text, ++number, pair.shownAnswer());
    return text;
}

std::string TextExport::blText(const PairList& list)
{
    const auto joined = joinedWrongAnswers(list);
    size_t size = 0;
    for (const Pair& pair : list.pairs())
        size += pair.question().size() + pair.answer().size() + 8;
    for (const auto& entry : joined)
        size += entry.second.size();
    std::string text;
    text.reserve(size);
    for (const Pair& pair : list.pairs()) {
        text += pair.shownQuestion();
        text += " \t\t@ ";
        text += pair.shownAnswer();
        text += ' ';
        const auto tail = joined.find(pair.question());
        if (tail != joined.end())
            text += tail->second;
        text += '\n';
    }
    return text;
}

std::string TextExport::exportPath(const std::string& programFolder, const std::string& title)
{
    return programFolder + "/export_text/" + title + ".txt";
}

std::string TextExport::withCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

bool TextExport::writeText(const std::string& path, std::string_view text, std::string* error)
{
    std::string tempPath;
    const int fd = createTemporary(path, tempPath);
    if (fd < 0)
        return fail(error, "cannot create a file beside " + path);
    const bool written = writeAll(fd, withCrLf(text)) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        errno = written ? errno : savedErrno;
        fail(error, "cannot write " + tempPath);
        ::unlink(tempPath.c_str());
        return false;
    }
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        fail(error, "cannot replace " + path);
        ::unlink(tempPath.c_str());
        return false;
    }
    return true;
}

} // namespace brainlark
