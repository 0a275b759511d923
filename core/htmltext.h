#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brainlark
{

/// Fields that other trainers export with markup ("<b>dog</b><br>&amp; cat") as the plain text a quiz shows.
/// Qt-free and linear in the text, so that the command-line import converts as the wizard does.
class HtmlText
{
public:
    /// Whether the text holds a tag of the kinds card editors write (b, i, br, div, span, p, ...) or a
    /// character reference (&amp;, &#233;). A lone '<' or '&' in plain text ("a < b", "salt & pepper") is no
    /// markup.
    static bool looksLikeHtml(std::string_view text);
    /// Tags removed, line breaks for <br> and block ends, references replaced, runs of white space made one
    /// blank as a browser shows them, lines trimmed. Script and style contents and comments are dropped.
    static std::string toPlainText(std::string_view html);

    /// Every "[sound:NAME]" marker and <img src="NAME"> picture of a field, in their order, names with their
    /// character references (&amp;) replaced; empty names are left out.
    struct MediaNames {
        std::vector<std::string> sounds;
        std::vector<std::string> pictures;
    };
    static MediaNames mediaNames(std::string_view field);
    /// The field without its "[sound:...]" markers, the rest as it is.
    static std::string withoutSounds(std::string_view field);

    /// The media a card field names: "[sound:NAME]" markers (removed from the text, as a quiz would show
    /// them as text) and the picture of the first <img src="NAME"> (the tag stays; the conversion to plain
    /// text drops it). Names are as written, usually a file beside the export. Returns whether any was found.
    struct Media {
        std::string sound;   ///< the first sound named
        std::string picture; ///< the first picture named
    };
    static bool takeMedia(std::string& field, Media& media);
};

} // namespace brainlark
