#pragma once

#include "settings/skinpalette.h"
#include "quiz/engine/appflags.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

namespace brainlark
{

class RandomSource;
class SettingsStore;

/// Bits of "fun flags" (a set bit means the option is on).
namespace funflags
{
constexpr uint32_t kHintSound = 0x00000001;
constexpr uint32_t kReminderCard = 0x00000002;
constexpr uint32_t kTransition = 0x00000004;
constexpr uint32_t kCounterMusic = 0x00000008;
constexpr uint32_t kCounterReverse = 0x00000010;
constexpr uint32_t kSmartCounter = 0x00000020;
constexpr uint32_t kAnimateQuestion = 0x00000040;
constexpr uint32_t kCounterAnimation = 0x00000080;
constexpr uint32_t kSlideQuestionSounds = 0x00000100;
constexpr uint32_t kSlideAnswerSounds = 0x00000200;
constexpr uint32_t kAutoPlayQuestionSounds = 0x00000400;
constexpr uint32_t kFunnySounds = 0x00000800;
constexpr uint32_t kRoundCorners = 0x00001000;
constexpr uint32_t kSlideAnimations = 0x00002000;
constexpr uint32_t kSlideRandomOrder = 0x00004000;
constexpr uint32_t kSlideShowTitle = 0x00008000;
constexpr uint32_t kHideText = 0x00010000;
constexpr uint32_t kSlideDelayAnswer = 0x00020000;
constexpr uint32_t kPredefinedAnswers = 0x00080000;
constexpr uint32_t kContinueAfterWrong = 0x00100000;
constexpr uint32_t kShowPictures = 0x00200000;
constexpr uint32_t kAutoresizePictureWindow = 0x00400000;
constexpr uint32_t kBackground3D = 0x00800000;
constexpr uint32_t kHtmlStatistics = 0x01000000;
constexpr uint32_t kTypeinKeepTrying = 0x04000000;
constexpr uint32_t kTypeinIgnoreCase = 0x08000000;
constexpr uint32_t kTypeinIgnoreSpaces = 0x10000000;
constexpr uint32_t kTypeinIgnorePunctuation = 0x20000000;
constexpr uint32_t kTypeinClearAfterWrong = 0x40000000;
} // namespace funflags

/// Bits of "fun flags 2".
namespace funflags2
{
constexpr uint32_t kTypeinReminderCard = 0x1;
constexpr uint32_t kTypeinCenterText = 0x2;
constexpr uint32_t kCustomBkgColor = 0x4;
constexpr uint32_t kMatchWiderLine = 0x8;
} // namespace funflags2

/// Every user setting of the program, held in memory from start-up to exit. Loaded from and saved to a
/// SettingsStore; pages, menus and dialogs change the values here only. Out-of-range stored values are
/// clamped on load (and by the setters), so the program always starts with usable values.
class AppSettings
{
public:
    enum class Font { Question, Answer, Card, PrintedCard, B };
    enum class AnswerMode { Predefined, Random };
    /// The longest slideshow delay kept, in seconds.
    static constexpr int MaxSlideshowDelay = 60;
    /// The range of the desired retention, in percent.
    static constexpr int MinRetentionPercent = 70;
    static constexpr int MaxRetentionPercent = 97;

    /// Main window placement, every field -1 when never stored.
    struct WindowPlacement {
        int flags = -1;
        int showCmd = -1;
        int x1 = -1;
        int y1 = -1;
        int x2 = -1;
        int y2 = -1;
        /// True when none of the six values is -1 (only then is it applied).
        bool complete() const;
    };
    /// Picture window rectangle, every field -1 when never stored.
    struct WindowRect {
        int x1 = -1;
        int y1 = -1;
        int x2 = -1;
        int y2 = -1;
        bool complete() const;
    };

    /// The random source decides the layout of the "Random Boxes" style.
    explicit AppSettings(RandomSource& random);

    /// The program folder in effect for this run; path defaults ("current bkg file path", "last bkg
    /// image dir") and program paths start here. Set it before load().
    void setInstallPath(const QString& folder) { m_installPath = folder; }
    QString installPath() const { return m_installPath; }
    /// "InstallPath" as read from the store (never written back).
    QString storedInstallPath() const { return m_texts[InstallPath]; }

