#include "options/optionssheet.h"

#include "options/advancedpage.h"
#include "options/generalpage.h"
#include "options/layoutpage.h"
#include "options/matchingpage.h"
#include "options/typeinpage.h"
#include "options/visualpage.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace brainlark
{

OptionsSheet::OptionsSheet(Pages pages, const OptionsContext& context, OptionsApplier::Hooks hooks,
                           QWidget* parent)
    : QDialog(parent), m_context(context), m_hooks(std::move(hooks)),
      m_initial(OptionsValues::fromSettings(context.settings))
{
    setWindowTitle(tr("Options"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("optionPages");
    m_tabs->setUsesScrollButtons(false); // all six tabs in sight
    if (pages == Pages::All) {
        addPage(new GeneralPage(m_initial, m_context), tr("General"));
        addPage(new VisualPage(m_initial, m_context), tr("Visual"));
        addPage(new LayoutPage(m_initial, m_context), tr("Layout"));
        addPage(new TypeinPage(m_initial), tr("Type-in Mode"));
        addPage(new MatchingPage(m_initial, m_context), tr("Matching Mode"));
        addPage(new AdvancedPage(m_initial), tr("Advanced"));
    } else {
        addPage(new LayoutPage(m_initial, m_context), tr("Layout"));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OptionsSheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

void OptionsSheet::addPage(OptionsPage* page, const QString& title)
{
    m_pages.append(page);
    m_tabs->addTab(page, title);
    page->orderTabsByLayout(); // in the sheet's own chain
}

void OptionsSheet::accept()
{
    // Pages that the sheet does not show give back the values they were opened with.
    OptionsValues values = m_initial;
    for (const OptionsPage* page : m_pages)
        page->store(values);
    m_outcome = OptionsApplier(m_context.settings, m_hooks).apply(values);
    QDialog::accept();
}

} // namespace brainlark
