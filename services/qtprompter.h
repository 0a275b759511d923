#pragma once

#include "services/prompter.h"

#include <functional>

class QWidget;

namespace brainlark
{

class ShellOpener;

/// The widget implementation of the prompter: QMessageBox, the guide dialog, QFileDialog, QColorDialog,
/// our own font chooser and the "Enter Password" box, all modal over the main window.
class QtPrompter : public Prompter
{
public:
    /// Help buttons of guide dialogs open pages through shell.
    explicit QtPrompter(ShellOpener& shell);

    /// The window the dialogs are centred on (the main window once it exists).
    void setParentWindow(QWidget* parent) { m_parent = parent; }
    /// Guide help opens help/index.html#context-N inside this program folder.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    /// The address the Help button of a guide dialog opens.
    QString helpUrl(int helpContext) const;
    /// Shows the help at a help context inside the program; without one, Help opens helpUrl in the browser.
    void setHelpOpener(std::function<void(int)> opener) { m_openHelp = std::move(opener); }

    int message(const QString& text, Icon icon, Buttons buttons = Buttons::Ok) override;
    GuideAnswer guide(GuideKind kind, const QString& text, int helpContext) override;
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& startPath, const QString& filter,
                         const QString& defaultSuffix) override;
    std::optional<QColor> chooseColor(const QColor& initial, const QString& title) override;
    std::optional<QFont> chooseFont(const QFont& initial, const QString& title, unsigned filters) override;
    std::optional<QString> askPassword() override;

    /// Accepts filters in the classic "Text (*.txt)|*.txt|All Files (*.*)|*.*||" form as well as Qt's
    /// "Text (*.txt);;All Files (*)" and returns Qt's form.
    static QString qtFilter(const QString& filter);

private:
    ShellOpener& m_shell;
    QWidget* m_parent = nullptr;
    QString m_programFolder;
    std::function<void(int)> m_openHelp;
};

} // namespace brainlark
