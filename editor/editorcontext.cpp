#include "editor/editorcontext.h"

#include <QDialog>

#include "services/guidemessages.h"

namespace brainlark
{

int EditorContext::run(QDialog& dialog) const
{
    return runDialog ? runDialog(dialog) : dialog.exec();
}

int EditorContext::guide(uint32_t bit) const
{
    if (!settings || !prompter)
        return GuideMessages::NotShown;
    return GuideMessages(*settings, *prompter).show(bit);
}

} // namespace brainlark