    /// Reads every key, in the settings table's order, with its default; clamps bad values.
    bool load(const SettingsStore& store);
    /// Writes every key except "InstallPath" in the save order, then the window placement keys.
    void save(SettingsStore& store) const;
    /// The defaults of a fresh user (with the current install path).
    void resetToDefaults();

    /// The signed bit test: bit 0x80000000 never reads as set.
    static bool testBits(uint32_t word, uint32_t mask) { return static_cast<int32_t>(word & mask) > 0; }

    uint32_t funFlags() const { return m_funFlags; }
    void setFunFlags(uint32_t word) { m_funFlags = word; }
    bool funFlag(uint32_t mask) const { return testBits(m_funFlags, mask); }
    void setFunFlag(uint32_t mask, bool on);
    /// Both option words as the quiz engine reads them.
    AppFlags appFlags() const { return AppFlags(m_funFlags, m_funFlags2); }
    uint32_t funFlags2() const { return m_funFlags2; }
    void setFunFlags2(uint32_t word) { m_funFlags2 = word; }
    bool funFlag2(uint32_t mask) const { return testBits(m_funFlags2, mask); }
    void setFunFlag2(uint32_t mask, bool on);
    uint32_t dialogFlags() const { return m_dialogFlags; }
    void setDialogFlags(uint32_t word) { m_dialogFlags = word; }
    bool dialogFlag(uint32_t mask) const { return testBits(m_dialogFlags, mask); }
    void setDialogFlag(uint32_t mask, bool on);

    /// The language of the program's texts: a language code, or empty for the system's languages.
    QString uiLanguage() const { return m_uiLanguage; }
    void setUiLanguage(const QString& code) { m_uiLanguage = code; }

    QString skinName() const { return m_texts[SkinName]; }
    /// Stores the name only; the palette follows through setSkinIndex() when the skin is applied.
    void setSkinName(const QString& name) { m_texts[SkinName] = name; }
    bool showHint() const { return m_ints[ShowHint] != 0; }
    void setShowHint(bool on) { m_ints[ShowHint] = on ? 1 : 0; }
    int lineStep() const { return m_ints[LineStep]; }
    void setLineStep(int step) { setInt(LineStep, step); }
    int lineWidth() const { return m_ints[LineWidth]; }
    void setLineWidth(int width) { setInt(LineWidth, width); }

    /// 0 Random Boxes, 1 Classic, 2..5 Boxes-1..Boxes-4.
    int visualStyle() const { return m_ints[VisualStyle]; }
    /// Also recomputes the effective layout: style 0 draws a layout 1..4 anew, style s gives s - 1.
    void setVisualStyle(int style);
    /// 0 Classic, 1..4 Boxes-1..Boxes-4.
    int effectiveLayout() const { return m_effectiveLayout; }

    /// "o fill mode": true = answer boxes filled, false = transparent.
    bool fillMode() const { return m_ints[FillMode] != 0; }
    void setFillMode(bool filled) { m_ints[FillMode] = filled ? 1 : 0; }
    /// Smart Counter alert every N right answers; 0 or less = off, |N| kept for switching on.
    int alertFactor() const { return m_ints[AlertFactor]; }
    void setAlertFactor(int factor) { setInt(AlertFactor, factor); }
    bool callGo() const { return m_ints[CallGo] != 0; }
    void setCallGo(bool on) { m_ints[CallGo] = on ? 1 : 0; }
    bool loadLastFile() const { return m_ints[LoadLastFile] != 0; }
    void setLoadLastFile(bool on) { m_ints[LoadLastFile] = on ? 1 : 0; }
    int currentFileType() const { return m_ints[CurrentFileType]; }
    void setCurrentFileType(int type) { m_ints[CurrentFileType] = type; }
    QString currentFileName() const { return m_texts[CurrentFileName]; }
    void setCurrentFileName(const QString& path) { m_texts[CurrentFileName] = path; }
    /// "play sounds": false after "Mute all Brainlark sounds".
    bool playSounds() const { return m_ints[PlaySounds] != 0; }
    void setPlaySounds(bool on) { m_ints[PlaySounds] = on ? 1 : 0; }
    bool hatch() const { return m_ints[Hatch] != 0; }
    void setHatch(bool on) { m_ints[Hatch] = on ? 1 : 0; }
    /// Seconds per slideshow step; negative = manual stepping, |delay| kept for automatic mode.
    int slideshowDelay() const { return m_ints[SlideshowDelay]; }
    void setSlideshowDelay(int seconds) { setInt(SlideshowDelay, seconds); }
    /// 1 = background picture, 0 = colour and pattern.
    int bkgType() const { return m_ints[BkgType]; }
    void setBkgType(int type) { setInt(BkgType, type); }
    /// "f-sounds theme": 0 None, 1 Cartoons, 2 Simple, 3 Cartoons-2.
    int soundTheme() const { return m_ints[SoundTheme]; }
    void setSoundTheme(int scheme) { setInt(SoundTheme, scheme); }
    QString currentBkgFilePath() const { return m_texts[CurrentBkgFilePath]; }
    void setCurrentBkgFilePath(const QString& path) { m_texts[CurrentBkgFilePath] = path; }
    QString lastBkgImageDir() const { return m_texts[LastBkgImageDir]; }
    void setLastBkgImageDir(const QString& dir) { m_texts[LastBkgImageDir] = dir; }
    QColor customBkgColor() const { return colorFromRef(uint32_t(m_ints[CustomBkgColor])); }
    void setCustomBkgColor(const QColor& color) { m_ints[CustomBkgColor] = int(colorRef(color)); }

