#pragma once

#include "options/optionsvalues.h"

#include <QWidget>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLayout;
class QRadioButton;

namespace brainlark
{

class AppSettings;
class GuideMessages;
class Prompter;
class RandomSource;

/// What the pages reach besides their values.
struct OptionsContext {
    AppSettings& settings;
    Prompter& prompter;
    GuideMessages& guides;
    RandomSource& random;
    /// Shows a picture in the "Picture Preview" dialog.
    std::function<void(const QString& path)> previewPicture;
    /// Fits the spaced-repetition weights to the learner's study history (its own dialog, acting at once);
    /// without it the page offers no fit.
    std::function<void(QWidget* parent)> fitWeights;
};

/// One page of the options sheet: filled from the values when it is made, gives its values back on OK.
class OptionsPage : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    /// Writes this page's controls into values.
    virtual void store(OptionsValues& values) const = 0;
    /// Tab follows the layout: down each column before the next, and a grid row by row, whatever order the
    /// controls were made in.
    void orderTabsByLayout();

protected:
    /// A check box named for tests and for the style sheets.
    QCheckBox* checkBox(const QString& text, const char* name, bool checked);
    QRadioButton* radio(const QString& text, const char* name, QButtonGroup* group, int id);
    /// A group box at least as wide as its title (a skinned title does not widen the box by itself).
    QGroupBox* groupBox(const QString& title);
};

} // namespace brainlark
