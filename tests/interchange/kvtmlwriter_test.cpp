#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/pairlist.h"
#include "interchange/kvtmlreader.h"
#include "interchange/kvtmlwriter.h"

using namespace brainlark;

// What the writer writes, the reader reads back: texts of every script, markup characters, notes, wrong
// answers, the one lesson; a reversed pair is written as it is shown; a control byte is left out.
TEST(KvtmlWriter, WhatIsWrittenReadsBackToTheSamePairs)
{
    struct Row {
        const char* question;
        const char* answer;
        const char* notes;
        std::vector<std::string> wrong;
        bool reversed;
        const char* readQuestion;
        const char* readAnswer;
    };
    const Row rows[] = {
        {"кошка", "cat", "", {"dog", "mouse"}, false, "кошка", "cat"},
        {"<b>x</b> & \"y\"", "a < b", "note & more", {}, false, "<b>x</b> & \"y\"", "a < b"},
        {"two\nlines", "お茶", "", {"水"}, false, "two\nlines", "お茶"},
        {"shown second", "shown first", "", {}, true, "shown first", "shown second"},
        {"bell\x07", "ok", "", {}, false, "bell", "ok"},
    };
    PairList list;
    for (const Row& row : rows) {
        Pair& pair = list.pairs().emplace_back(row.question, row.answer);
        pair.setHint(row.notes);
        pair.setReversed(row.reversed);
        for (const std::string& wrong : row.wrong)
            list.wrongAnswers().emplace_back(row.question, wrong).setKind(Pair::WrongAnswer);
    }
    const std::string document = KvtmlWriter::write(list, "Mixed & more");
    std::vector<KvtmlLanguage> languages;
    const ImportResult result = KvtmlReader::read(document, {}, {}, &languages);
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(languages.size(), 2u);
    EXPECT_EQ(languages[0].name, "Question");
    EXPECT_EQ(languages[1].name, "Answer");
    EXPECT_EQ(result.decks, std::vector<std::string>{"Mixed & more"});
    ASSERT_EQ(result.pairs.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].question);
        EXPECT_EQ(result.pairs[i].question, rows[i].readQuestion);
        EXPECT_EQ(result.pairs[i].answer, rows[i].readAnswer);
        EXPECT_EQ(result.pairs[i].notes, rows[i].notes);
        EXPECT_EQ(result.pairs[i].wrongAnswers, rows[i].wrong);
        EXPECT_EQ(result.pairs[i].deck, "Mixed & more");
    }
}
