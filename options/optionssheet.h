#pragma once

#include "options/optionsapplier.h"
#include "options/optionspage.h"

#include <QDialog>
#include <QList>

class QTabWidget;

namespace brainlark
{

/// The "Options" sheet: six pages (or the Layout page alone for "Change Layout") with OK and Cancel, no
/// Apply. Nothing is written until OK, except the tips' Show All / Hide All, which act at once.
class OptionsSheet : public QDialog
{
    Q_OBJECT
public:
    enum class Pages { All, LayoutOnly };

    OptionsSheet(Pages pages, const OptionsContext& context, OptionsApplier::Hooks hooks,
                 QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    /// The page of that type, or null when the sheet does not have it.
    template <class Page> Page* page() const
    {
        for (OptionsPage* p : m_pages) {
            if (auto* found = qobject_cast<Page*>(p))
                return found;
        }
        return nullptr;
    }
    /// What OK asked of the quiz screen (all false until then).
    const OptionsApplier::Outcome& outcome() const { return m_outcome; }

    /// OK: every page's values go into the settings.
    void accept() override;

private:
    void addPage(OptionsPage* page, const QString& title);

    OptionsContext m_context;
    OptionsApplier::Hooks m_hooks;
    OptionsValues m_initial;
    QTabWidget* m_tabs = nullptr;
    QList<OptionsPage*> m_pages;
    OptionsApplier::Outcome m_outcome;
};

} // namespace brainlark
