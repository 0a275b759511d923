#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace brainlark
{

/// "Student Data": the student's name and the choice to reset the open list's ratings.
class StudentDataDialog : public QDialog
{
    Q_OBJECT
public:
    explicit StudentDataDialog(const QString& studentName, QWidget* parent = nullptr);

    QString studentName() const;
    bool resetRatings() const;
    QLineEdit* nameEdit() const { return m_name; }
    QCheckBox* resetBox() const { return m_reset; }

private:
    QLineEdit* m_name = nullptr;
    QCheckBox* m_reset = nullptr;
};

} // namespace brainlark
