#pragma once

#include <QDialog>

class QLineEdit;

namespace brainlark
{

class Prompter;

/// "Save Q&A-list": names a new list in the data folder under the naming rules, asking before an existing
/// list is overwritten. Closes with OK only when the name can be used.
class ListNameDialog : public QDialog
{
    Q_OBJECT
public:
    ListNameDialog(const QString& folder, const QString& name, Prompter& prompter, QWidget* parent = nullptr);
    /// folder/name.fly for the accepted name.
    QString listPath() const { return m_path; }
    QString name() const;
    QLineEdit* nameEdit() const { return m_name; }

    void accept() override;

private:
    QString m_folder;
    Prompter& m_prompter;
    QLineEdit* m_name = nullptr;
    QString m_path;
};

} // namespace brainlark
