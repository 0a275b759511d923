#include "quiz/ui/quizaccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <algorithm>
#include <array>
#include <vector>

#include "quiz/ui/listtext.h"
#include "quiz/ui/matchscreen.h"
#include "quiz/ui/quizview.h"

namespace brainlark
{

namespace
{

QString boxText(const TextBox& box)
{
    return ListText::toQString(box.text());
}

} // namespace

/// One painted part of the quiz screen. It holds no text of its own: name, place and state are read from
/// the view each time, so a screen reader always hears what is painted now.
class QuizPartAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    enum Part {
        Question,
        Answer0,
        Answer1,
        Answer2,
        Answer3,
        Button0,
        Button1,
        Typein,
        Score,
        Counter,
        Feedback,
        // The matching board: its two columns (lists), their boxes (items) and its buttons.
        MatchQuestions,
        MatchAnswers,
        MatchQuestion0,
        MatchAnswer0 = MatchQuestion0 + MatchBoard::MaximumRows,
        MatchTry = MatchAnswer0 + MatchBoard::MaximumRows,
        MatchSkip,
        PartCount
    };

    QuizPartAccessible(QuizView* view, Part part) : m_view(view), m_part(part) {}

    bool isValid() const override { return !m_view.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface && !key().isEmpty()
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }
    // Pressing a part presses its key on the view, so it goes exactly the way of the learner's keys.
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {key()}; }
    void doAction(const QString& name) override
    {
        if (name != pressAction() || !m_view || key().isEmpty())
            return;
        const int code = key() == QLatin1String("Enter") ? int(Qt::Key_Return) : key().at(0).unicode();
        const QString text = key().size() == 1 ? key().toLower() : QStringLiteral("\r");
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(m_view, &press);
        QCoreApplication::sendEvent(m_view, &release);
    }

    Part part() const { return m_part; }
    void setFeedback(const QString& text) { m_feedback = text; }
    /// The board box of a matching item part (invalid for the other parts).
    MatchBox matchBox() const;

private:
    const TextBox* box() const;
    class QuizViewAccessible* viewInterface() const;
    bool isColumn() const { return m_part == MatchQuestions || m_part == MatchAnswers; }
    /// The key that answers with this part ("1"-"4", "T", "F", "Enter"); empty for the others.
    QString key() const;
    QString matchText(QAccessible::Text t) const;

    QPointer<QuizView> m_view;
    Part m_part;
    QString m_feedback;
};

