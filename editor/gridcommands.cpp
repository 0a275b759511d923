#include "editor/gridcommands.h"

namespace brainlark
{

RowsCommand::RowsCommand(const QString& text, PairTableModel& model, int at,
                         std::vector<PairTableModel::Row> before, std::vector<PairTableModel::Row> after,
                         WrongAnswerStore store, std::optional<WrongAnswers> wrongBefore,
                         std::optional<WrongAnswers> wrongAfter)
    : QUndoCommand(text), m_model(model), m_at(at), m_before(std::move(before)), m_after(std::move(after)),
      m_store(std::move(store)), m_wrongBefore(std::move(wrongBefore)), m_wrongAfter(std::move(wrongAfter))
{
}

void RowsCommand::apply(const std::vector<PairTableModel::Row>& remove,
                        const std::vector<PairTableModel::Row>& insert, const std::optional<WrongAnswers>& wrong)
{
    // A one-row edit stays one changed row, so the view keeps its place and selection.
    if (remove.size() == 1 && insert.size() == 1)
        m_model.replaceRow(m_at, insert.front());
    else {
        m_model.takeRows(m_at, static_cast<int>(remove.size()));
        m_model.insertRowsAt(m_at, insert);
    }
    if (wrong && m_store)
        m_store() = *wrong;
}

void RowsCommand::redo()
{
    apply(m_before, m_after, m_wrongAfter);
}

void RowsCommand::undo()
{
    apply(m_after, m_before, m_wrongBefore);
}

ColumnsCommand::ColumnsCommand(const QString& text, PairTableModel& model, std::vector<int> columns,
                               std::string value)
    : QUndoCommand(text), m_model(model), m_columns(std::move(columns)), m_value(std::move(value))
{
}

void ColumnsCommand::redo()
{
    m_old.clear();
    for (int column : m_columns)
        m_old.push_back(m_model.setColumnTexts(column, m_value));
}

void ColumnsCommand::undo()
{
    for (size_t i = 0; i < m_columns.size() && i < m_old.size(); ++i)
        m_model.restoreColumnTexts(m_columns[i], std::move(m_old[i]));
    m_old.clear();
}

SortCommand::SortCommand(const QString& text, PairTableModel& model, int column, Qt::SortOrder order)
    : QUndoCommand(text), m_model(model), m_column(column), m_order(order)
{
}

void SortCommand::redo()
{
    if (m_sorted)
        m_model.permute(m_permutation, false);
    else
        m_permutation = m_model.sortByColumn(m_column, m_order);
    m_sorted = true;
}

void SortCommand::undo()
{
    m_model.permute(m_permutation, true);
}

WrongAnswersCommand::WrongAnswersCommand(const QString& text, RowsCommand::WrongAnswerStore store,
                                         RowsCommand::WrongAnswers before, RowsCommand::WrongAnswers after)
    : QUndoCommand(text), m_store(std::move(store)), m_before(std::move(before)), m_after(std::move(after))
{
}

void WrongAnswersCommand::redo()
{
    m_store() = m_after;
}

void WrongAnswersCommand::undo()
{
    m_store() = m_before;
}

} // namespace brainlark
