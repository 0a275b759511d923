# Writes OUTPUT: a C++ source that holds the bytes of the data files FILES (paths relative to ROOT, separated
# by '|'), so the command-line tool has the shipped templates even where no copy of data/ lies beside it.
# Run at build time: cmake -DROOT=... -DFILES=... -DOUTPUT=... -P embedfiles.cmake
string(REPLACE "|" ";" FILES "${FILES}")
set(_arrays "")
set(_entries "")
set(_index 0)
foreach(_relative IN LISTS FILES)
    file(READ "${ROOT}/${_relative}" _hex HEX)
    string(LENGTH "${_hex}" _digits)
    math(EXPR _size "${_digits} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
    string(APPEND _arrays "const unsigned char file${_index}[] = {${_bytes}0};\n")
    string(APPEND _entries "    {\"${_relative}\", {reinterpret_cast<const char*>(file${_index}), ${_size}}},\n")
    math(EXPR _index "${_index} + 1")
endforeach()
set(_text "// Generated from data/ by tools/embedfiles.cmake at build time; do not edit.
#include \"tools/builtinfiles.h\"

#include <utility>

namespace brainlark::cli
{

namespace
{

${_arrays}
const std::pair<std::string_view, std::string_view> files[] = {
${_entries}};

} // namespace

std::string_view builtInCopy(std::string_view relative)
{
    for (const auto& [name, bytes] : files) {
        if (name == relative)
            return bytes;
    }
    return {};
}

} // namespace brainlark::cli
")
# Rewritten only when it changes, so an unchanged template does not rebuild the tool.
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${_text}" @ONLY)
