#include "core/listname.h"

#include "core/messages.h"

#include <filesystem>
#include <system_error>

namespace brainlark
{

namespace
{

bool isWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string trimmed(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isWhite(text[begin]))
        ++begin;
    while (end > begin && isWhite(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// The first `count` characters of UTF-8 text: a character is cut whole or kept whole, never in the middle
// (a cut name would end in a broken byte that the file system shows as a replacement sign).
std::string firstCharacters(const std::string& text, size_t count)
{
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation && characters++ == count)
            return text.substr(0, i);
    }
    return text;
}

} // namespace

ListName::Check ListName::check(const std::string& folder, const std::string& typed)
{
    Check result;
    result.name = trimmed(firstCharacters(typed, MaxLength));
    if (result.name.empty())
        return result;
    const size_t bad = result.name.find_first_of(Forbidden);
    if (bad != std::string::npos) {
        result.outcome = Outcome::Forbidden;
        result.forbidden = result.name[bad];
        result.message = forbiddenMessage(result.forbidden);
        return result;
    }
    result.outcome = Outcome::Ready;
    result.path = listPath(folder, result.name);
    std::error_code ec;
    result.exists = std::filesystem::exists(result.path, ec);
    return result;
}

std::string ListName::listPath(const std::string& folder, const std::string& name)
{
    return folder + "/" + name + ".fly";
}

std::string ListName::forbiddenMessage(char c)
{
    return Messages::format(Messages::ForbiddenCharacter, {std::string(1, c)});
}

} // namespace brainlark
