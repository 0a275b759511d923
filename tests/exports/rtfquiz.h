#pragma once

// Reads a generated printable test back: the questions with their lettered answers and the answer key,
// decoding the RTF escapes on the way, so the tests can check what a reader of the document would see.

#include <stdexcept>
#include <string>
#include <vector>

namespace brainlark::test
{

struct RtfQuestion {
    int number = 0;
    std::string question;
    std::vector<std::string> answers; // A, B, C, D
};

struct RtfKeyEntry {
    int number = 0;
    char letter = 0;
};

/// Decodes RTF text from `pos` up to the next control word or group brace; `pos` ends on that.
inline std::string readRtfText(const std::string& doc, size_t& pos)
{
    std::string text;
    while (pos < doc.size()) {
        const char c = doc[pos];
        if (c == '{' || c == '}')
            break;
        if (c != '\\') {
            text.push_back(c);
            ++pos;
            continue;
        }
        const char next = pos + 1 < doc.size() ? doc[pos + 1] : '\0';
        if (next == '\\' || next == '{' || next == '}') {
            text.push_back(next);
            pos += 2;
        } else if (next == '\'') {
            text.push_back(static_cast<char>(std::stoi(doc.substr(pos + 2, 2), nullptr, 16)));
            pos += 4;
        } else {
            break;
        }
    }
    return text;
}

inline void expectAt(const std::string& doc, size_t& pos, const std::string& literal)
{
    if (doc.compare(pos, literal.size(), literal) != 0)
        throw std::runtime_error("expected '" + literal + "' at " + std::to_string(pos) + ": '" +
                                 doc.substr(pos, 40) + "'");
    pos += literal.size();
}

inline std::vector<RtfQuestion> readRtfQuestions(const std::string& doc)
{
    std::vector<RtfQuestion> questions;
    const std::string questionStart = "{\\fs28\\insrsid8154827\\charrsid2969843 ___  ";
    const std::string answersStart = "\\pararsid8154827 {\\insrsid8154827 ";
    for (size_t pos = doc.find(questionStart); pos != std::string::npos; pos = doc.find(questionStart, pos)) {
        pos += questionStart.size();
        RtfQuestion q;
        const std::string head = readRtfText(doc, pos);
        const size_t dot = head.find(". ");
        if (dot == std::string::npos)
            throw std::runtime_error("question without number: " + head);
        q.number = std::stoi(head.substr(0, dot));
        q.question = head.substr(dot + 2);
        expectAt(doc, pos, "\\par }");
        pos = doc.find(answersStart, pos);
        if (pos == std::string::npos)
            throw std::runtime_error("answers missing");
        pos += answersStart.size();
        for (const char letter : std::string("ABCD")) {
            expectAt(doc, pos, std::string(1, letter) + ". ");
            q.answers.push_back(readRtfText(doc, pos));
            expectAt(doc, pos, letter == 'D' ? "\\par\\par\\par }}" : "\\par ");
        }
        questions.push_back(q);
    }
    return questions;
}

/// The key entries "N. L" that follow each other in `key`, with the paragraphs that start each line.
inline std::vector<RtfKeyEntry> readRtfKey(const std::string& key, int* lines = nullptr)
{
    const std::string separator = "{\\insrsid10249193 \\tab \\tab \\tab}";
    const std::string paragraph = "{\\par }";
    std::vector<RtfKeyEntry> entries;
    int lineCount = 0;
    size_t pos = 0;
    while (pos < key.size()) {
        if (key.compare(pos, paragraph.size(), paragraph) == 0) {
            ++lineCount;
            pos += paragraph.size();
            continue;
        }
        const size_t dot = key.find(". ", pos);
        if (dot == std::string::npos || dot + 3 > key.size())
            throw std::runtime_error("bad key at " + key.substr(pos, 30));
        RtfKeyEntry e;
        e.number = std::stoi(key.substr(pos, dot - pos));
        e.letter = key[dot + 2];
        pos = dot + 3;
        expectAt(key, pos, separator);
        entries.push_back(e);
    }
    if (lines)
        *lines = lineCount;
    return entries;
}

} // namespace brainlark::test
