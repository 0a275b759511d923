#pragma once

#include <QDialog>

class QComboBox;

namespace brainlark
{

/// "Change Subject": a list's name and current subject, and the subject to file it under instead.
class ChangeSubjectDialog : public QDialog
{
    Q_OBJECT
public:
    ChangeSubjectDialog(const QString& name, const QString& currentSubject, const QStringList& subjects,
                        QWidget* parent = nullptr);
    QString chosenSubject() const;
    QComboBox* subjectCombo() const { return m_subject; }

private:
    QComboBox* m_subject = nullptr;
};

} // namespace brainlark
