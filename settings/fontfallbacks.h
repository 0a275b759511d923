#pragma once

namespace brainlark
{

/// The settings and the quiz screen name the classic desktop faces (Verdana, Comic Sans MS, Century
/// Gothic, Courier New). Linux desktops rarely have them; map each to the closest free face so that the
/// look stays friendly instead of falling back to whatever fontconfig picks first.
void installFontFallbacks();

} // namespace brainlark
