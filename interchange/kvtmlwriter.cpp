#include "interchange/kvtmlwriter.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brainlark
{

namespace
{

// XML 1.0 cannot hold control characters other than tab and line breaks, nor unpaired surrogates: they are
// left out, so that every reader takes the document.
QString text(std::string_view utf8)
{
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF;
    });
    return text;
}

void writeLanguage(QXmlStreamWriter& xml, int id, const QString& name)
{
    xml.writeStartElement(QStringLiteral("identifier"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeTextElement(QStringLiteral("name"), name);
    xml.writeEndElement();
}

} // namespace

std::string KvtmlWriter::write(const PairList& list, const std::string& title)
{
    std::unordered_map<std::string_view, std::vector<std::string_view>> wrongAnswers;
    for (const Pair& wrong : list.wrongAnswers())
        if (wrong.kind() == Pair::WrongAnswer)
            wrongAnswers[wrong.question()].push_back(wrong.answer());

    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDTD(
        QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));

    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("Brainlark"));
    xml.writeTextElement(QStringLiteral("title"), text(title));
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("identifiers"));
    writeLanguage(xml, 0, QStringLiteral("Question"));
    writeLanguage(xml, 1, QStringLiteral("Answer"));
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("entries"));
    int id = 0;
    for (const Pair& pair : list.pairs()) {
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id++));
        xml.writeStartElement(QStringLiteral("translation"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        xml.writeTextElement(QStringLiteral("text"), text(pair.shownQuestion()));
        if (!pair.hint().empty())
            xml.writeTextElement(QStringLiteral("comment"), text(pair.hint()));
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("translation"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
        xml.writeTextElement(QStringLiteral("text"), text(pair.shownAnswer()));
        const auto wrong = wrongAnswers.find(pair.question());
        if (wrong != wrongAnswers.end()) {
            xml.writeStartElement(QStringLiteral("multiplechoice"));
            for (std::string_view choice : wrong->second)
                xml.writeTextElement(QStringLiteral("choice"), text(choice));
            xml.writeEndElement();
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("lessons"));
    xml.writeStartElement(QStringLiteral("container"));
    xml.writeTextElement(QStringLiteral("name"), title.empty() ? QStringLiteral("Lesson 1") : text(title));
    xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (int entry = 0; entry < id; ++entry) {
        xml.writeEmptyElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(entry));
    }
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes.toStdString();
}

} // namespace brainlark
