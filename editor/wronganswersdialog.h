#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "editor/editorcontext.h"

class QPushButton;
class QTableWidget;

namespace brainlark
{

class Pair;
class PairList;

/// "Predefined Wrong Answers": the wrong answers of one question, added, edited and deleted in place in a
/// list's wrong answers. Deleted ones are only marked (kind -1); the caller removes them after Done.
class WrongAnswersDialog : public QDialog
{
    Q_OBJECT
public:
    WrongAnswersDialog(const std::string& question, const std::string& answer, PairList& list,
                       const EditorContext& context, QWidget* parent = nullptr);

    /// Whether Add, Edit or Delete changed the list.
    bool changed() const { return m_changed; }
    QTableWidget* table() const { return m_table; }
    QPushButton* button(const QString& objectName) const;

    void addAnswer();
    void editAnswer();
    void deleteAnswer();
    /// The wrong answers shown, in the order of the list.
    QStringList shownAnswers() const;

    /// Escape and the close box add an answer, as the Add button carries the cancel role; only Done leaves.
    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refill();
    Pair* currentEntry() const;

    std::string m_question;
    PairList& m_list;
    EditorContext m_context;
    std::vector<Pair*> m_entries;
    bool m_changed = false;
    QTableWidget* m_table = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
};

} // namespace brainlark
