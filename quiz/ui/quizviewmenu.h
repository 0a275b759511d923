#pragma once

#include <QMenu>
#include <functional>

namespace brainlark
{

class AppSettings;

/// Command ids of the quiz screen, shared with the frame's menus and toolbars.
struct QuizCommands {
    enum Command {
        CmdOptions = 32778,
        CmdStart = 32771,
        CmdFlip = 32772,
        CmdMute = 32829,
        CmdFunnySounds = 32832,
        CmdHelp = 32833,
        CmdAnimate = 32838,
        CmdSlideshow = 32847,
        CmdChangeLayout = 32840,
        CmdMultipleChoice = 32866,
        CmdTrueFalse = 32867,
        CmdTypeIn = 32868,
        CmdMatching = 32873,
        CmdSmartPick = 32876,
        CmdSequential = 32877,
        CmdRandomPick = 32879,
        CmdDueReview = 32902,
        CmdAnswersRandom = 32880,
        CmdAnswersPredefined = 32881,
        CmdAbout = 57664,
        CmdHelpTopics = 57667,
        CmdSchemeFirst = 1100,
    };
};

/// The quiz screen's context menu: "Sound Schemes" (the four schemes, the current one radio-marked) on
/// top, then the quiz view menu. Every item reports its command id.
class QuizViewMenu : public QMenu
{
    Q_OBJECT
public:
    QuizViewMenu(const AppSettings& settings, std::function<void(int)> run, QWidget* parent = nullptr);

    /// The item of a command id, or null.
    QAction* command(int id) const;
    /// Greys out every command item the test refuses (the sound schemes are the menu's own and stay).
    void disableUnavailable(const std::function<bool(int)>& available);

private:
    QAction* add(QMenu* menu, const QString& text, int id, bool checkable = false, bool checked = false);
    void addSchemes(const AppSettings& settings);
    void addSelections(const AppSettings& settings);

    std::function<void(int)> m_run;
};

} // namespace brainlark
