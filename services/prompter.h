#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace brainlark
{

/// Everything that asks the learner something: message boxes, file, colour and font choosers, guide
/// dialogs, the password box. The program uses the widget implementation; tests script the answers and
/// record what was asked.
class Prompter
{
public:
    enum class Icon { None, Information, Exclamation, Stop, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    /// Results use the classic dialog result numbers, which the guide-message rules rely on.
    enum Result : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
    /// The three guide dialogs: Yes/No/Help, OK/Help, OK only — each with "Don't show this message again".
    enum class GuideKind { YesNoHelp = 203, OkHelp = 204, OkOnly = 206 };
    /// Faces the font chooser leaves out (bits, combined with |).
    enum FontFilter : unsigned {
        OnlySymbolFaces = 0x1, ///< removes every face that is not a symbol font
        NoSymbolFaces = 0x2,   ///< removes symbol fonts
        OnlyFixedPitch = 0x4,  ///< removes faces of variable pitch
        NoFixedPitch = 0x8,    ///< removes faces of fixed pitch
    };
    struct GuideAnswer {
        int result = Cancel;        ///< Ok, Yes, No, or Cancel when closed with Escape or the close box
        bool dontShowAgain = false; ///< only meaningful when result is not Cancel
    };

    virtual ~Prompter() = default;
    virtual int message(const QString& text, Icon icon, Buttons buttons = Buttons::Ok) = 0;
    /// Shows a guide message titled "Brainlark Tips"; Help opens the help page at helpContext.
    virtual GuideAnswer guide(GuideKind kind, const QString& text, int helpContext) = 0;
    /// Empty string when cancelled.
    virtual QString openFileName(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& startPath, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial, const QString& title) = 0;
    /// The chosen face and pixel size; nullopt when cancelled. filters: FontFilter bits.
    virtual std::optional<QFont> chooseFont(const QFont& initial, const QString& title, unsigned filters) = 0;
    /// Asks for a list's password; nullopt when cancelled.
    virtual std::optional<QString> askPassword() = 0;
};

} // namespace brainlark