/// The quiz view with its painted parts as children.
class QuizViewAccessible : public QAccessibleWidget
{
public:
    explicit QuizViewAccessible(QuizView* view) : QAccessibleWidget(view, QAccessible::Client) {}
    ~QuizViewAccessible() override
    {
        // The cache may have dropped a part already (when it empties itself at exit): ask by id.
        for (const QAccessible::Id id : m_ids)
            if (id && QAccessible::accessibleInterface(id))
                QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        // The matching board names the view after its focused box. Otherwise the focus stays on the view
        // while questions come and go: it is named after the question and described by the answers with
        // their keys, so a reader speaks each new question; without one the reader hears what it is.
        if (!QAccessibleWidget::text(QAccessible::Name).isEmpty())
            return own;
        const std::vector<QuizPartAccessible::Part> parts = shownParts();
        const bool asking =
            std::find(parts.begin(), parts.end(), QuizPartAccessible::Question) != parts.end();
        if (t == QAccessible::Name)
            return asking ? part(QuizPartAccessible::Question)->text(QAccessible::Name)
                          : QCoreApplication::translate("QuizAccessible", "Quiz screen");
        if (t != QAccessible::Description || !asking)
            return own;
        QStringList answers;
        for (const QuizPartAccessible::Part p : parts) {
            if (p < QuizPartAccessible::Answer0 || p > QuizPartAccessible::Typein)
                continue;
            const QString name = part(p)->text(QAccessible::Name),
                          key = part(p)->text(QAccessible::Description);
            answers.append(key.isEmpty() ? name : key + QStringLiteral(": ") + name);
        }
        return answers.join(QStringLiteral(", "));
    }
    int childCount() const override { return int(shownParts().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const std::vector<QuizPartAccessible::Part> parts = shownParts();
        return index >= 0 && index < int(parts.size()) ? part(parts[size_t(index)]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<QuizPartAccessible::Part> parts = shownParts();
        for (size_t i = 0; i < parts.size(); ++i)
            if (m_parts[parts[i]] == child)
                return int(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        // Latest painted first: the Smart Counter lies on the question box.
        const std::vector<QuizPartAccessible::Part> parts = shownParts();
        for (auto p = parts.rbegin(); p != parts.rend(); ++p)
            if (*p != QuizPartAccessible::Score && *p != QuizPartAccessible::Feedback &&
                part(*p)->rect().contains(x, y))
                return part(*p);
        return QAccessibleWidget::childAt(x, y);
    }

    QuizPartAccessible* part(QuizPartAccessible::Part p) const
    {
        auto& slot = m_parts[p];
        if (!slot) {
            slot = new QuizPartAccessible(static_cast<QuizView*>(widget()), p);
            m_ids[p] = QAccessible::registerAccessibleInterface(slot);
        }
        return slot;
    }
    bool hasFeedback() const { return !m_feedback.isEmpty(); }
    void setFeedback(const QString& text)
    {
        m_feedback = text;
        part(QuizPartAccessible::Feedback)->setFeedback(text);
    }
    std::vector<QuizPartAccessible::Part> shownParts() const;
    /// The boxes of one column of the matching board, top to bottom.
    std::vector<QuizPartAccessible::Part> columnItems(QuizPartAccessible::Part column) const;
    bool boardShown() const;

private:
    static constexpr size_t PartCount = QuizPartAccessible::PartCount;
    // Registered parts belong to the accessibility cache; the destructor above hands them back.
    mutable std::array<QuizPartAccessible*, PartCount> m_parts{};
    mutable std::array<QAccessible::Id, PartCount> m_ids{};
    QString m_feedback;
};

// --- The view --------------------------------------------------------------------------------------

bool QuizViewAccessible::boardShown() const
{
    const auto* view = static_cast<const QuizView*>(widget());
    return view->matching() && !view->slideshowRunning() && view->matchScreen().hasBoard();
}

std::vector<QuizPartAccessible::Part> QuizViewAccessible::columnItems(QuizPartAccessible::Part column) const
{
    using P = QuizPartAccessible;
    std::vector<P::Part> items;
    if (!boardShown())
        return items;
    const int first = column == P::MatchQuestions ? P::MatchQuestion0 : P::MatchAnswer0;
    const int rows = std::min(static_cast<const QuizView*>(widget())->matchScreen().game().rows(),
                              int(MatchBoard::MaximumRows));
    for (int row = 0; row < rows; ++row)
        items.push_back(P::Part(first + row));
    return items;
}

std::vector<QuizPartAccessible::Part> QuizViewAccessible::shownParts() const
{
    using P = QuizPartAccessible;
    const auto* view = static_cast<const QuizView*>(widget());
    std::vector<P::Part> parts;
    if (boardShown())
        parts.insert(parts.end(), {P::MatchQuestions, P::MatchAnswers, P::MatchTry, P::MatchSkip});
    if (view->questionShown() && !view->matching() && !view->slideshowRunning()) {
        parts.push_back(P::Question);
        switch (view->screen().mode()) {
        case QuizMode::MultipleChoice:
            for (int i = 0; i < 4; ++i)
                if (!view->screen().answer(i).rect().isEmpty())
                    parts.push_back(P::Part(P::Answer0 + i));
            break;
        case QuizMode::TrueFalse:
            parts.insert(parts.end(), {P::Answer0, P::Button0, P::Button1});
            break;
        default:
            if (view->screen().typein())
                parts.push_back(P::Typein);
            parts.insert(parts.end(), {P::Button0, P::Button1});
            break;
        }
    }
    if (view->quizStarted() && !view->slideshowRunning()) {
        parts.push_back(P::Score);
        if (view->paintState().counterShown && !view->matching())
            parts.push_back(P::Counter);
    }
    if (!m_feedback.isEmpty())
        parts.push_back(P::Feedback);
    return parts;
}

// --- One part --------------------------------------------------------------------------------------

QuizViewAccessible* QuizPartAccessible::viewInterface() const
{
    return m_view ? static_cast<QuizViewAccessible*>(QAccessible::queryAccessibleInterface(m_view)) : nullptr;
}

MatchBox QuizPartAccessible::matchBox() const
{
    if (m_part >= MatchQuestion0 && m_part < MatchAnswer0)
        return {MatchBox::Questions, m_part - MatchQuestion0};
    if (m_part >= MatchAnswer0 && m_part < MatchTry)
        return {MatchBox::Answers, m_part - MatchAnswer0};
    return {};
}

QAccessibleInterface* QuizPartAccessible::parent() const
{
    QuizViewAccessible* view = viewInterface();
    const MatchBox b = matchBox();
    if (view && b.isValid())
        return view->part(b.column == MatchBox::Questions ? MatchQuestions : MatchAnswers);
    return view;
}

int QuizPartAccessible::childCount() const
{
    QuizViewAccessible* view = viewInterface();
    return view && isColumn() ? int(view->columnItems(m_part).size()) : 0;
}

QAccessibleInterface* QuizPartAccessible::child(int index) const
{
    QuizViewAccessible* view = viewInterface();
    if (!view || !isColumn())
        return nullptr;
    const std::vector<Part> items = view->columnItems(m_part);
    return index >= 0 && index < int(items.size()) ? view->part(items[size_t(index)]) : nullptr;
}

int QuizPartAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child)
            return i;
    return -1;
}

QAccessibleInterface* QuizPartAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (child(i)->rect().contains(x, y))
            return child(i);
    return nullptr;
}

