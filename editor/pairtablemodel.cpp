#include "editor/pairtablemodel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

#include <QCollator>

#include "core/pair.h"
#include "core/pairlist.h"
#include "quiz/ui/listtext.h"

namespace brainlark
{

namespace
{

const char* const Headers[PairTableModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("brainlark::PairTableModel", "Question"),
    QT_TRANSLATE_NOOP("brainlark::PairTableModel", "Answer"),
    QT_TRANSLATE_NOOP("brainlark::PairTableModel", "Rating "),
    QT_TRANSLATE_NOOP("brainlark::PairTableModel", "Right "),
    QT_TRANSLATE_NOOP("brainlark::PairTableModel", "Wrong "),
    QT_TRANSLATE_NOOP("brainlark::PairTableModel", "Total"),
    "index",
    "soundPathOne",
    "soundPathTwo",
    "hint",
    "picturePathOne"};

std::string formatInt(int32_t value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// A sort key: the number a cell reads as, or its text.
struct SortKey {
    bool isNumber = false;
    double number = 0.0;
    const std::string* text = nullptr;
};

SortKey keyOf(const std::string& cell)
{
    SortKey key;
    key.text = &cell;
    const char* begin = cell.data();
    const char* end = begin + cell.size();
    while (begin != end && (*begin == ' ' || *begin == '\t'))
        ++begin;
    while (end != begin && (end[-1] == ' ' || end[-1] == '\t'))
        --end;
    if (begin != end && *begin == '+')
        ++begin;
    if (begin == end)
        return key;
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc() && result.ptr == end && std::isfinite(value)) {
        key.isNumber = true;
        key.number = value;
    }
    return key;
}

// Numbers come before texts; numbers by value, texts as the learner's language orders them (the system
// locale's collation, ignoring letter case), each text's collation key made once.
int compareKeys(const SortKey& a, const SortKey& b, const std::vector<QCollatorSortKey>& collated, size_t ia,
                size_t ib)
{
    if (a.isNumber != b.isNumber)
        return a.isNumber ? -1 : 1;
    if (a.isNumber)
        return a.number < b.number ? -1 : (b.number < a.number ? 1 : 0);
    return collated[ia].compare(collated[ib]);
}

} // namespace

std::string formatFixed2(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc())
        return "0.00";
    return std::string(buffer, result.ptr);
}

PairTableModel::PairTableModel(QObject* parent) : QAbstractTableModel(parent) {}

QString PairTableModel::headerText(int column)
{
    return column >= 0 && column < ColumnCount ? tr(Headers[column]) : QString();
}

Qt::Alignment PairTableModel::alignment(int column)
{
    const bool right = column >= Rating && column <= Total;
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

PairTableModel::Row PairTableModel::rowFromPair(const Pair& pair, int index)
{
    Row row;
    row[Question] = std::string(pair.shownQuestion());
    row[Answer] = std::string(pair.shownAnswer());
    row[Rating] = formatFixed2(pair.rating());
    row[Right] = formatInt(pair.right());
    row[Wrong] = formatInt(pair.wrong());
    row[Total] = formatInt(pair.total());
    row[Index] = formatInt(index);
    row[SoundOne] = pair.soundPathOne();
    row[SoundTwo] = pair.soundPathTwo();
    row[Hint] = pair.hint();
    row[Picture] = pair.picturePath();
    return row;
}

PairTableModel::Row PairTableModel::textRow(std::string question, std::string answer, int index)
{
    Row row;
    row[Question] = std::move(question);
    row[Answer] = std::move(answer);
    row[Index] = formatInt(index);
    return row;
}

void PairTableModel::fill(const PairList* list)
{
    beginResetModel();
    m_rows.clear();
    if (list) {
        m_rows.reserve(static_cast<size_t>(list->count()));
        int index = 0;
        for (const Pair& pair : list->pairs())
            m_rows.push_back(rowFromPair(pair, ++index));
    }
    endResetModel();
}

void PairTableModel::clear()
{
    fill(nullptr);
}

int PairTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows();
}

int PairTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PairTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows() || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return ListText::toQString(cell(index.row(), index.column()));
    case Qt::TextAlignmentRole: {
        // A text in a right-to-left script stands at the right edge of its cell, where it begins.
        Qt::Alignment align = alignment(index.column());
        if ((align & Qt::AlignLeft) && ListText::toQString(cell(index.row(), index.column())).isRightToLeft())
            align = (align & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight;
        return QVariant::fromValue(align);
    }
    default:
        return {};
    }
}

QVariant PairTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return headerText(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment(section));
    return {};
}

Qt::ItemFlags PairTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable && (index.column() == Question || index.column() == Answer))
        result |= Qt::ItemIsEditable;
    return result;
}

bool PairTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    Row edited = row(index.row());
    edited[index.column()] = ListText::fromQString(value.toString());
    if (edited == row(index.row()))
        return false;
    if (m_editHook)
        return m_editHook(index.row(), edited);
    replaceRow(index.row(), std::move(edited));
    return true;
}