    /// Height as stored (negative = character height in pixels) and face of one of the five fonts.
    int fontHeight(Font font) const { return m_ints[fontHeightKey(font)]; }
    QString fontFace(Font font) const { return m_texts[fontFaceKey(font)]; }
    void setFont(Font font, int height, const QString& face);
    /// The font to draw with: the face at a pixel size of |height|, normal weight.
    QFont font(Font font) const;

    QString studentName() const { return m_texts[StudentName]; }
    void setStudentName(const QString& name) { m_texts[StudentName] = name; }
    QString selectedSubject() const { return m_texts[SelectedSubject]; }
    void setSelectedSubject(const QString& subject) { m_texts[SelectedSubject] = subject; }
    /// "pre-fill answer selection", 0..5.
    int preFill() const { return m_ints[PreFill]; }
    void setPreFill(int mode) { setInt(PreFill, mode); }
    int matchQuizRows() const { return m_ints[MatchQuizRows]; }
    void setMatchQuizRows(int rows) { setInt(MatchQuizRows, rows); }
    /// 0 Multiple-choice, 1 True/False, 2 Type-in, 3 Matching.
    int quizMode() const { return m_ints[QuizMode]; }
    void setQuizMode(int mode) { setInt(QuizMode, mode); }
    QColor matchColorInit() const { return colorFromRef(uint32_t(m_ints[MatchColorInit])); }
    void setMatchColorInit(const QColor& color) { m_ints[MatchColorInit] = int(colorRef(color)); }
    QColor matchColorWrong() const { return colorFromRef(uint32_t(m_ints[MatchColorWrong])); }
    void setMatchColorWrong(const QColor& color) { m_ints[MatchColorWrong] = int(colorRef(color)); }
    QColor matchColorRight() const { return colorFromRef(uint32_t(m_ints[MatchColorRight])); }
    void setMatchColorRight(const QColor& color) { m_ints[MatchColorRight] = int(colorRef(color)); }
    /// 0 Smart Pick, 1 Sequential, 2 Random, 3 Due (spaced repetition).
    int questionSelectionMode() const { return m_ints[QuestionSelectionMode]; }
    void setQuestionSelectionMode(int mode) { setInt(QuestionSelectionMode, mode); }
    /// The recall chance at which spaced repetition asks a pair again, in percent (MinRetentionPercent to
    /// MaxRetentionPercent): higher means more reviews and fewer pairs forgotten.
    int desiredRetentionPercent() const { return m_ints[DesiredRetention]; }
    void setDesiredRetentionPercent(int percent) { setInt(DesiredRetention, percent); }
    double desiredRetention() const { return m_ints[DesiredRetention] / 100.0; }
    /// Read aloud: each question as it appears, each answer once it is judged or shown, at a rate from
    /// -MaxSpeechRate (slowest) to MaxSpeechRate (fastest), 0 the voice's own.
    static constexpr int MaxSpeechRate = 10;
    bool readQuestionsAloud() const { return m_ints[ReadQuestions] != 0; }
    void setReadQuestionsAloud(bool on) { setInt(ReadQuestions, on ? 1 : 0); }
    bool readAnswersAloud() const { return m_ints[ReadAnswers] != 0; }
    void setReadAnswersAloud(bool on) { setInt(ReadAnswers, on ? 1 : 0); }
    int speechRate() const { return m_ints[SpeechRate]; }
    void setSpeechRate(int rate) { setInt(SpeechRate, rate); }

