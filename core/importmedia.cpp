#include "core/importmedia.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

#include "core/filereader.h"
#include "core/messages.h"

namespace fs = std::filesystem;

namespace brainlark
{

namespace
{

std::string lowerExtension(const std::string& name)
{
    const size_t dot = name.rfind('.');
    std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

bool oneOf(const std::string& ext, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&ext](const char* n) { return ext == n; });
}

bool sameBytes(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    if (fs::file_size(a, error) != fs::file_size(b, error) || error)
        return false;
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    char ba[65536], bb[65536];
    while (fa && fb) {
        fa.read(ba, sizeof ba);
        fb.read(bb, sizeof bb);
        if (fa.gcount() != fb.gcount() || !std::equal(ba, ba + fa.gcount(), bb))
            return false;
    }
    return fa.eof() && fb.eof();
}

// Copies the file into the folder under its own name, or the name with "-2", "-3", ... when a different file
// has it; a file there with the same bytes is used as it is. Returns the name used, or "" on failure.
std::string copyInto(const fs::path& source, const fs::path& folder, const std::string& name)
{
    std::error_code error;
    fs::create_directories(folder, error);
    const size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    const std::string ext = dot == std::string::npos || dot == 0 ? std::string() : name.substr(dot);
    for (int n = 1; n < 1000; ++n) {
        const std::string candidate = n == 1 ? name : stem + "-" + std::to_string(n) + ext;
        const fs::path target = folder / candidate;
        if (fs::exists(target, error)) {
            if (sameBytes(source, target))
                return candidate;
            continue;
        }
        if (fs::copy_file(source, target, fs::copy_options::none, error))
            return candidate;
        return {};
    }
    return {};
}

// The file converted by `convert` (to WAV or JPEG) and put into the folder under its name with the new
// ending; "" when there is no converter or it cannot.
std::string convertInto(const std::string& source, const fs::path& folder, const std::string& name,
                        bool picture, const ImportMedia::Converter& convert)
{
    constexpr size_t MaxMediaBytes = 64 * 1024 * 1024;
    std::string bytes, converted;
    if (!convert || !FileReader::read(source, bytes, nullptr, MaxMediaBytes) ||
        !convert(!picture, bytes, converted))
        return {};
    const size_t dot = name.rfind('.');
    const std::string renamed =
        (dot == std::string::npos ? name : name.substr(0, dot)) + (picture ? ".jpg" : ".wav");
    std::error_code error;
    fs::create_directories(folder, error);
    const fs::path temporary = folder / (".import-" + renamed + ".part");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(converted.data(), std::streamsize(converted.size()));
        if (!out)
            return {};
    }
    const std::string copy = copyInto(temporary, folder, renamed);
    fs::remove(temporary, error);
    return copy;
}

} // namespace

bool ImportMedia::isPlayableSound(const std::string& name)
{
    return oneOf(lowerExtension(name), {"wav"});
}

bool ImportMedia::isShowablePicture(const std::string& name)
{
    return oneOf(lowerExtension(name), {"bmp", "jpg", "jpeg", "gif", "pcx"});
}

std::string ImportMedia::locate(const std::string& name, const std::string& sourceFolder, std::string* why)
{
    auto refuse = [why](const char* reason) {
        if (why)
            *why = reason;
        return std::string();
    };
    // A name may lead into a folder below the import ("images/cat.jpg"), never above it or elsewhere.
    bool unsafe =
        name.empty() || name.front() == '/' || name.find_first_of("\\:") != std::string::npos ||
        std::any_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
    for (size_t begin = 0; !unsafe && begin <= name.size();) {
        const size_t end = std::min(name.find('/', begin), name.size());
        const std::string part = name.substr(begin, end - begin);
        unsafe = part.empty() || part == "." || part == "..";
        begin = end + 1;
    }
    if (unsafe)
        return refuse(Messages::MediaUnsafeName);
    std::error_code error;
    for (const char* folder : {"", "media", "collection.media"}) {
        const fs::path candidate = fs::path(sourceFolder) / folder / fs::u8path(name);
        if (fs::is_regular_file(candidate, error))
            return candidate.string();
    }
    return refuse(Messages::MediaNotFound);
}

ImportMedia::Census ImportMedia::census(const ImportResult& result, const std::string& sourceFolder)
{
    Census census;
    if (result.options.format == ImportFormat::At)
        return census;
    std::map<std::string, bool> seen;
    for (const ImportedPair& pair : result.pairs) {
        for (const SparseText* name : {&pair.questionSound, &pair.answerSound, &pair.picturePath}) {
            if (name->empty() || seen.count(*name))
                continue;
            std::string why;
            const bool found = !locate(*name, sourceFolder, &why).empty();
            seen[*name] = found;
            ++(found ? census.found : census.missing);
            if (!found)
                census.missingNames.push_back(Messages::format(Messages::PartProblem, {name->str(), why}));
        }
    }
    return census;
}

size_t ImportMedia::place(ImportResult& result, const std::string& sourceFolder,
                          const std::string& programFolder, const Converter& convert)
{
    if (result.options.format == ImportFormat::At)
        return 0;
    std::map<std::string, std::string> placed; // name as written -> name in the program folder, "" when not
    size_t named = 0;
    for (ImportedPair& pair : result.pairs) {
        for (SparseText* name : {&pair.questionSound, &pair.answerSound, &pair.picturePath}) {
            if (name->empty())
                continue;
            const bool picture = name == &pair.picturePath;
            auto known = placed.find(*name);
            if (known == placed.end()) {
                std::string why;
                const std::string source = locate(*name, sourceFolder, &why);
                std::string copy;
                const fs::path folder = fs::path(programFolder) / (picture ? "quiz_pictures" : "quiz_sounds");
                const std::string fileName = fs::path(source).filename().string();
                if (source.empty()) {
                    // why says it
                } else if (picture ? isShowablePicture(*name) : isPlayableSound(*name)) {
                    if ((copy = copyInto(source, folder, fileName)).empty())
                        why = Messages::MediaNotCopied;
                } else if ((copy = convertInto(source, folder, fileName, picture, convert)).empty()) {
                    why = picture ? Messages::MediaPictureKind : Messages::MediaSoundKind;
                }
                if (copy.empty())
                    result.missingMedia.push_back(
                        Messages::format(Messages::PartProblem, {name->str(), why}));
                known = placed.emplace(*name, copy).first;
            }
            *name = known->second;
            named += !name->empty();
        }
    }
    return named;
}

} // namespace brainlark
