#pragma once

#include "services/prompter.h"

#include <QList>
#include <QString>
#include <cstdint>

namespace brainlark
{

class AppSettings;

/// The guide messages: short explanations shown before a feature is used, each with its own bit in
/// "dialog flags" that the learner clears with "Don't show this message again".
class GuideMessages
{
public:
    /// The bits in "dialog flags", named after the command they precede.
    enum Guide : uint32_t {
        SlideshowStart = 0x2,
        NewList = 0x4,
        Viewer = 0x8,
        Editor = 0x10,
        PrintFlashcards = 0x20,
        Flip = 0x40,
        ListNotes = 0x80,
        HtmlExport = 0x100,
        GridSave = 0x200,
        GridAdd = 0x400,
        NotesAndSubject = 0x800,
        InsertFromText = 0x1000,
        SmartCounter = 0x2000,
        HandheldEdition = 0x4000,
        ShareLists = 0x8000,
        Fonts = 0x10000,
        InternetPage = 0x20000,
        QuestionNotes = 0x40000,
        NoPredefinedAnswers = 0x80000,
        TextTooLong = 0x100000,
        PrintableTests = 0x200000,
    };
    /// What show() returns.
    enum Result : int { Confirmed = 1, Cancelled = 2, No = 7, NotShown = -100 };

    struct Entry {
        uint32_t bit;
        int stringId;
        Prompter::GuideKind kind;
        int helpContext;
    };

    GuideMessages(AppSettings& settings, Prompter& prompter);

    /// Shows the guide of that bit with its text, dialog kind and help context. pages fills the "%d" of
    /// the flashcard-printing text. Returns Confirmed (OK or Yes), No, Cancelled (Escape, close box) or
    /// NotShown when the learner switched the message off; an unknown bit is NotShown.
    int show(uint32_t bit, int pages = 0);
    /// The general form: any text and dialog under a "dialog flags" bit.
    int show(uint32_t bit, Prompter::GuideKind kind, const QString& text, int helpContext);

    /// "Show All" and "Hide All" of the General page.
    void showAll();
    void hideAll();

    static QList<Entry> entries();
    /// nullptr for a bit without a guide message.
    static const Entry* entry(uint32_t bit);
    /// A guide text for display (line breaks as "\n"); empty for an unknown id.
    static QString text(int stringId);
    /// The text exactly as stored, with "\r\n" line breaks.
    static QString storedText(int stringId);

private:
    AppSettings& m_settings;
    Prompter& m_prompter;
};

} // namespace brainlark
