#include "services/textfields.h"

#include <QLineEdit>
#include <limits>

namespace brainlark::TextFields
{

void acceptAnyLength(QLineEdit* edit)
{
    if (edit)
        edit->setMaxLength(std::numeric_limits<int>::max());
}

QLineEdit* lineEdit(const QString& text)
{
    auto* edit = new QLineEdit;
    acceptAnyLength(edit);
    edit->setText(text);
    return edit;
}

} // namespace brainlark::TextFields
