#pragma once

#include <string>

namespace brainlark
{

/// Read access to a grid of texts, row 0 being the header. The editor's grid model implements it so that a
/// list can be rebuilt from what the learner typed.
class RowSource
{
public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    virtual std::string cellText(int row, int column) const = 0;
    /// cellText() into a caller's buffer, so that reading a large grid reuses one allocation per column.
    virtual void readCell(int row, int column, std::string& out) const { out = cellText(row, column); }
};

} // namespace brainlark
