#include "printing/listpages.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace brainlark
{

namespace
{

const QString Product = QStringLiteral("Brainlark");
const QString Separator = QStringLiteral(" - ");

// A row is one line: line breaks inside a text would run into the next row.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

} // namespace

QString ListPages::header(const QString& pathName, const QString& title, int page)
{
    const QString pageText = QStringLiteral("Page %1").arg(page);
    // A list that has no file yet (just imported) is named by its title.
    QString list = pathName.size() > LongestHeaderPath || pathName.isEmpty() ? title : pathName;
    if (Product.size() + Separator.size() + list.size() + pageText.size() > Columns)
        list = QStringLiteral("...") + list.right(10);
    const QString left = Product + Separator + list;
    return left + QString(std::max(0, int(Columns - pageText.size() - left.size())), QLatin1Char(' ')) +
           pageText;
}

QFont ListPages::listFont(int dpiY)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Normal);
    font.setPixelSize(std::max(1, dpiY * 10 / 72));
    return font;
}

ListPages::ListPages(std::vector<PrintedPair> pairs, const QString& pathName, const QString& title,
                     const PageMetrics& page)
    : m_pairs(std::move(pairs)), m_pathName(pathName), m_title(title), m_page(page),
      m_font(listFont(page.dpiY))
{
    // 81 columns of 10 points take 6.75 inches. On a narrower printable area (wide margins, small paper)
    // the font gets smaller until the columns fit, down to SmallestPoints; narrower still, nothing fits.
    const int smallest = std::max(1, page.dpiY * SmallestPoints / 72);
    m_rulerWidth = QFontMetrics(m_font).horizontalAdvance(ruler());
    while (m_rulerWidth > page.width && m_font.pixelSize() > smallest) {
        const int scaled =
            int(qint64(m_font.pixelSize()) * std::max(page.width, 0) / std::max(m_rulerWidth, 1));
        m_font.setPixelSize(std::max(smallest, std::min(m_font.pixelSize() - 1, scaled)));
        m_rulerWidth = QFontMetrics(m_font).horizontalAdvance(ruler());
    }
    const QFontMetrics metrics(m_font);
    // 30 pixels of air between rows on a 600-pixels-per-inch printer, the same distance on any other.
    const int air = qRound(30.0 * page.dpiY / 600);
    m_lineHeight = metrics.height() + metrics.leading() + air;
    m_linesPerPage = m_lineHeight > 0 ? (page.height - 7 * m_lineHeight) / m_lineHeight : 0;
    m_leftMargin = (page.width - m_rulerWidth) / 2;
}

bool ListPages::fits() const
{
    return m_linesPerPage > 0 && m_rulerWidth <= m_page.width;
}

int ListPages::pageCount() const
{
    if (!fits())
        return 0;
    const int pairs = static_cast<int>(m_pairs.size());
    return std::max(1, (pairs + m_linesPerPage - 1) / m_linesPerPage);
}

void ListPages::drawPage(QPainter& painter, int page) const
{
    if (!fits() || page < 1 || page > pageCount())
        return;
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(m_font, painter.device());
    const int lineHeight = m_lineHeight;
    const int left = m_leftMargin;
    const auto textAt = [&](int x, int y, const QString& text) {
        painter.drawText(x, y + metrics.ascent(), text);
    };

    textAt(left, 2 * lineHeight, header(m_pathName, m_title, page));
    const int rule = 2 * lineHeight + (3 * lineHeight) / 2;
    painter.drawLine(left, rule, left + m_rulerWidth, rule);

    const int answerColumn = static_cast<int>(m_rulerWidth / 1.8);
    const int questionColumn = answerColumn / 5;
    // Each text keeps to its column, so a long question cannot run into its answer.
    const int space = metrics.horizontalAdvance(QLatin1Char(' '));
    const int questionRoom = answerColumn - questionColumn - space;
    const int answerRoom = m_rulerWidth - answerColumn;
    const size_t first = static_cast<size_t>(page - 1) * m_linesPerPage;
    const size_t end = std::min(first + m_linesPerPage, m_pairs.size());
    for (size_t j = first; j < end; ++j) {
        const int y = static_cast<int>(j - first + 5) * lineHeight;
        textAt(left, y, QStringLiteral("- %1.").arg(j + 1));
        textAt(left + questionColumn, y,
               metrics.elidedText(oneLine(m_pairs[j].question), Qt::ElideRight, questionRoom));
        textAt(left + answerColumn, y,
               metrics.elidedText(oneLine(m_pairs[j].answer), Qt::ElideRight, answerRoom));
    }
}

} // namespace brainlark