    /// Predefined or random answers as decided by the answer-selection check; starts from fun flags
    /// bit 0x80000 at load.
    AnswerMode answerMode() const { return m_answerMode; }
    void setAnswerMode(AnswerMode mode) { m_answerMode = mode; }

    int skinIndex() const { return m_palette.index(); }
    void setSkinIndex(int index) { m_palette = SkinPalette(index); }
    const SkinPalette& palette() const { return m_palette; }
    /// Palette slot 0, or "custom bkg color" while fun flags 2 bit 0x4 is set.
    QColor quizBackgroundColor() const;

    /// The decoded background picture (null until the background is set).
    const QImage& backgroundPicture() const { return m_backgroundPicture; }
    void setBackgroundPicture(const QImage& picture) { m_backgroundPicture = picture; }

    WindowPlacement mainPlacement() const { return m_mainPlacement; }
    void setMainPlacement(const WindowPlacement& placement) { m_mainPlacement = placement; }
    WindowRect pictureWindowRect() const { return m_pictureRect; }
    void setPictureWindowRect(const WindowRect& rect) { m_pictureRect = rect; }
    /// Set when the learner closed the picture window; not stored.
    bool picturesSuppressed() const { return m_picturesSuppressed; }
    void setPicturesSuppressed(bool on) { m_picturesSuppressed = on; }

    /// COLORREF (0x00BBGGRR) to colour and back; the top byte is ignored.
    static QColor colorFromRef(uint32_t ref);
    static uint32_t colorRef(const QColor& color);

private:
    enum IntKey {
        ShowHint,
        LineStep,
        LineWidth,
        VisualStyle,
        FillMode,
        AlertFactor,
        CallGo,
        LoadLastFile,
        CurrentFileType,
        PlaySounds,
        Hatch,
        SlideshowDelay,
        BkgType,
        SoundTheme,
        CustomBkgColor,
        FontQHeight,
        FontAHeight,
        FontCHeight,
        FontCPHeight,
        FontBHeight,
        PreFill,
        MatchQuizRows,
        QuizMode,
        MatchColorInit,
        MatchColorWrong,
        MatchColorRight,
        QuestionSelectionMode,
        DesiredRetention,
        ReadQuestions,
        ReadAnswers,
        SpeechRate,
        IntKeyCount
    };
    enum TextKey {
        SkinName,
        CurrentFileName,
        InstallPath,
        CurrentBkgFilePath,
        LastBkgImageDir,
        FontQFace,
        FontAFace,
        FontCFace,
        FontCPFace,
        FontBFace,
        StudentName,
        SelectedSubject,
        TextKeyCount
    };
    struct KeyInfo;
    static const KeyInfo* loadOrder(int& count);
    static const KeyInfo* saveOrder(int& count);

    static IntKey fontHeightKey(Font font);
    static TextKey fontFaceKey(Font font);
    static int clamped(IntKey key, int value);
    static int defaultInt(IntKey key);
    QString defaultText(TextKey key) const;
    void setInt(IntKey key, int value) { m_ints[key] = clamped(key, value); }
    void loadPlacement(const SettingsStore& store);
    void savePlacement(SettingsStore& store) const;

    RandomSource& m_random;
    QString m_installPath;
    std::array<int, IntKeyCount> m_ints{};
    std::array<QString, TextKeyCount> m_texts;
    QString m_uiLanguage;
    uint32_t m_funFlags = 0;
    uint32_t m_funFlags2 = 0;
    uint32_t m_dialogFlags = 0;
    int m_effectiveLayout = 1;
    AnswerMode m_answerMode = AnswerMode::Predefined;
    SkinPalette m_palette;
    QImage m_backgroundPicture;
    WindowPlacement m_mainPlacement;
    WindowRect m_pictureRect;
    bool m_picturesSuppressed = false;
};

} // namespace brainlark
