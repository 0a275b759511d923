#pragma once

#include <QAbstractTableModel>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/rowsource.h"

namespace brainlark
{

class Pair;
class PairList;

/// The editor's table: one row of eleven text cells per pair, kept as the list's own texts (UTF-8)
/// and converted only for the cells on screen. The cells are the working copy of the list while it is
/// edited; rows() hands them to PairList::rebuildFromRows.
class PairTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        Question = 0,
        Answer,
        Rating,
        Right,
        Wrong,
        Total,
        Index,
        SoundOne,
        SoundTwo,
        Hint,
        Picture,
        ColumnCount
    };
    using Row = std::array<std::string, ColumnCount>;
    /// Asked instead of writing a cell directly when the table is edited in place (so edits can be undone).
    using EditHook = std::function<bool(int row, const Row& edited)>;

    explicit PairTableModel(QObject* parent = nullptr);

    /// The header texts, as "<Question|<Answer|>Rating |>Right |>Wrong |>Total|index|..." lays them out.
    static QString headerText(int column);
    static Qt::Alignment alignment(int column);
    /// The cells of one pair: shown texts, formatted statistics, the 1-based index and the media and notes.
    static Row rowFromPair(const Pair& pair, int index);
    /// A row as the pair dialogs and the import fill it: texts and media, index, empty statistics.
    static Row textRow(std::string question, std::string answer, int index);

    /// One row per pair of list (null: no rows).
    void fill(const PairList* list);
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    /// Question and Answer cells accept typing in place (Edit and New mode).
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }
    void setEditHook(EditHook hook) { m_editHook = std::move(hook); }

    int rows() const { return static_cast<int>(m_rows.size()); }
    const Row& row(int r) const { return m_rows[static_cast<size_t>(r)]; }
    const std::string& cell(int r, int column) const { return m_rows[static_cast<size_t>(r)][column]; }

    void insertRowsAt(int at, std::vector<Row> rows);
    std::vector<Row> takeRows(int at, int count);
    /// Replaces a row and returns what it held.
    Row replaceRow(int r, Row row);
    /// Sets column to text in every row; returns the old texts.
    std::vector<std::string> setColumnTexts(int column, const std::string& text);
    void restoreColumnTexts(int column, std::vector<std::string> texts);

    /// Sorts whole rows by one column: cells that read as numbers compare as numbers (before texts),
    /// texts ignore letter case; equal keys keep their order. Returns the permutation applied (new row i
    /// held old row order[i]).
    std::vector<int> sortByColumn(int column, Qt::SortOrder order);
    /// Puts rows in the order given (as sortByColumn returns it) or back (inverse).
    void permute(const std::vector<int>& order, bool inverse);

    /// True when some row's Total cell is not "0" (ratings can be reset).
    bool anyTotalNotZero() const;

    /// The grid as list rebuilding reads it: row 0 is the header.
    const RowSource& rowSource() const { return m_source; }

private:
    class Source : public RowSource
    {
    public:
        explicit Source(const PairTableModel& model) : m_model(model) {}
        int rowCount() const override { return m_model.rows() + 1; }
        std::string cellText(int row, int column) const override;
        void readCell(int row, int column, std::string& out) const override;

    private:
        const PairTableModel& m_model;
    };

    std::vector<Row> m_rows;
    bool m_editable = false;
    EditHook m_editHook;
    Source m_source{*this};
};

/// Formats like "%.2f" without the C library's locale.
std::string formatFixed2(double value);

} // namespace brainlark
