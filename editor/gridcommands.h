#pragma once

#include <QUndoCommand>
#include <functional>
#include <optional>
#include <vector>

#include "core/pair.h"
#include "editor/pairtablemodel.h"

namespace brainlark
{

/// An undoable change of the editor's rows: the rows [at, at + before.size()) become `after`; optionally
/// the working list's wrong answers change with them (renamed or removed with their pair).
class RowsCommand : public QUndoCommand
{
public:
    using WrongAnswers = std::vector<Pair>;
    /// Where the working list's wrong answers are read and replaced.
    using WrongAnswerStore = std::function<WrongAnswers&()>;

    RowsCommand(const QString& text, PairTableModel& model, int at, std::vector<PairTableModel::Row> before,
                std::vector<PairTableModel::Row> after, WrongAnswerStore store = {},
                std::optional<WrongAnswers> wrongBefore = {}, std::optional<WrongAnswers> wrongAfter = {});
    void redo() override;
    void undo() override;

    /// The row the change is about, for the view to select after it.
    int firstRow() const { return m_at; }

private:
    void apply(const std::vector<PairTableModel::Row>& remove, const std::vector<PairTableModel::Row>& insert,
               const std::optional<WrongAnswers>& wrong);

    PairTableModel& m_model;
    int m_at;
    std::vector<PairTableModel::Row> m_before;
    std::vector<PairTableModel::Row> m_after;
    WrongAnswerStore m_store;
    std::optional<WrongAnswers> m_wrongBefore;
    std::optional<WrongAnswers> m_wrongAfter;
};

/// Writes one text into some columns of every row (Reset ratings), keeping the old texts for undo.
class ColumnsCommand : public QUndoCommand
{
public:
    ColumnsCommand(const QString& text, PairTableModel& model, std::vector<int> columns, std::string value);
    void redo() override;
    void undo() override;

private:
    PairTableModel& m_model;
    std::vector<int> m_columns;
    std::string m_value;
    std::vector<std::vector<std::string>> m_old;
};

/// Sorts the rows by a column; undo puts them back in their former order.
class SortCommand : public QUndoCommand
{
public:
    SortCommand(const QString& text, PairTableModel& model, int column, Qt::SortOrder order);
    void redo() override;
    void undo() override;

private:
    PairTableModel& m_model;
    int m_column;
    Qt::SortOrder m_order;
    std::vector<int> m_permutation;
    bool m_sorted = false;
};

/// A change of the working list's wrong answers made by their dialog (already applied when pushed).
class WrongAnswersCommand : public QUndoCommand
{
public:
    WrongAnswersCommand(const QString& text, RowsCommand::WrongAnswerStore store, RowsCommand::WrongAnswers before,
                        RowsCommand::WrongAnswers after);
    void redo() override;
    void undo() override;

private:
    RowsCommand::WrongAnswerStore m_store;
    RowsCommand::WrongAnswers m_before;
    RowsCommand::WrongAnswers m_after;
};

} // namespace brainlark
