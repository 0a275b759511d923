#include "settings/appsettings.h"

#include "settings/settingsstore.h"
#include "core/randomsource.h"

#include <algorithm>
#include <cstdlib>

namespace brainlark
{

// How stored values are mended on load (and by the setters), so that a hand-edited or damaged store
// never stops the program or reaches a division by zero:
//
//   key                                   rule
//   "line step"                           3..1000 (the pattern divides by it)
//   "line width"                          1..100
//   "visual style"                        0..5
//   "quiz mode"                           0..3
//   "question selection mode"             0..3
//   "desired retention"                   70..97 (percent)
//   "read aloud rate"                     -10..10 (tenths of the engine's range)
//   "f-sounds theme"                      0..3
//   "pre-fill answer selection"           0..5
//   "match quiz rows"                     2..10
//   "slideshow delay"                     |d| <= 60, sign kept (negative = manual stepping)
//   "alert factor"                        |N| in 3..1000, sign kept (<= 0 = off); 0 becomes -10
//                                         (still off, and switching on offers 10)
//   font heights                          0 -> the font's default; positive -> negative; -200..-6
//   "o fill mode", "hatch", "bkg type",
//   "call_go", "load last file",
//   "play sounds", "show hint"            0 or 1 (negative -> 0, above 1 -> 1)
//   colours                               top byte cleared (COLORREF 0x00BBGGRR)
//   bit words, texts, "current file type" kept as stored

struct AppSettings::KeyInfo {
    enum Kind { Int, Text, FunBits, Fun2Bits, DialogBits };
    const char* name;
    Kind kind;
    int index;
};

namespace
{

constexpr uint32_t kDefaultFunFlags = 0x3DEABFEF;
constexpr uint32_t kDefaultFunFlags2 = 0x0000000B;
constexpr uint32_t kDefaultDialogFlags = 0xFFFFFFFF;

int clampSigned(int value, int low, int high)
{
    const int sign = value < 0 ? -1 : 1;
    const long magnitude = std::labs(static_cast<long>(value));
    return sign * static_cast<int>(std::clamp<long>(magnitude, low, high));
}

QString joinPath(const QString& folder, const QString& tail)
{
    QString base = folder;
    while (base.endsWith('/'))
        base.chop(1);
    return base + tail;
}

} // namespace

// clang-format off
#define INT_KEY(name, key) {name, AppSettings::KeyInfo::Int, AppSettings::key}
#define TEXT_KEY(name, key) {name, AppSettings::KeyInfo::Text, AppSettings::key}
// clang-format on

AppSettings::AppSettings(RandomSource& random) : m_random(random)
{
    resetToDefaults();
}

bool AppSettings::WindowPlacement::complete() const
{
    return flags != -1 && showCmd != -1 && x1 != -1 && y1 != -1 && x2 != -1 && y2 != -1;
}

bool AppSettings::WindowRect::complete() const
{
    return x1 != -1 && y1 != -1 && x2 != -1 && y2 != -1;
}

int AppSettings::defaultInt(IntKey key)
{
    static const std::array<int, IntKeyCount> defaults = {
        0,        // show hint
        22,       // line step
        3,        // line width
        2,        // visual style
        1,        // o fill mode
        10,       // alert factor
        1,        // call_go
        1,        // load last file
        5,        // current file type
        1,        // play sounds
        1,        // hatch
        2,        // slideshow delay
        1,        // bkg type
        1,        // f-sounds theme
        0xC8C8C8, // custom bkg color
        -24,      // font-Q height
        -19,      // font-A height
        -20,      // font-C height
        -64,      // font-CP height
        -20,      // font-B height
        3,        // pre-fill answer selection
        4,        // match quiz rows
        0,        // quiz mode
        0x646464, // match quiz color - init
        0x6464FA, // match quiz color - wrong
        0x64FA64, // match quiz color - right
        0,        // question selection mode
        90,       // desired retention
        0,        // read aloud questions
        0,        // read aloud answers
        0,        // read aloud rate
    };
    return defaults[key];
}

QString AppSettings::defaultText(TextKey key) const
{
    switch (key) {
    case SkinName:
        return QStringLiteral("winaqua.skn");
    case CurrentBkgFilePath:
        return joinPath(m_installPath, QStringLiteral("/bkg/3.gif"));
    case LastBkgImageDir:
        return joinPath(m_installPath, QStringLiteral("/bkg/"));
    case FontQFace:
        return QStringLiteral("Comic Sans MS");
    case FontAFace:
    case FontCFace:
    case FontCPFace:
    case FontBFace:
        return QStringLiteral("Verdana");
    case SelectedSubject:
        return QStringLiteral("--- All ---");
    default:
        return QString();
    }
}

int AppSettings::clamped(IntKey key, int value)
{
    switch (key) {
    case LineStep:
        return std::clamp(value, 3, 1000);
    case LineWidth:
        return std::clamp(value, 1, 100);
    case VisualStyle:
        return std::clamp(value, 0, 5);
    case QuizMode:
        return std::clamp(value, 0, 3);
    case QuestionSelectionMode:
        return std::clamp(value, 0, 3);
    case DesiredRetention:
        return std::clamp(value, MinRetentionPercent, MaxRetentionPercent);
    case SoundTheme:
        return std::clamp(value, 0, 3);
    case PreFill:
        return std::clamp(value, 0, 5);
    case MatchQuizRows:
        return std::clamp(value, 2, 10);
    case SlideshowDelay:
        return clampSigned(value, 0, MaxSlideshowDelay);
    case AlertFactor:
        return value == 0 ? -defaultInt(AlertFactor) : clampSigned(value, 3, 1000);
    case FontQHeight:
    case FontAHeight:
    case FontCHeight:
    case FontCPHeight:
    case FontBHeight:
        if (value == 0)
            return defaultInt(key);
        return -static_cast<int>(std::clamp<long>(std::labs(static_cast<long>(value)), 6, 200));
    case FillMode:
    case Hatch:
    case BkgType:
    case CallGo:
    case LoadLastFile:
    case PlaySounds:
    case ShowHint:
    case ReadQuestions:
    case ReadAnswers:
        return std::clamp(value, 0, 1);
    case SpeechRate:
        return std::clamp(value, -MaxSpeechRate, MaxSpeechRate);
    case CustomBkgColor:
    case MatchColorInit:
    case MatchColorWrong:
    case MatchColorRight:
        return value & 0x00FFFFFF;
    default:
        return value;
    }
}

void AppSettings::resetToDefaults()
{
    for (int key = 0; key < IntKeyCount; ++key)
        m_ints[key] = defaultInt(IntKey(key));
    for (int key = 0; key < TextKeyCount; ++key)
        m_texts[key] = defaultText(TextKey(key));
    m_funFlags = kDefaultFunFlags;
    m_funFlags2 = kDefaultFunFlags2;
    m_dialogFlags = kDefaultDialogFlags;
    setVisualStyle(m_ints[VisualStyle]);
    m_answerMode = funFlag(funflags::kPredefinedAnswers) ? AnswerMode::Predefined : AnswerMode::Random;
    m_mainPlacement = WindowPlacement();
    m_pictureRect = WindowRect();
}

bool AppSettings::load(const SettingsStore& store)
{
    int count = 0;
    const KeyInfo* keys = loadOrder(count);
    for (int i = 0; i < count; ++i) {
        const KeyInfo& info = keys[i];
        const QString name = QString::fromLatin1(info.name);
        switch (info.kind) {
        case KeyInfo::Int:
            setInt(IntKey(info.index), store.readInt(name, defaultInt(IntKey(info.index))));
            break;
        case KeyInfo::Text:
            m_texts[info.index] = store.readString(name, defaultText(TextKey(info.index)));
            break;
        case KeyInfo::FunBits:
            m_funFlags = uint32_t(store.readInt(name, int(kDefaultFunFlags)));
            break;
        case KeyInfo::Fun2Bits:
            m_funFlags2 = uint32_t(store.readInt(name, int(kDefaultFunFlags2)));
            break;
        case KeyInfo::DialogBits:
            m_dialogFlags = uint32_t(store.readInt(name, int(kDefaultDialogFlags)));
            break;
        }
    }
    setVisualStyle(m_ints[VisualStyle]);
    m_answerMode = funFlag(funflags::kPredefinedAnswers) ? AnswerMode::Predefined : AnswerMode::Random;
    loadPlacement(store);
    m_uiLanguage = store.readString(QStringLiteral("ui language"), QString());
    return true;
}

void AppSettings::save(SettingsStore& store) const
{
    int count = 0;
    const KeyInfo* keys = saveOrder(count);
    for (int i = 0; i < count; ++i) {
        const KeyInfo& info = keys[i];
        const QString name = QString::fromLatin1(info.name);
        switch (info.kind) {
        case KeyInfo::Int:
            store.writeInt(name, m_ints[info.index]);
            break;
        case KeyInfo::Text:
            store.writeString(name, m_texts[info.index]);
            break;
        case KeyInfo::FunBits:
            store.writeInt(name, int(m_funFlags));
            break;
        case KeyInfo::Fun2Bits:
            store.writeInt(name, int(m_funFlags2));
            break;
        case KeyInfo::DialogBits:
            store.writeInt(name, int(m_dialogFlags));
            break;
        }
    }
    savePlacement(store);
    // Written once chosen: the system's languages need no key.
    if (!m_uiLanguage.isEmpty() || store.contains(QStringLiteral("ui language")))
        store.writeString(QStringLiteral("ui language"), m_uiLanguage);
    store.sync();
}

void AppSettings::loadPlacement(const SettingsStore& store)
{
    WindowPlacement& p = m_mainPlacement;
    p.flags = store.readInt("pos_flags", -1);
    p.showCmd = store.readInt("pos_showCmd", -1);
    p.x1 = store.readInt("pos_x1", -1);
    p.y1 = store.readInt("pos_y1", -1);
    p.x2 = store.readInt("pos_x2", -1);
    p.y2 = store.readInt("pos_y2", -1);
    WindowRect& r = m_pictureRect;
    r.x1 = store.readInt("pos_pic_x1", -1);
    r.y1 = store.readInt("pos_pic_y1", -1);
    r.x2 = store.readInt("pos_pic_x2", -1);
    r.y2 = store.readInt("pos_pic_y2", -1);
}

void AppSettings::savePlacement(SettingsStore& store) const
{
    const WindowPlacement& p = m_mainPlacement;
    store.writeInt("pos_flags", p.flags);
    store.writeInt("pos_showCmd", p.showCmd);
    store.writeInt("pos_x1", p.x1);
    store.writeInt("pos_y1", p.y1);
    store.writeInt("pos_x2", p.x2);
    store.writeInt("pos_y2", p.y2);
    const WindowRect& r = m_pictureRect;
    store.writeInt("pos_pic_x1", r.x1);
    store.writeInt("pos_pic_y1", r.y1);
    store.writeInt("pos_pic_x2", r.x2);
    store.writeInt("pos_pic_y2", r.y2);
}

void AppSettings::setFunFlag(uint32_t mask, bool on)
{
    m_funFlags = on ? (m_funFlags | mask) : (m_funFlags & ~mask);
}

void AppSettings::setFunFlag2(uint32_t mask, bool on)
{
    m_funFlags2 = on ? (m_funFlags2 | mask) : (m_funFlags2 & ~mask);
}

void AppSettings::setDialogFlag(uint32_t mask, bool on)
{
    m_dialogFlags = on ? (m_dialogFlags | mask) : (m_dialogFlags & ~mask);
}

void AppSettings::setVisualStyle(int style)
{
    setInt(VisualStyle, style);
    const int value = m_ints[VisualStyle];
    m_effectiveLayout = value == 0 ? 1 + int(m_random.below(4)) : value - 1;
}

AppSettings::IntKey AppSettings::fontHeightKey(Font font)
{
    static const IntKey keys[] = {FontQHeight, FontAHeight, FontCHeight, FontCPHeight, FontBHeight};
    return keys[int(font)];
}

AppSettings::TextKey AppSettings::fontFaceKey(Font font)
{
    static const TextKey keys[] = {FontQFace, FontAFace, FontCFace, FontCPFace, FontBFace};
    return keys[int(font)];
}

void AppSettings::setFont(Font font, int height, const QString& face)
{
    setInt(fontHeightKey(font), height);
    m_texts[fontFaceKey(font)] = face;
}

QFont AppSettings::font(Font which) const
{
    QFont result(fontFace(which));
    result.setPixelSize(std::abs(fontHeight(which)));
    result.setWeight(QFont::Normal);
    // The screen fonts fall back to a sans-serif face; the printed card takes the default family.
    if (which != Font::PrintedCard)
        result.setStyleHint(QFont::SansSerif);
    return result;
}

QColor AppSettings::quizBackgroundColor() const
{
    if (funFlag2(funflags2::kCustomBkgColor))
        return customBkgColor();
    return m_palette.color(SkinPalette::Background);
}

QColor AppSettings::colorFromRef(uint32_t ref)
{
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

uint32_t AppSettings::colorRef(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return uint32_t(rgb.red()) | (uint32_t(rgb.green()) << 8) | (uint32_t(rgb.blue()) << 16);
}

// The settings table's order, which is the load order.
const AppSettings::KeyInfo* AppSettings::loadOrder(int& count)
{
    static const KeyInfo kLoadOrder[] = {
        TEXT_KEY("skin name", SkinName),
        INT_KEY("show hint", ShowHint),
        INT_KEY("line step", LineStep),
        INT_KEY("line width", LineWidth),
        INT_KEY("visual style", VisualStyle),
        INT_KEY("o fill mode", FillMode),
        INT_KEY("alert factor", AlertFactor),
        INT_KEY("call_go", CallGo),
        INT_KEY("load last file", LoadLastFile),
        INT_KEY("current file type", CurrentFileType),
        TEXT_KEY("current file name", CurrentFileName),
        TEXT_KEY("InstallPath", InstallPath),
        INT_KEY("play sounds", PlaySounds),
        {"fun flags", AppSettings::KeyInfo::FunBits, 0},
        {"fun flags 2", AppSettings::KeyInfo::Fun2Bits, 0},
        {"dialog flags", AppSettings::KeyInfo::DialogBits, 0},
        INT_KEY("hatch", Hatch),
        INT_KEY("slideshow delay", SlideshowDelay),
        INT_KEY("bkg type", BkgType),
        INT_KEY("f-sounds theme", SoundTheme),
        TEXT_KEY("current bkg file path", CurrentBkgFilePath),
        TEXT_KEY("last bkg image dir", LastBkgImageDir),
        INT_KEY("custom bkg color", CustomBkgColor),
        INT_KEY("font-Q height", FontQHeight),
        TEXT_KEY("font-Q face", FontQFace),
        INT_KEY("font-A height", FontAHeight),
        TEXT_KEY("font-A face", FontAFace),
        INT_KEY("font-C height", FontCHeight),
        TEXT_KEY("font-C face", FontCFace),
        INT_KEY("font-CP height", FontCPHeight),
        TEXT_KEY("font-CP face", FontCPFace),
        INT_KEY("font-B height", FontBHeight),
        TEXT_KEY("font-B face", FontBFace),
        TEXT_KEY("student name", StudentName),
        TEXT_KEY("selected subject", SelectedSubject),
        INT_KEY("pre-fill answer selection", PreFill),
        INT_KEY("match quiz rows", MatchQuizRows),
        INT_KEY("quiz mode", QuizMode),
        INT_KEY("match quiz color - init", MatchColorInit),
        INT_KEY("match quiz color - wrong", MatchColorWrong),
        INT_KEY("match quiz color - right", MatchColorRight),
        INT_KEY("question selection mode", QuestionSelectionMode),
        INT_KEY("desired retention", DesiredRetention),
        INT_KEY("read aloud questions", ReadQuestions),
        INT_KEY("read aloud answers", ReadAnswers),
        INT_KEY("read aloud rate", SpeechRate),
    };
    count = int(std::size(kLoadOrder));
    return kLoadOrder;
}

// "InstallPath" is never written: the installer owns it.
const AppSettings::KeyInfo* AppSettings::saveOrder(int& count)
{
    static const KeyInfo kSaveOrder[] = {
        INT_KEY("show hint", ShowHint),
        INT_KEY("line step", LineStep),
        INT_KEY("line width", LineWidth),
        INT_KEY("visual style", VisualStyle),
        INT_KEY("alert factor", AlertFactor),
        {"fun flags", AppSettings::KeyInfo::FunBits, 0},
        {"fun flags 2", AppSettings::KeyInfo::Fun2Bits, 0},
        {"dialog flags", AppSettings::KeyInfo::DialogBits, 0},
        INT_KEY("call_go", CallGo),
        INT_KEY("load last file", LoadLastFile),
        INT_KEY("current file type", CurrentFileType),
        TEXT_KEY("current file name", CurrentFileName),
        TEXT_KEY("skin name", SkinName),
        INT_KEY("play sounds", PlaySounds),
        INT_KEY("hatch", Hatch),
        INT_KEY("o fill mode", FillMode),
        INT_KEY("bkg type", BkgType),
        INT_KEY("f-sounds theme", SoundTheme),
        TEXT_KEY("current bkg file path", CurrentBkgFilePath),
        INT_KEY("slideshow delay", SlideshowDelay),
        INT_KEY("custom bkg color", CustomBkgColor),
        TEXT_KEY("last bkg image dir", LastBkgImageDir),
        INT_KEY("font-Q height", FontQHeight),
        TEXT_KEY("font-Q face", FontQFace),
        INT_KEY("font-A height", FontAHeight),
        TEXT_KEY("font-A face", FontAFace),
        INT_KEY("font-C height", FontCHeight),
        TEXT_KEY("font-C face", FontCFace),
        INT_KEY("font-CP height", FontCPHeight),
        TEXT_KEY("font-CP face", FontCPFace),
        INT_KEY("font-B height", FontBHeight),
        TEXT_KEY("font-B face", FontBFace),
        TEXT_KEY("student name", StudentName),
        TEXT_KEY("selected subject", SelectedSubject),
        INT_KEY("pre-fill answer selection", PreFill),
        INT_KEY("quiz mode", QuizMode),
        INT_KEY("match quiz rows", MatchQuizRows),
        INT_KEY("match quiz color - init", MatchColorInit),
        INT_KEY("match quiz color - wrong", MatchColorWrong),
        INT_KEY("match quiz color - right", MatchColorRight),
        INT_KEY("question selection mode", QuestionSelectionMode),
        INT_KEY("desired retention", DesiredRetention),
        INT_KEY("read aloud questions", ReadQuestions),
        INT_KEY("read aloud answers", ReadAnswers),
        INT_KEY("read aloud rate", SpeechRate),
    };
    count = int(std::size(kSaveOrder));
    return kSaveOrder;
}

} // namespace brainlark