const TextBox* QuizPartAccessible::box() const
{
    const QuizScreen& screen = m_view->screen();
    switch (m_part) {
    case Question:
        return &screen.question();
    case Answer0:
    case Answer1:
    case Answer2:
    case Answer3:
        return &screen.answer(m_part - Answer0);
    case Button0:
    case Button1:
        return &screen.button(m_part - Button0);
    case Typein:
        return screen.typein();
    default:
        return nullptr;
    }
}

QString QuizPartAccessible::key() const
{
    if (!m_view)
        return {};
    const QuizMode mode = m_view->screen().mode();
    if (m_part >= Answer0 && m_part <= Answer3 && mode == QuizMode::MultipleChoice)
        return QString::number(m_part - Answer0 + 1);
    if (m_part == Button0)
        return mode == QuizMode::TrueFalse ? QStringLiteral("T") : QStringLiteral("Enter");
    if (m_part == Button1 && mode == QuizMode::TrueFalse)
        return QStringLiteral("F");
    if (m_part == MatchTry)
        return QStringLiteral("T");
    if (m_part == MatchSkip)
        return QStringLiteral("S");
    return {};
}

QString QuizPartAccessible::text(QAccessible::Text t) const
{
    if (!m_view)
        return {};
    if (t == QAccessible::Description && !key().isEmpty())
        return QCoreApplication::translate("QuizAccessible", "Key %1").arg(key());
    if (matchBox().isValid())
        return matchText(t);
    if (t == QAccessible::Value && m_part == Typein)
        return ListText::toQString(m_view->screen().typein()->shownText());
    if (t != QAccessible::Name)
        return {};
    switch (m_part) {
    case Typein:
        return QCoreApplication::translate("QuizAccessible", "Your answer");
    case Score:
        return m_view->statusText();
    case Counter:
        return QString::number(m_view->paintState().rightCount);
    case Feedback:
        return m_feedback;
    case MatchQuestions:
        return QCoreApplication::translate("QuizAccessible", "Questions");
    case MatchAnswers:
        return QCoreApplication::translate("QuizAccessible", "Answers");
    case MatchTry:
        return QCoreApplication::translate("brainlark::QuizScreen", "Try"); // as the button shows it
    case MatchSkip:
        return QCoreApplication::translate("brainlark::QuizScreen", "Skip");
    default:
        return box() ? boxText(*box()) : QString();
    }
}

QString QuizPartAccessible::matchText(QAccessible::Text t) const
{
    const MatchScreen& match = m_view->matchScreen();
    const MatchBox b = matchBox();
    if (t == QAccessible::Name)
        return match.boxText(b);
    if (t != QAccessible::Description)
        return {};
    // The line drawn from this box, told as the box at its other end.
    const MatchBox partner = match.game().partnerOf(b);
    if (!partner.isValid())
        return QCoreApplication::translate("QuizAccessible", "Not connected");
    return (b.column == MatchBox::Questions
                ? QCoreApplication::translate("QuizAccessible", "Connected to answer %1: %2")
                : QCoreApplication::translate("QuizAccessible", "Connected to question %1: %2"))
        .arg(partner.row + 1)
        .arg(match.boxText(partner));
}

QRect QuizPartAccessible::rect() const
{
    if (!m_view)
        return {};
    Rect r;
    if (isColumn()) {
        QRect column;
        for (int i = 0; i < childCount(); ++i)
            column |= child(i)->rect();
        return column;
    }
    const MatchBox b = matchBox();
    if (b.isValid() || m_part == MatchTry || m_part == MatchSkip) {
        const MatchLayout board = m_view->matchScreen().layout();
        r = b.isValid() ? board.box(b) : m_part == MatchTry ? board.tryButton() : board.skipButton();
    } else if (m_part == Counter) {
        const QuizPainter::State state = m_view->paintState();
        r = m_view->screen().counter(state.rightCount, state.alertSide, m_view->look()).rect();
    } else if (m_part == Button0 || m_part == Button1) {
        const ScreenLayout& layout = m_view->screen().layout();
        r = m_part == Button0 ? layout.trueTryButton() : layout.falseSkipButton();
    } else if (const TextBox* b = box()) {
        r = b->rect();
    } else {
        return QRect(m_view->mapToGlobal(QPoint(0, 0)),
                     m_view->size()); // the score and feedback belong to the screen
    }
    return QRect(m_view->mapToGlobal(QPoint(r.left, r.top)), QSize(r.width(), r.height()));
}

