#include "interchange/kvtmlreader.h"

#include "core/messages.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>

namespace brainlark
{

namespace
{

struct Translation {
    QString text;
    QString comment;
    QStringList choices;
};

struct Entry {
    QString id;
    int64_t line = 0;
    std::map<int, Translation> translations;
    int lesson = -1; ///< index into the lesson names; -1: in no lesson
};

struct Lesson {
    QString name;
    bool hasEntries = false;
};

constexpr int SkippedTextLength = 80;

std::string shortened(const QString& text)
{
    QString shown = text.left(SkippedTextLength);
    for (QChar& c : shown)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    if (text.size() > SkippedTextLength)
        shown += QChar(0x2026);
    return shown.toStdString();
}

class Parser
{
public:
    Parser(std::string_view bytes, const ImportProgress& progress)
        : m_xml(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))),
          m_size(bytes.size()), m_progress(progress)
    {
        // A second guard behind the refusal of declared entities: no reference may grow by more than this.
        m_xml.setEntityExpansionLimit(1024);
    }

    /// Reads the whole document; false with `error` set when it cannot be read.
    bool parse();

    std::vector<KvtmlLanguage> languages;
    std::vector<Entry> entries;
    std::vector<Lesson> lessons;
    QHash<QString, size_t> entryIndex;
    std::string error;
    bool cancelled = false;

private:
    bool stopped() const { return m_xml.hasError() || !error.empty() || cancelled; }
    void fail(const std::string& why) { error = why; }
    void tick();
    void readIdentifiers();
    void readEntries();
    void readTranslation(Entry& entry);
    void readLesson(QString outer, int depth);

    QXmlStreamReader m_xml;
    uint64_t m_size;
    const ImportProgress& m_progress;
    int m_ticks = 0;
};

void Parser::tick()
{
    if (m_progress && ++m_ticks % 1024 == 0 &&
        !m_progress(static_cast<uint64_t>(m_xml.characterOffset()), m_size))
        cancelled = true;
}

bool Parser::parse()
{
    bool rootSeen = false;
    while (!stopped() && !m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::DTD && !m_xml.entityDeclarations().isEmpty()) {
            fail(Messages::KvtmlEntities);
        } else if (token == QXmlStreamReader::StartElement) {
            if (m_xml.name() != QLatin1String("kvtml")) {
                fail(Messages::format(Messages::KvtmlWrongRoot, {m_xml.name().toString().toStdString()}));
                break;
            }
            const QString version = m_xml.attributes().value(QLatin1String("version")).toString();
            if (!version.startsWith(QLatin1Char('2'))) {
                fail(Messages::format(Messages::KvtmlOldVersion,
                                      {version.isEmpty() ? std::string("1") : version.toStdString()}));
                break;
            }
            rootSeen = true;
            while (!stopped() && m_xml.readNextStartElement()) {
                if (m_xml.name() == QLatin1String("identifiers"))
                    readIdentifiers();
                else if (m_xml.name() == QLatin1String("entries"))
                    readEntries();
                else if (m_xml.name() == QLatin1String("lessons"))
                    while (!stopped() && m_xml.readNextStartElement())
                        if (m_xml.name() == QLatin1String("container"))
                            readLesson(QString(), 1);
                        else
                            m_xml.skipCurrentElement();
                else
                    m_xml.skipCurrentElement();
            }
        }
    }
    if (m_xml.hasError() && error.empty() && !cancelled) {
        error = Messages::format(Messages::KvtmlDamaged,
                                 {std::to_string(m_xml.lineNumber()), std::to_string(m_xml.columnNumber()),
                                  m_xml.errorString().toStdString()});
    }
    if (error.empty() && !cancelled && !rootSeen)
        error = Messages::KvtmlNoRoot;
    return error.empty() && !cancelled;
}

