#pragma once

#include "app/hyperlinklabel.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;

namespace brainlark
{

/// "About Brainlark": title and version, the link to the vendor site, the scrolling feature list and OK.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char* FeatureList = QT_TR_NOOP(
        "Features:\n\n- Unlimited number of quizzes on all kinds of topics\n- Multiple-choice, true/false, "
        "type-in "
        "and matching quizzes\n- Smart Pick keeps asking the pairs you know least\n- Slideshow for relaxed "
        "learning\n- Pictures and sounds for every Q&A pair\n- Notes for lists and pairs\n- Easy editing in "
        "the "
        "grid, import from text files\n- HTML reports, printable tests and text exports\n- Statistics and "
        "ratings "
        "for every pair\n- Export to the handheld edition");

    /// openUrl opens the vendor site (false: no program took it, and reportFailure shows why); closed
    /// runs when the box has closed (the program plays its sound).
    AboutDialog(std::function<bool(const QString&)> openUrl,
                std::function<void(const QString&)> reportFailure, std::function<void()> closed,
                QWidget* parent = nullptr);

    HyperlinkLabel* link() const { return m_link; }
    QLineEdit* versionField() const { return m_version; }
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> m_closed;
    HyperlinkLabel* m_link = nullptr;
    QLineEdit* m_version = nullptr;
};

} // namespace brainlark
