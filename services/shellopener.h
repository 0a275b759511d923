#pragma once

#include <QString>

namespace brainlark
{

/// Opens files, folders and web pages with the desktop's default program. Most callers ignore the
/// result; the About box's link reports a failure.
class ShellOpener
{
public:
    virtual ~ShellOpener() = default;
    /// A local path (file or folder) or a URL with a scheme. False when the desktop could not start a
    /// program for it.
    virtual bool open(const QString& pathOrUrl) = 0;
};

} // namespace brainlark