void Parser::readIdentifiers()
{
    while (!stopped() && m_xml.readNextStartElement()) {
        if (m_xml.name() != QLatin1String("identifier")) {
            m_xml.skipCurrentElement();
            continue;
        }
        KvtmlLanguage language;
        bool ok = false;
        language.id = m_xml.attributes().value(QLatin1String("id")).toInt(&ok);
        while (!stopped() && m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("name"))
                language.name =
                    m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().toStdString();
            else if (m_xml.name() == QLatin1String("locale"))
                language.locale =
                    m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().toStdString();
            else
                m_xml.skipCurrentElement();
        }
        const bool known = std::any_of(languages.begin(), languages.end(),
                                       [&](const KvtmlLanguage& l) { return l.id == language.id; });
        if (ok && !known)
            languages.push_back(std::move(language));
    }
}

void Parser::readEntries()
{
    while (!stopped() && m_xml.readNextStartElement()) {
        tick();
        if (m_xml.name() != QLatin1String("entry")) {
            m_xml.skipCurrentElement();
            continue;
        }
        Entry entry;
        entry.id = m_xml.attributes().value(QLatin1String("id")).toString();
        entry.line = m_xml.lineNumber();
        while (!stopped() && m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("translation"))
                readTranslation(entry);
            else
                m_xml.skipCurrentElement();
        }
        if (!entryIndex.contains(entry.id))
            entryIndex.insert(entry.id, entries.size());
        entries.push_back(std::move(entry));
    }
}