void PairTableModel::insertRowsAt(int at, std::vector<Row> rows)
{
    if (rows.empty())
        return;
    at = std::clamp(at, 0, this->rows());
    beginInsertRows(QModelIndex(), at, at + static_cast<int>(rows.size()) - 1);
    m_rows.insert(m_rows.begin() + at, std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
}

std::vector<PairTableModel::Row> PairTableModel::takeRows(int at, int count)
{
    std::vector<Row> taken;
    if (at < 0 || count <= 0 || at + count > rows())
        return taken;
    beginRemoveRows(QModelIndex(), at, at + count - 1);
    taken.assign(std::make_move_iterator(m_rows.begin() + at),
                 std::make_move_iterator(m_rows.begin() + at + count));
    m_rows.erase(m_rows.begin() + at, m_rows.begin() + at + count);
    endRemoveRows();
    return taken;
}

PairTableModel::Row PairTableModel::replaceRow(int r, Row row)
{
    std::swap(m_rows[static_cast<size_t>(r)], row);
    emit dataChanged(index(r, 0), index(r, ColumnCount - 1));
    return row;
}

std::vector<std::string> PairTableModel::setColumnTexts(int column, const std::string& text)
{
    std::vector<std::string> old;
    old.reserve(m_rows.size());
    for (Row& row : m_rows)
        old.push_back(std::exchange(row[column], text));
    if (!m_rows.empty())
        emit dataChanged(index(0, column), index(rows() - 1, column));
    return old;
}

void PairTableModel::restoreColumnTexts(int column, std::vector<std::string> texts)
{
    const size_t n = std::min(texts.size(), m_rows.size());
    for (size_t i = 0; i < n; ++i)
        m_rows[i][column] = std::move(texts[i]);
    if (n)
        emit dataChanged(index(0, column), index(static_cast<int>(n) - 1, column));
}

std::vector<int> PairTableModel::sortByColumn(int column, Qt::SortOrder order)
{
    std::vector<int> permutation(m_rows.size());
    std::iota(permutation.begin(), permutation.end(), 0);
    if (column < 0 || column >= ColumnCount)
        return permutation;
    std::vector<SortKey> keys;
    keys.reserve(m_rows.size());
    bool allNumbers = true;
    for (const Row& row : m_rows) {
        keys.push_back(keyOf(row[column]));
        allNumbers = allNumbers && keys.back().isNumber;
    }
    const bool ascending = order == Qt::AscendingOrder;
    if (allNumbers) {
        // The statistics columns: plain numbers sorted beside their row, which keeps the sort in the cache.
        std::vector<std::pair<double, int>> numbers(keys.size());
        for (size_t i = 0; i < keys.size(); ++i)
            numbers[i] = {ascending ? keys[i].number : -keys[i].number, static_cast<int>(i)};
        std::stable_sort(numbers.begin(), numbers.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (size_t i = 0; i < numbers.size(); ++i)
            permutation[i] = numbers[i].second;
    } else {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::vector<QCollatorSortKey> collated;
        collated.reserve(keys.size());
        for (const SortKey& key : keys)
            // Folded first: in the C locale the keys are plain code points and would keep the case apart.
            collated.push_back(
                collator.sortKey(key.isNumber ? QString() : ListText::toQString(*key.text).toCaseFolded()));
        std::stable_sort(permutation.begin(), permutation.end(), [&](int a, int b) {
            const auto ia = static_cast<size_t>(a);
            const auto ib = static_cast<size_t>(b);
            const int c = compareKeys(keys[ia], keys[ib], collated, ia, ib);
            return ascending ? c < 0 : c > 0;
        });
    }
    permute(permutation, false);
    return permutation;
}

void PairTableModel::permute(const std::vector<int>& order, bool inverse)
{
    if (order.size() != m_rows.size())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> newPosition(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        newPosition[static_cast<size_t>(order[i])] = static_cast<int>(i);
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    // Built in its final order, so no row is first made empty and then overwritten.
    for (size_t i = 0; i < order.size(); ++i) {
        const size_t from = inverse ? static_cast<size_t>(newPosition[i]) : static_cast<size_t>(order[i]);
        sorted.push_back(std::move(m_rows[from]));
    }
    m_rows.swap(sorted);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        const int moved = inverse ? order[static_cast<size_t>(old.row())]
                                  : newPosition[static_cast<size_t>(old.row())];
        after.append(index(moved, old.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

bool PairTableModel::anyTotalNotZero() const
{
    return std::any_of(m_rows.begin(), m_rows.end(), [](const Row& row) { return row[Total] != "0"; });
}

std::string PairTableModel::Source::cellText(int row, int column) const
{
    if (row <= 0 || row > m_model.rows() || column < 0 || column >= ColumnCount)
        return row == 0 && column >= 0 && column < ColumnCount ? std::string(Headers[column]) : std::string();
    return m_model.cell(row - 1, column);
}

void PairTableModel::Source::readCell(int row, int column, std::string& out) const
{
    if (row <= 0 || row > m_model.rows() || column < 0 || column >= ColumnCount) {
        out = cellText(row, column);
        return;
    }
    out.assign(m_model.cell(row - 1, column));
}

} // namespace brainlark
