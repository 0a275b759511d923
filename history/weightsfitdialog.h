#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "quiz/scheduling/fsrsoptimizer.h"

class QDialogButtonBox;
class QLabel;
class QProgressBar;

namespace brainlark
{

/// Options' "Fit to my history...": fits the spaced-repetition weights to the learner's reviews in the
/// study history on a thread of its own (the window stays usable, Cancel stops it), then reports how well
/// the default and the fitted weights predict the held-back reviews. The fitted weights are handed to the
/// program only when they predict better.
class WeightsFitDialog : public QDialog
{
    Q_OBJECT
public:
    /// Takes the fitted weights into use; false when they could not be kept.
    using UseWeights = std::function<bool(const FsrsWeights&)>;

    WeightsFitDialog(const QString& databasePath, UseWeights use, QWidget* parent = nullptr);
    ~WeightsFitDialog() override;

    /// Starts reading the history and fitting (the dialog runs it once).
    void start();
    /// Blocks until the fit has ended and its result is shown (tests).
    void waitForFit();
    bool running() const { return m_run != nullptr; }

    QLabel* messageLabel() const { return m_message; }
    QProgressBar* progressBar() const { return m_progress; }
    /// What the fit found (empty until it ended).
    const FitReport& report() const { return m_report; }
    /// The fitted weights were taken into use.
    bool weightsUsed() const { return m_used; }

    void reject() override;

private:
    struct Run;
    void progressed(int percent);
    void finished();
    void stop();

    QString m_databasePath;
    UseWeights m_use;
    QLabel* m_message = nullptr;
    QProgressBar* m_progress = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    std::unique_ptr<Run> m_run;
    FitReport m_report;
    bool m_used = false;
};

} // namespace brainlark
