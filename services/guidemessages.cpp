#include "services/guidemessages.h"

#include "settings/appsettings.h"

#include <iterator>

#include <QCoreApplication>

namespace brainlark
{

namespace
{

using Kind = Prompter::GuideKind;

// bit, text, dialog, help context
const GuideMessages::Entry kEntries[] = {
    {0x2, 120, Kind::OkHelp, 32},        // starting the slideshow
    {0x4, 112, Kind::OkHelp, 9},         // New list
    {0x8, 114, Kind::OkHelp, 98327},     // Q&A-list Viewer
    {0x10, 111, Kind::OkHelp, 98348},    // Q&A-list Editor
    {0x20, 119, Kind::YesNoHelp, 27},    // Print Flashcards
    {0x40, 118, Kind::OkOnly, 2},        // Flip
    {0x80, 115, Kind::OkOnly, 2},        // View notes
    {0x100, 117, Kind::OkOnly, 2},       // Export to HTML
    {0x200, 121, Kind::OkOnly, 2},       // grid Save
    {0x400, 113, Kind::OkOnly, 2},       // grid Add
    {0x800, 116, Kind::OkOnly, 2},       // grid Notes and subject
    {0x1000, 122, Kind::OkHelp, 10},     // grid Insert
    {0x2000, 123, Kind::OkHelp, 131251}, // Smart Counter settings
    {0x4000, 125, Kind::OkHelp, 30},     // Export to Palm
    {0x8000, 61448, Kind::OkHelp, 31},   // Share Q&A-lists
    {0x10000, 126, Kind::OkOnly, 2},     // each font button
    {0x20000, 127, Kind::OkOnly, 2},     // every vendor web page
    {0x40000, 129, Kind::OkHelp, 33},    // question notes on the quiz screen
    {0x80000, 130, Kind::OkHelp, 34},    // answer-selection check
    {0x100000, 131, Kind::OkOnly, 2},    // a question or answer longer than 75 characters
    {0x200000, 133, Kind::OkHelp, 35},   // Create Printable Test
};

struct Text {
    int id;
    const char* text;
};

// clang-format off
const Text kTexts[] = {
    {111, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Brainlark will now switch to Q&A-list Editor. \r\n\r\nUsing the Editor you can:\r\n\r\n- Edit any Q&A-pair\r\n- Manage predefined wrong answers\r\n- Delete any Q&A-pair\r\n- Add a new Q&A-pair\r\n- Insert any number of Q&A-pairs from a text file\r\n- Reset Q&A-pair ratings")},
    {112, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Brainlark will now switch to New Q&A-list Editor.\r\n\r\nPlease enter the information you need to learn as Question-Answer pairs.  Brainlark will then automatically create multiple-choice questions.\r\n\r\nUsing this screen you can also:\r\n- Edit or delete Q&A-pairs\r\n- Manage predefined wrong answers\r\n- Insert any number of Q&A-pairs from a text file\r\n- Save a new Q&A-list under a desired name")},
    {113, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Please enter a question and the answer (for example, a foreign word and its translation).  Then press ‘OK’. \r\n\r\nContinue entering the Q&A-pairs.\r\n\r\nWhen finished, press ‘Cancel’")},
    {114, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Brainlark will now switch to Q&A-list Viewer.\r\n\r\nUsing the Viewer you can:\r\n\r\n- View the complete Q&A-list\r\n- Sort the Q&A-list by Question, Answer, Rating, Number of right answers, etc.")},
    {115, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Q&A-list notes allow you to add comments to the Q&A-list. \r\n \r\nFor example, you can write the purpose of your list, how it was compiled, when it should be updated, etc.\r\n\r\nIf you want to change the notes for this Q&A-list, please switch to the Editor view and click on the ‘note’ icon.")},
    {116, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Q&A-list notes allow you to add comments to the Q&A-list.  \r\n\r\nFor example, you can write the purpose of your list, how it was compiled, when it should be updated, etc.\r\n\r\nYou can also assign a subject to this Q&A-list.")},
    {117, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Brainlark will now show the current Q&A-list in your default Internet browser.  \r\n\r\nYou can use it to save the list as an HTML document, print it, send it to a friend, etc.")},
    {118, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Brainlark will now reverse questions and answers. \r\n\r\nUse this feature for even better memorization.\r\n\r\nYou can also use the Smart Counter to reverse questions and answers automatically.")},
    {119, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Brainlark will now print a set of flashcards for this Q&A-list.  \r\n\r\nThe flashcards will be printed on %d pages. \r\n\r\n> > > Would you like to continue?")},
    {120, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "The slideshow will start now.\r\n\r\nSit back, relax and start absorbing the information you need to learn. \r\n\r\nTo stop at any time during the slideshow, simply click again on the same button.")},
    {121, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Once a Q&A-list has been created or edited, it should be saved.\r\n\r\nIf you have just created a new Q&A-list, Brainlark will ask you to give a name to the new list. \r\n\r\nPlease note that Q&A-list name should not contain any special characters (such as '?', '*', etc.).")},
    {122, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "This feature allows you to insert Q&A-pairs from a text file. \r\n\r\nUse it if you already have a list of questions and answers in a text file format, or you just prefer to enter all the data using a text editor (such as Notepad).")},
    {123, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "Smart Counter shows the total number of correct answers.  \r\n\r\nBut that's not all!  It can also congratulate you after a certain number of correct answers.  Plus, you can set it up to periodically reverse questions and answers.")},
    {125, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "If you have a PDA running Palm OS, you can study even if you are away from your PC, thanks to our new Brainlark for Palm.\r\n\r\nAll you need to do is install Brainlark for Palm on your PDA and export the desired Q&A-list(s) in Palm format.\r\n\r\nTo get the latest version of Brainlark for Palm, make sure your Internet connection is active and go to \"Web\">\"Get Brainlark for Palm OS\".")},
    {126, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "The next dialog will allow you to change Question, Answer or Flashcard font.\r\n\r\nPlease remember that if the font you choose is too big or too small, the quiz screen will become difficult or even impossible to read.\r\n\r\nIf you want to return to the pre-set fonts, simply click on the Reset button.")},
    {127, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "This will open an Internet page.\r\n\r\nIf you receive an error, please make sure that your computer is connected to the Internet and try again.")},
    {129, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "The Question Notes feature allows you to add several lines of text to every Q&A-pair.  Using this field is a great way to include helpful hints, fun facts or any other information. \r\n\r\nFor example, if you are learning historical dates, include the names of people associated with a historical event.  The possibilities are endless! \r\n\r\nTo add or edit a note, open the Editor and double-click on the relevant line.  You will see the Q&A-pair Details dialog with the Notes box at the bottom.")},
    {130, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "The current Q&A-list does not contain any predefined wrong answers, therefore the multiple-choice and yes/no questions will be constructed using only random answers.")},
    {131, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "The Question and/or Answer may be too long to fit into the quiz screen.  If this is the case, changing the font(s) is recommended.")},
    {133, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "This feature was designed primarily for those teachers who want to use paper tests in addition to regular computer exercises with Brainlark.\r\n\r\nThe tests are created in RTF format, which means that they can be opened in MS Word and many other popular programs.\r\n\r\nFor easy reference, the file names of the printable tests contain unique time identifiers.")},
    {61448, QT_TRANSLATE_NOOP("brainlark::GuideMessages", "This will open the folder containing Q&A-lists.  \r\n\r\nYou can send these lists as email attachments, copy them, etc.")},
};
// clang-format on

} // namespace

GuideMessages::GuideMessages(AppSettings& settings, Prompter& prompter)
    : m_settings(settings), m_prompter(prompter)
{
}

QList<GuideMessages::Entry> GuideMessages::entries()
{
    return QList<Entry>(std::begin(kEntries), std::end(kEntries));
}

const GuideMessages::Entry* GuideMessages::entry(uint32_t bit)
{
    for (const Entry& e : kEntries) {
        if (e.bit == bit)
            return &e;
    }
    return nullptr;
}

QString GuideMessages::storedText(int stringId)
{
    for (const Text& t : kTexts) {
        if (t.id == stringId)
            return QString::fromUtf8(t.text);
    }
    return QString();
}

QString GuideMessages::text(int stringId)
{
    for (const Text& t : kTexts) {
        if (t.id == stringId)
            return QCoreApplication::translate("brainlark::GuideMessages", t.text)
                .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return QString();
}

int GuideMessages::show(uint32_t bit, int pages)
{
    const Entry* e = entry(bit);
    if (!e)
        return NotShown;
    QString body = text(e->stringId);
    body.replace(QStringLiteral("%d"), QString::number(pages));
    return show(bit, e->kind, body, e->helpContext);
}

int GuideMessages::show(uint32_t bit, Prompter::GuideKind kind, const QString& text, int helpContext)
{
    if (!m_settings.dialogFlag(bit))
        return NotShown;
    const Prompter::GuideAnswer answer = m_prompter.guide(kind, text, helpContext);
    int result = Cancelled;
    if (answer.result == Prompter::Ok || answer.result == Prompter::Yes)
        result = Confirmed;
    else if (answer.result == Prompter::No)
        result = No;
    // Escape and the close box leave the check box unread.
    if (result != Cancelled && answer.dontShowAgain)
        m_settings.setDialogFlag(bit, false);
    return result;
}

void GuideMessages::showAll()
{
    m_settings.setDialogFlags(0xFFFFFFFF);
}

void GuideMessages::hideAll()
{
    m_settings.setDialogFlags(0);
}

} // namespace brainlark
