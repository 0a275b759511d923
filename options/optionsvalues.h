#pragma once

#include <QColor>
#include <QString>
#include <array>

namespace brainlark
{

class AppSettings;

/// Everything the options sheet edits, as the pages hold it while the sheet is open. Read from the
/// settings when the sheet opens; written back only by OptionsApplier on OK.
struct OptionsValues {
    /// The background pattern choice; "Do not change" leaves the stored pattern alone.
    enum class Pattern { None, Lines, Squares, Unchanged };
    /// The four fonts of the Visual page, in the order of its buttons.
    enum FontSlot { QuestionFont, AnswerFont, CardFont, PrintedCardFont, FontSlotCount };
    struct FontChoice {
        int height = 0; ///< negative: character height in pixels
        QString face;
        bool operator==(const FontChoice& other) const
        {
            return height == other.height && face == other.face;
        }
    };

    // General
    bool loadLastFile = true;
    bool callGo = true;
    bool smartCounter = true;
    bool showHint = false;
    bool continueAfterWrong = false;
    bool autoPlayQuestionSounds = true;
    bool funnySounds = true;
    int questionSelection = 0;
    int desiredRetentionPercent = 90;
    bool readQuestionsAloud = false;
    bool readAnswersAloud = false;
    int speechRate = 0;
    bool predefinedAnswers = true;
    int soundScheme = 1; ///< -1 when no scheme is selected
    QString uiLanguage;  ///< empty: the system's languages

    // Visual
    bool transition = true;
    bool reminderCard = true;
    bool animateQuestion = true;
    bool hideText = false;
    bool picture = true;
    QString picturePath;
    Pattern pattern = Pattern::Unchanged;
    bool background3d = true;
    bool customColorOn = false;
    QColor customColor;
    std::array<FontChoice, FontSlotCount> fonts;
    bool fontsChanged = false;

    // Layout
    int visualStyle = 2;
    bool transparentBoxes = false;
    bool roundCorners = true;

    // Type-in
    bool keepTrying = true;
    bool ignoreCase = true;
    bool ignoreSpaces = true;
    bool ignorePunctuation = true;
    bool clearAnswerField = false;
    bool typeinReminderCard = true;
    bool centerText = true;
    int preFill = 3;

    // Matching
    int matchRows = 4;
    bool widerWrongLine = true;
    QColor matchInit;
    QColor matchWrong;
    QColor matchRight;

    // Advanced
    int slideshowSeconds = 2;
    bool slideshowManual = false;
    bool slideshowRandomOrder = false;
    bool slideshowQuestionSounds = true;
    bool slideshowAnswerSounds = true;
    bool slideshowAnimations = true;
    bool slideshowShowTitle = true;
    bool slideshowDelayAnswer = true;
    bool showPictures = true;
    bool autoresizePictureWindow = true;
    bool htmlStatistics = true;

    static OptionsValues fromSettings(const AppSettings& settings);
    /// The pre-set fonts ("Reset All").
    static std::array<FontChoice, FontSlotCount> defaultFonts();
};

} // namespace brainlark
