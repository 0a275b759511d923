#pragma once

class QLineEdit;
class QString;

namespace brainlark::TextFields
{

/// Lets a line edit hold a text of any length. Qt's default limit cuts at 32,767 characters without a
/// word, so a long question opened in a dialog and confirmed unchanged would come back shorter.
void acceptAnyLength(QLineEdit* edit);
/// A new line edit that takes texts of any length, holding text.
QLineEdit* lineEdit(const QString& text);

} // namespace brainlark::TextFields
