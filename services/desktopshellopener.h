#pragma once

#include "services/shellopener.h"

namespace brainlark
{

/// Opens files, folders and web pages with the desktop's default program (QDesktopServices).
class DesktopShellOpener : public ShellOpener
{
public:
    /// A string with a scheme ("http://…", "file:///…") is taken as a URL, anything else as a local path.
    bool open(const QString& pathOrUrl) override;
};

} // namespace brainlark
