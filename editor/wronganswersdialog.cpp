#include "editor/wronganswersdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/pairlist.h"
#include "editor/wronganswerdialog.h"
#include "quiz/ui/listtext.h"
#include "services/prompter.h"
#include "services/textfields.h"

namespace brainlark
{

namespace
{

QString trimmedBlanks(const QString& text)
{
    return text.trimmed();
}

QPushButton* dialogButton(const QString& text, const QString& name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

WrongAnswersDialog::WrongAnswersDialog(const std::string& question, const std::string& answer, PairList& list,
                                       const EditorContext& context, QWidget* parent)
    : QDialog(parent), m_question(question), m_list(list), m_context(context)
{
    setWindowTitle(tr("Predefined Wrong Answers"));
    auto* form = new QFormLayout;
    for (const auto& [label, text] :
         {std::pair{tr("Question:"), question}, std::pair{tr("Answer:"), answer}}) {
        auto* edit = TextFields::lineEdit(ListText::toQString(text));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        form->addRow(label, edit);
    }
    m_table = new QTableWidget(0, 2);
    m_table->setAccessibleName(tr("Wrong answers"));
    m_table->setHorizontalHeaderLabels({tr("Index"), tr("Wrong Answer")});
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->horizontalHeader()->setMinimumSectionSize(16);
    m_table->verticalHeader()->hide();
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false); // read only: Tab goes on to the next control
    m_table->setSortingEnabled(true);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this] { editAnswer(); });

    QPushButton* add = dialogButton(tr("Add"), "add");
    m_edit = dialogButton(tr("Edit"), "edit");
    m_delete = dialogButton(tr("Delete"), "delete");
    QPushButton* done = dialogButton(tr("Done"), "done");
    connect(add, &QPushButton::clicked, this, &WrongAnswersDialog::addAnswer);
    connect(m_edit, &QPushButton::clicked, this, &WrongAnswersDialog::editAnswer);
    connect(m_delete, &QPushButton::clicked, this, &WrongAnswersDialog::deleteAnswer);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, m_edit, m_delete})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(done);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    resize(460, 360);
    // Index order until the learner clicks a header (the header's own default would be newest first).
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    refill();
}

QPushButton* WrongAnswersDialog::button(const QString& objectName) const
{
    return findChild<QPushButton*>(objectName);
}

void WrongAnswersDialog::refill()
{
    m_entries.clear();
    m_list.collectWrongAnswers(m_question, m_entries);
    m_table->setSortingEnabled(false);
    // An empty grid still shows one blank row, as a table with a header and no data would.
    m_table->setRowCount(std::max<int>(static_cast<int>(m_entries.size()), 1));
    m_table->clearContents();
    for (int i = 0; i < static_cast<int>(m_entries.size()); ++i) {
        auto* index = new QTableWidgetItem;
        index->setData(Qt::DisplayRole, i + 1);
        index->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_table->setItem(i, 0, index);
        m_table->setItem(i, 1,
                         new QTableWidgetItem(ListText::toQString(m_entries[size_t(i)]->shownAnswer())));
    }
    m_table->setSortingEnabled(true);
    if (!m_entries.empty())
        m_table->selectRow(0);
    m_edit->setEnabled(!m_entries.empty());
    m_delete->setEnabled(!m_entries.empty());
}

void WrongAnswersDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const int width = m_table->viewport()->width();
    m_table->setColumnWidth(0, width * 3 / 28);
    m_table->setColumnWidth(1, width - width * 3 / 28);
}

Pair* WrongAnswersDialog::currentEntry() const
{
    const int row = m_table->currentRow();
    const QTableWidgetItem* item = row >= 0 ? m_table->item(row, 0) : nullptr;
    if (!item)
        return nullptr;
    const int index = item->data(Qt::DisplayRole).toInt();
    return index >= 1 && index <= static_cast<int>(m_entries.size()) ? m_entries[size_t(index - 1)] : nullptr;
}

void WrongAnswersDialog::addAnswer()
{
    WrongAnswerDialog dialog(ListText::toQString(m_question), {}, m_context, this);
    if (m_context.run(dialog) != QDialog::Accepted)
        return;
    const WrongAnswerDialog::Fields fields = dialog.fields();
    const QString answer = trimmedBlanks(fields.answer);
    if (answer.isEmpty())
        return;
    Pair wrong(m_question, ListText::fromQString(answer));
    wrong.setKind(Pair::WrongAnswer);
    wrong.setHint(ListText::fromQString(fields.notes));
    wrong.setSoundPath(ListText::fromQString(fields.sound), 2);
    wrong.recalculateTotal();
    m_list.wrongAnswers().push_back(std::move(wrong));
    m_changed = true;
    refill();
}

void WrongAnswersDialog::editAnswer()
{
    Pair* entry = currentEntry();
    if (!entry)
        return;
    WrongAnswerDialog dialog(ListText::toQString(entry->question()),
                             {ListText::toQString(entry->answer()),
                              ListText::toQString(entry->soundPathTwo()), ListText::toQString(entry->hint())},
                             m_context, this);
    if (m_context.run(dialog) != QDialog::Accepted)
        return;
    const WrongAnswerDialog::Fields fields = dialog.fields();
    if (trimmedBlanks(fields.answer).isEmpty())
        return;
    // Edit keeps the text exactly as typed, blanks included.
    entry->setAnswer(ListText::fromQString(fields.answer));
    entry->setHint(ListText::fromQString(fields.notes));
    entry->setSoundPath(ListText::fromQString(fields.sound), 2);
    m_changed = true;
    refill();
}

void WrongAnswersDialog::deleteAnswer()
{
    Pair* entry = currentEntry();
    if (!entry)
        return;
    const QString question =
        tr("Are you sure you want to delete this answer:\n\n%1").arg(ListText::toQString(entry->answer()));
    if (m_context.prompter->message(question, Prompter::Icon::Question, Prompter::Buttons::YesNo) !=
        Prompter::Yes)
        return;
    entry->setKind(Pair::MarkedForDeletion);
    m_changed = true;
    refill();
}

QStringList WrongAnswersDialog::shownAnswers() const
{
    // In the order of the rows on screen.
    QStringList answers;
    for (int row = 0; row < int(m_entries.size()); ++row) {
        if (const QTableWidgetItem* item = m_table->item(row, 1))
            answers.append(item->text());
    }
    return answers;
}

void WrongAnswersDialog::reject()
{
    addAnswer();
}

} // namespace brainlark
