#pragma once

namespace brainlark
{

class AppSettings;
class ListDocument;
class MainWindow;
class QuizView;
struct Services;

/// Puts a new quiz view into the main window's client area and connects it: its commands, the score pane,
/// the help pages, read aloud, read aloud, and the document's lists (a loaded list is quizzed, a list about
/// to go is let go of first). Returns the view, which the window owns.
QuizView* wireQuizView(ListDocument& doc, AppSettings& settings, const Services& services, MainWindow& frame);

} // namespace brainlark
