#include "history/weightsfitdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "history/historystore.h"
#include "history/pairmemory.h"

namespace brainlark
{

struct WeightsFitDialog::Run {
    std::atomic<bool> cancel{false};
    std::thread thread;
    // Written by the thread before it ends.
    FitReport report;
    QString problem; // why the history could not be read
};

WeightsFitDialog::WeightsFitDialog(const QString& databasePath, UseWeights use, QWidget* parent)
    : QDialog(parent), m_databasePath(databasePath), m_use(std::move(use))
{
    setWindowTitle(tr("Fit to my history"));
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->setMinimumWidth(420);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &WeightsFitDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addWidget(m_progress);
    layout->addWidget(m_buttons);
}

WeightsFitDialog::~WeightsFitDialog()
{
    stop();
}

void WeightsFitDialog::start()
{
    if (m_run)
        return;
    m_run = std::make_unique<Run>();
    Run* run = m_run.get();
    const QString path = m_databasePath;
    m_message->setText(tr("Reading your answers from the study history..."));
    m_progress->setRange(0, 0); // busy until the fit itself runs
    run->thread = std::thread([this, run, path] {
        {
            // A store of the thread's own: its connection is made, used and closed on this thread.
            HistoryStore store;
            if (!store.open(path, HistoryStore::Upgrade::Refuse)) {
                run->problem = store.lastError();
            } else {
                const std::vector<std::vector<PairReview>> pairs =
                    PairMemory::allReviews(store, &run->cancel);
                if (!run->cancel) {
                    int shown = -1;
                    FsrsOptimizer::Options options;
                    options.progress = [this, run, &shown](double share) {
                        const int percent = int(share * 100);
                        if (percent != shown) {
                            shown = percent;
                            QMetaObject::invokeMethod(
                                this, [this, percent] { progressed(percent); }, Qt::QueuedConnection);
                        }
                        return !run->cancel.load();
                    };
                    options.progress(0);
                    run->report = FsrsOptimizer::fit(pairs, FsrsWeights::defaults(), options);
                }
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, run] {
                if (m_run.get() == run)
                    finished();
            },
            Qt::QueuedConnection);
    });
}

void WeightsFitDialog::progressed(int percent)
{
    if (!m_run)
        return;
    if (m_progress->maximum() == 0) {
        m_progress->setRange(0, 100);
        m_message->setText(tr("Fitting the weights to your reviews..."));
    }
    m_progress->setValue(percent);
}

void WeightsFitDialog::waitForFit()
{
    if (m_run && m_run->thread.joinable())
        m_run->thread.join();
    finished();
}

void WeightsFitDialog::stop()
{
    if (!m_run)
        return;
    m_run->cancel = true;
    if (m_run->thread.joinable())
        m_run->thread.join();
    m_run.reset();
}

void WeightsFitDialog::finished()
{
    if (!m_run)
        return; // taken in already
    if (m_run->thread.joinable())
        m_run->thread.join();
    const bool cancelled = m_run->cancel || m_run->report.cancelled;
    const QString problem = m_run->problem;
    m_report = m_run->report;
    m_run.reset();
    if (cancelled)
        return;
    m_progress->setRange(0, 100);
    m_progress->setValue(100);
    m_buttons->setStandardButtons(QDialogButtonBox::Close);
    if (!problem.isEmpty()) {
        m_message->setText(tr("The study history cannot be read: %1.").arg(problem));
        return;
    }
    if (!m_report.enoughReviews) {
        m_message->setText(tr("Your study history holds %1 reviews (first answers to a question); at least "
                              "1,000 are needed to fit the weights. The weights stay as they are.",
                              nullptr, int(m_report.reviews))
                               .arg(m_report.reviews));
        return;
    }
    const auto number = [](double value) { return QString::number(value, 'f', 4); };
    QString text = tr("Fitted to %1 reviews of %2 pairs; %3 pairs were held back to judge the fit.\n\n"
                      "Judged on %4 later reviews of the pairs held back:\n"
                      "log-loss %5 with the default weights, %6 with the fitted ones;\n"
                      "RMSE %7 with the default weights, %8 with the fitted ones.\n\n")
                       .arg(m_report.reviews)
                       .arg(m_report.trainPairs + m_report.heldBackPairs)
                       .arg(m_report.heldBackPairs)
                       .arg(m_report.after.predictions)
                       .arg(number(m_report.before.logLoss), number(m_report.after.logLoss),
                            number(m_report.before.rmse), number(m_report.after.rmse));
    if (!m_report.better)
        text += tr("The fitted weights do not predict your answers better; the weights stay as they are.");
    else if ((m_used = m_use && m_use(m_report.weights)))
        text += tr("The fitted weights predict your answers better and are used from now on.");
    else
        text += tr("The fitted weights predict your answers better, but they could not be kept in the study "
                   "history; the weights stay as they are.");
    m_message->setText(text);
}

void WeightsFitDialog::reject()
{
    stop();
    QDialog::reject();
}

} // namespace brainlark
