#pragma once

#include <QMenu>
#include <functional>

namespace brainlark
{

class AppSettings;

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
