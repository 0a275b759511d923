#pragma once

#include <QDialog>

class QLineEdit;

namespace brainlark
{

/// "Edit Password": the list's password in one field (empty: no password).
class EditPasswordDialog : public QDialog
{
    Q_OBJECT
public:
    explicit EditPasswordDialog(const QString& password, QWidget* parent = nullptr);
    QString password() const;
    QLineEdit* field() const { return m_field; }

private:
    QLineEdit* m_field = nullptr;
};

} // namespace brainlark
