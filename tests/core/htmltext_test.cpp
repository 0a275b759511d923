#include "core/htmltext.h"

#include <gtest/gtest.h>

#include <string>

using namespace brainlark;

namespace
{

TEST(HtmlTextTest, TellsMarkupFromPlainText)
{
    const struct {
        std::string text;
        bool html;
    } cases[] = {
        {"bold <i>60</i>", true},
        {"one<br>two", true},
        {"<DIV class=\"x\">a</DIV>", true},
        {"salt &amp; pepper", true},
        {"caf&#233;", true},
        {"a < b and c > d", false},
        {"x<y", false},
        {"salt & pepper", false},
        {"&unknown; stays", false},
        {"<notatag>", false},
        {"<b unclosed", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HtmlText::looksLikeHtml(c.text), c.html);
    }
}

TEST(HtmlTextTest, TurnsMarkupIntoPlainTextWithLineBreaks)
{
    const struct {
        std::string html;
        std::string text;
    } cases[] = {
        {"bold <i>60</i>", "bold 60"},
        {"<b>dog</b><br>cat<br/>mouse<BR />", "dog\ncat\nmouse"},
        {"one<br><br>two", "one\n\ntwo"},
        {"<div>first</div><div>second</div>", "first\nsecond"},
        {"text<div>block</div>after", "text\nblock\nafter"},
        {"<p>  lots \n of\t space  </p>", "lots of space"},
        {"<ul><li>a</li><li>b</li></ul>", "a\nb"},
        {"&lt;tag&gt; &amp; &quot;q&quot; &apos;s&apos;", "<tag> & \"q\" 's'"},
        {"caf&#233; &#x41;&#X42; &#0; &#xD800;", "caf\xC3\xA9 AB \xEF\xBF\xBD \xEF\xBF\xBD"},
        {"a&nbsp;b &euro;5", "a b \xE2\x82\xAC"
                             "5"},
        {"a < b & c", "a < b & c"},
        {"<span style=\"color: red; content: '>'\">red</span>", "red"},
        {"x<script>alert('<b>')</script>y<style>b{}</style>z", "xyz"},
        {"a<!-- <b>hidden</b> -->b", "ab"},
        {"<img src=\"dog.jpg\">dog", "dog"},
        {"<script>never closed", ""},
        {"<b title=\"a<b\">x</b>", "<b title=\"a<b\">x"}, // a tag holds no '<'
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.html);
        EXPECT_EQ(HtmlText::toPlainText(c.html), c.text);
    }
}

// A field of a hundred thousand unclosed tags is read in one pass (it took quadratic time once).
TEST(HtmlTextTest, UnclosedTagsAreReadInOnePass)
{
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "<b &amp ";
    EXPECT_TRUE(HtmlText::looksLikeHtml(text + "<br>"));
    EXPECT_EQ(HtmlText::toPlainText(text).size(), text.size() - 1);
}

} // namespace

TEST(HtmlTextTest, TakesTheSoundsAndPicturesAFieldNames)
{
    const struct {
        const char* field;
        bool found;
        const char* text; // the field afterwards
        const char* sound;
        const char* picture;
    } cases[] = {
        {"dog [sound:bark.wav]", true, "dog", "bark.wav", ""},
        {"[sound:a.wav][sound:b.wav]", true, "", "a.wav", ""},
        {"<img src=\"cat.jpg\"> Katze", true, "<img src=\"cat.jpg\"> Katze", "", "cat.jpg"},
        {"<IMG class=x SRC='a&amp;b.png'/>", true, "<IMG class=x SRC='a&amp;b.png'/>", "", "a&b.png"},
        {"<img src=bare.gif>", true, "<img src=bare.gif>", "", "bare.gif"},
        {"[sound:unclosed", false, "[sound:unclosed", "", ""},
        {"<imgx src=\"no.jpg\"> <img alt=\"none\">", false, "<imgx src=\"no.jpg\"> <img alt=\"none\">", "",
         ""},
        {"plain text", false, "plain text", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        std::string field = c.field;
        HtmlText::Media media;
        EXPECT_EQ(HtmlText::takeMedia(field, media), c.found);
        EXPECT_EQ(field, c.text);
        EXPECT_EQ(media.sound, c.sound);
        EXPECT_EQ(media.picture, c.picture);
    }
}
