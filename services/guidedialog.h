#pragma once

#include "services/prompter.h"

#include <QDialog>

class QCheckBox;
class QHBoxLayout;
class QPlainTextEdit;

namespace brainlark
{

/// The "Brainlark Tips" dialog of a guide message: a read-only text, the check box "&Don't show this
/// message again" and the buttons of its kind. Closes with Prompter::Ok, Yes or No; Escape and the
/// close box give Prompter::Cancel. "&Help" emits helpRequested() and leaves the dialog open.
class GuideDialog : public QDialog
{
    Q_OBJECT
public:
    GuideDialog(Prompter::GuideKind kind, const QString& text, QWidget* parent = nullptr);

    bool dontShowAgain() const;
    /// Ok/Yes/No, or Cancel when the dialog was dismissed.
    Prompter::GuideAnswer answer() const;

signals:
    void helpRequested();

private:
    void addButton(const QString& label, int result, bool isDefault);

    QPlainTextEdit* m_text = nullptr;
    QCheckBox* m_dontShow = nullptr;
    QHBoxLayout* m_buttons = nullptr;
};

} // namespace brainlark