void Parser::readTranslation(Entry& entry)
{
    bool ok = false;
    const int id = m_xml.attributes().value(QLatin1String("id")).toInt(&ok);
    Translation translation;
    while (!stopped() && m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("text")) {
            translation.text = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (m_xml.name() == QLatin1String("comment")) {
            translation.comment = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (m_xml.name() == QLatin1String("multiplechoice")) {
            while (!stopped() && m_xml.readNextStartElement()) {
                if (m_xml.name() == QLatin1String("choice"))
                    translation.choices.push_back(
                        m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
                else
                    m_xml.skipCurrentElement();
            }
        } else {
            m_xml.skipCurrentElement();
        }
    }
    if (ok && !entry.translations.count(id))
        entry.translations.emplace(id, std::move(translation));
}

// A lesson holds its name, entries by id and lessons of its own; the whole path names its deck. `outer` is
// a copy: the name it came from lives in `lessons`, which grows here.
void Parser::readLesson(QString outer, int depth)
{
    if (depth > KvtmlReader::MaxLessonDepth) {
        fail(Messages::format(Messages::KvtmlTooDeep, {std::to_string(KvtmlReader::MaxLessonDepth),
                                                       std::to_string(m_xml.lineNumber())}));
        return;
    }
    const int index = static_cast<int>(lessons.size());
    lessons.push_back({outer, false});
    bool named = false;
    while (!stopped() && m_xml.readNextStartElement()) {
        tick();
        if (m_xml.name() == QLatin1String("name") && !named) {
            named = true;
            QString name = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
            if (name.isEmpty())
                name = QStringLiteral("Lesson %1").arg(index + 1);
            lessons[index].name = outer.isEmpty() ? name : outer + QLatin1String(" / ") + name;
        } else if (m_xml.name() == QLatin1String("entry")) {
            const auto it = entryIndex.constFind(m_xml.attributes().value(QLatin1String("id")).toString());
            if (it != entryIndex.constEnd() && entries[*it].lesson < 0) {
                entries[*it].lesson = index;
                lessons[index].hasEntries = true;
            }
            m_xml.skipCurrentElement();
        } else if (m_xml.name() == QLatin1String("container")) {
            readLesson(lessons[index].name, depth + 1);
        } else {
            m_xml.skipCurrentElement();
        }
    }
    if (!named)
        lessons[index].name = outer.isEmpty() ? QStringLiteral("Lesson %1").arg(index + 1)
                                              : outer + QStringLiteral(" / Lesson %1").arg(index + 1);
}

const KvtmlLanguage* findLanguage(const std::vector<KvtmlLanguage>& languages, int id)
{
    for (const KvtmlLanguage& language : languages)
        if (language.id == id)
            return &language;
    return nullptr;
}

std::string languageList(const std::vector<KvtmlLanguage>& languages)
{
    std::string list;
    for (const KvtmlLanguage& language : languages) {
        if (!list.empty())
            list += ", ";
        list += std::to_string(language.id);
        if (!language.name.empty())
            list += " (" + language.name + ")";
    }
    return list.empty() ? "none" : list;
}

} // namespace

ImportResult KvtmlReader::read(std::string_view bytes, const DeckImportOptions& options,
                               const ImportProgress& progress, std::vector<KvtmlLanguage>* languages)
{
    ImportResult result;
    Parser parser(bytes, progress);
    const bool parsed = parser.parse();
    if (languages != nullptr)
        *languages = parser.languages;
    if (!parsed) {
        result.error = parser.error;
        result.cancelled = parser.cancelled;
        return result;
    }
    const std::vector<KvtmlLanguage>& found = parser.languages;
    const int questionId = options.questionLanguage.value_or(found.size() > 0 ? found[0].id : 0);
    const int answerId = options.answerLanguage.value_or(found.size() > 1 ? found[1].id : 1);
    for (const int id : {questionId, answerId}) {
        if (!findLanguage(found, id)) {
            result.error =
                Messages::format(Messages::KvtmlNoLanguage, {std::to_string(id), languageList(found)});
            return result;
        }
    }
    if (questionId == answerId) {
        result.error = Messages::KvtmlSameLanguage;
        return result;
    }

    for (const Lesson& lesson : parser.lessons)
        if (lesson.hasEntries)
            result.decks.push_back(lesson.name.toStdString());
    result.columns = {ColumnRole::Question, ColumnRole::Answer};
    static const Translation none;
    for (const Entry& entry : parser.entries) {
        const auto q = entry.translations.find(questionId);
        const auto a = entry.translations.find(answerId);
        const Translation& question = q == entry.translations.end() ? none : q->second;
        const Translation& answer = a == entry.translations.end() ? none : a->second;
        if (question.text.isEmpty() || answer.text.isEmpty()) {
            ++result.skippedCount;
            if (result.skipped.size() < ImportResult::ListedSkips)
                result.skipped.push_back(
                    {entry.line,
                     question.text.isEmpty() ? SkipReason::EmptyQuestion : SkipReason::EmptyAnswer,
                     shortened(question.text.isEmpty() ? answer.text : question.text)});
            continue;
        }
        ImportedPair& pair = result.pairs.emplace_back();
        pair.line = entry.line;
        pair.question = question.text.toStdString();
        pair.answer = answer.text.toStdString();
        QStringList notes;
        for (const QString& comment : {question.comment, answer.comment})
            if (!comment.isEmpty() && !notes.contains(comment))
                notes.push_back(comment);
        pair.notes = notes.join(QLatin1Char('\n')).toStdString();
        QStringList wrong;
        for (const QString& choice : answer.choices)
            if (!choice.isEmpty() && choice != answer.text && !wrong.contains(choice))
                wrong.push_back(choice);
        for (const QString& choice : wrong)
            pair.wrongAnswers.push_back(choice.toStdString());
        if (entry.lesson >= 0)
            pair.deck = parser.lessons[static_cast<size_t>(entry.lesson)].name.toStdString();
        while (result.columns.size() < 2 + pair.wrongAnswers.size())
            result.columns.push_back(ColumnRole::WrongAnswer);
        if (result.preview.size() < ImportResult::PreviewRows) {
            ImportRow row{pair.line, {pair.question, pair.answer}};
            row.fields.insert(row.fields.end(), pair.wrongAnswers.begin(), pair.wrongAnswers.end());
            result.preview.push_back(std::move(row));
        }
    }
    return result;
}

bool KvtmlReader::looksLikeKvtml(std::string_view bytes)
{
    // The root comes after the declaration, comments and the document type: a few hundred bytes.
    constexpr size_t Window = 4096;
    std::string_view head = bytes.substr(0, Window);
    if (head.substr(0, 3) == "\xEF\xBB\xBF")
        head.remove_prefix(3);
    const size_t start = head.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || head[start] != '<')
        return false;
    const size_t root = head.find("<kvtml");
    return root != std::string_view::npos && root + 6 < head.size() &&
           std::string_view(" \t\r\n>").find(head[root + 6]) != std::string_view::npos;
}

} // namespace brainlark
