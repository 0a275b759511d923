#include "options/answerselection.h"

#include "core/pairlist.h"
#include "services/guidemessages.h"
#include "settings/appsettings.h"

namespace brainlark
{

bool AnswerSelection::check(AppSettings& settings, bool predefined, PairList* list, GuideMessages* guides)
{
    using Mode = AppSettings::AnswerMode;
    if (!predefined || !list) {
        settings.setAnswerMode(predefined ? Mode::Predefined : Mode::Random);
        return true;
    }
    if (!list->wrongAnswers().empty()) {
        settings.setAnswerMode(Mode::Predefined);
        list->unreverse(); // predefined wrong answers belong to the questions as entered
        return true;
    }
    if (guides)
        guides->show(GuideMessages::NoPredefinedAnswers);
    settings.setAnswerMode(Mode::Random);
    return true;
}

} // namespace brainlark
