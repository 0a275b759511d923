#include "options/optionspage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

#include <algorithm>

namespace brainlark
{

namespace
{

/// The controls that take Tab in a layout and the layouts of the widgets in it, in the order the eye reads
/// them: a grid by rows and columns, any other layout in its own order.
void collectInLayoutOrder(QLayout* layout, QWidgetList& out)
{
    std::vector<int> order(size_t(layout->count()));
    for (int i = 0; i < layout->count(); ++i)
        order[size_t(i)] = i;
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        const auto cell = [grid](int index) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            return std::make_pair(row, column);
        };
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return cell(a) < cell(b); });
    }
    for (const int index : order) {
        QLayoutItem* item = layout->itemAt(index);
        if (QLayout* inner = item->layout()) {
            collectInLayoutOrder(inner, out);
        } else if (QWidget* widget = item->widget()) {
            if (widget->focusPolicy() & Qt::TabFocus)
                out.append(widget); // before its children: a checkable group's box comes first
            if (widget->layout())
                collectInLayoutOrder(widget->layout(), out);
        }
    }
}

} // namespace

void OptionsPage::orderTabsByLayout()
{
    if (!layout())
        return;
    QWidgetList chain;
    collectInLayoutOrder(layout(), chain);
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

QCheckBox* OptionsPage::checkBox(const QString& text, const char* name, bool checked)
{
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

QRadioButton* OptionsPage::radio(const QString& text, const char* name, QButtonGroup* group, int id)
{
    auto* button = new QRadioButton(text, this);
    button->setObjectName(QLatin1String(name));
    group->addButton(button, id);
    return button;
}

QGroupBox* OptionsPage::groupBox(const QString& title)
{
    auto* box = new QGroupBox(title, this);
    constexpr int kTitleMargins = 40;
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(title) + kTitleMargins);
    return box;
}

} // namespace brainlark
