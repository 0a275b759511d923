#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/importreader.h"

namespace brainlark
{

/// Brings the sounds and pictures that imported pairs name into the program folder, where a list's media
/// live (quiz_sounds, quiz_pictures). A name is looked for beside the imported file, or in its "media" or
/// "collection.media" folder, and never outside them: names with "..", an absolute path, a drive or
/// control characters are refused. A copy never replaces another file of the same name: it gets a name of
/// its own, and a file with the same bytes is shared. Names not found or not usable are said in
/// ImportResult::missingMedia, each with why, and taken off the pair. Qt-free.
class ImportMedia
{
public:
    /// Sounds the quiz plays and pictures it shows, by file name ending.
    static bool isPlayableSound(const std::string& name);
    static bool isShowablePicture(const std::string& name);

    /// Where the file a pair names would be found beside the import, or "" (and why) when it would not.
    static std::string locate(const std::string& name, const std::string& sourceFolder,
                              std::string* why = nullptr);

    /// Counts of what an import would bring: media found, and media missing or refused.
    struct Census {
        size_t found = 0;
        size_t missing = 0;
        std::vector<std::string> missingNames; ///< each "name: why"
    };
    static Census census(const ImportResult& result, const std::string& sourceFolder);

    /// Turns a sound the quiz cannot play into WAV bytes, or a picture it cannot show into JPEG bytes; false
    /// when it cannot (the program's picture formats live above this Qt-free layer).
    using Converter = std::function<bool(bool sound, std::string_view bytes, std::string& converted)>;

    /// Copies every medium found into the program folder (through `convert` when the quiz cannot use it as
    /// it is) and points the pairs at the copies; the rest are taken off their pairs and listed. Returns the
    /// number of files the pairs now name. Pairs of the '@' format name pictures of the program folder
    /// already and are left alone.
    static size_t place(ImportResult& result, const std::string& sourceFolder,
                        const std::string& programFolder, const Converter& convert = {});
};

} // namespace brainlark
