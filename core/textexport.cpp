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
std::unordered_map<std::string_view, std::string> joinedWrongAnswers(const WordList& list)
{
    std::unordered_map<std::string_view, std::string> joined;
    joined.reserve(list.wrongAnswers().size());
    for (const Word& wrong : list.wrongAnswers()) {
        if (wrong.kind() != Word::WrongAnswer)
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

std::string TextExport::questionSheet(const WordList& list, const std::string& title)
{
    std::string questions;
    std::string answers;
    size_t number = 0;
    for (const Word& pair : list.pairs()) {
        ++number;
        appendNumbered(questions, number, pair.GetQuestion());
        appendNumbered(answers, number, pair.GetAnswer());
    }
    std::string text = "=== " + title + " ===\n\n";
    text += "Questions:\n----------\n\n";
    text += questions;
    text += "\n\n";
    text += "Correct Answers:\n----------------\n\n";
    text += answers;
    return text;
}

std::string TextExport::blText(const WordList& list)
{
    const auto joined = joinedWrongAnswers(list);
    std::string text;
    for (const Word& pair : list.pairs()) {
        text += pair.GetQuestion();
        text += " \t\t@ ";
        text += pair.GetAnswer();
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
