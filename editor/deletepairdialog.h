#pragma once

#include <QDialog>

namespace brainlark
{

/// "Delete this Q&A-pair?": the pair's question and answer, read-only, with Yes and No.
class DeletePairDialog : public QDialog
{
    Q_OBJECT
public:
    DeletePairDialog(const QString& question, const QString& answer, QWidget* parent = nullptr);
};

} // namespace brainlark
