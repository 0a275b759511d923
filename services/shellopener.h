#pragma once

#include <QString>

namespace brainlark
{

/// Opens files, folders and web pages with the desktop's default program. Results are not checked.
class ShellOpener
{
public:
    virtual ~ShellOpener() = default;
    /// A local path (file or folder) or a URL with a scheme.
    virtual void open(const QString& pathOrUrl) = 0;
};

} // namespace brainlark