QAccessible::Role QuizPartAccessible::role() const
{
    switch (m_part) {
    case Question:
        return QAccessible::StaticText;
    case Answer0:
        return m_view && m_view->screen().mode() == QuizMode::TrueFalse ? QAccessible::StaticText
                                                                        : QAccessible::Button;
    case Typein:
        return QAccessible::EditableText;
    case Score:
    case Counter:
        return QAccessible::StatusBar;
    case MatchQuestions:
    case MatchAnswers:
        return QAccessible::List;
    case Feedback:
        // Screen readers on the desktop bus say a notification when it becomes showing, whichever object
        // has the focus; a name change alone is said only for the focused object, and the view keeps the
        // focus while the parts change.
        return QAccessible::Notification;
    default:
        return matchBox().isValid() ? QAccessible::ListItem : QAccessible::Button;
    }
}

QAccessible::State QuizPartAccessible::state() const
{
    QAccessible::State s;
    s.invisible = !m_view || !m_view->isVisible();
    s.readOnly = m_part != Typein;
    s.editable = m_part == Typein;
    s.focused = m_part == Typein && m_view && m_view->hasFocus();
    const MatchBox b = matchBox();
    if (b.isValid() && m_view) {
        const MatchKeyboard& keys = m_view->matchScreen().keyboard();
        s.focusable = s.selectable = true;
        s.focused = m_view->hasFocus() && keys.isVisible() && keys.focus() == b;
        s.selected = keys.picked() == b;
    }
    return s;
}

// --- Entry points ----------------------------------------------------------------------------------

namespace
{

QAccessibleInterface* makeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(QuizView::staticMetaObject.className()))
        if (auto* view = qobject_cast<QuizView*>(object))
            return new QuizViewAccessible(view);
    return nullptr;
}

QuizViewAccessible* viewInterface(QuizView* view)
{
    return static_cast<QuizViewAccessible*>(QAccessible::queryAccessibleInterface(view));
}

} // namespace

void QuizAccessible::install()
{
    static const bool installed = (QAccessible::installFactory(makeInterface), true);
    Q_UNUSED(installed);
}

void QuizAccessible::questionChanged(QuizView* view)
{
    QuizViewAccessible* iface = viewInterface(view);
    if (!iface)
        return;
    QAccessibleEvent reorder(view, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
    // The view has the focus: a reader speaks its new name (the question) and description (the answers).
    QAccessibleEvent viewRenamed(view, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&viewRenamed);
    QAccessibleEvent viewDescribed(view, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&viewDescribed);
    for (const QuizPartAccessible::Part p : iface->shownParts()) {
        if (p == QuizPartAccessible::Score || p == QuizPartAccessible::Feedback)
            continue;
        QAccessibleEvent renamed(iface->part(p), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

void QuizAccessible::boardChanged(QuizView* view)
{
    QuizViewAccessible* iface = viewInterface(view);
    if (!iface)
        return;
    QAccessibleEvent reorder(view, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
    for (const QuizPartAccessible::Part column :
         {QuizPartAccessible::MatchQuestions, QuizPartAccessible::MatchAnswers})
        for (const QuizPartAccessible::Part p : iface->columnItems(column)) {
            QuizPartAccessible* item = iface->part(p);
            QAccessibleEvent renamed(item, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
            QAccessibleEvent described(item, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&described);
            if (item->state().focused) {
                QAccessibleEvent focus(item, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
        }
}

void QuizAccessible::announce(QuizView* view, const QString& feedback)
{
    QuizViewAccessible* iface = viewInterface(view);
    if (!iface)
        return;
    iface->setFeedback(feedback);
    QuizPartAccessible* part = iface->part(QuizPartAccessible::Feedback);
    // The new name first: a reader that keeps the names it has seen says the one it has when the
    // notification shows.
    QAccessibleEvent renamed(part, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(part, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void QuizAccessible::questionShown(QuizView* view)
{
    QuizViewAccessible* iface = viewInterface(view);
    if (!iface || !iface->hasFeedback())
        return; // the first question is said when the view gets the focus
    const QString question = iface->text(QAccessible::Name);
    const QString answers = iface->text(QAccessible::Description);
    announce(view, answers.isEmpty() ? question : question + QStringLiteral(". ") + answers);
}

QString QuizAccessible::feedbackText(bool right, const QString& rightAnswer)
{
    return right ? QCoreApplication::translate("QuizAccessible", "Right")
                 : QCoreApplication::translate("QuizAccessible", "Wrong, the answer is %1").arg(rightAnswer);
}

} // namespace brainlark
