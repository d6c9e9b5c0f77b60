#pragma once

#include <QString>
#include <QStringList>

// The program's one font. The windows and reports name the families of a Chinese Windows
// desktop ("SimSun", "宋体", "新宋体", "Arial", "华文彩云"), which a Linux machine does not
// have; left to the system's fallback, Chinese comes out in a sans-serif CJK font and digits
// and Latin letters in a serif one. Here every such name is mapped to one installed CJK
// family that holds Chinese, digits and Latin alike, on the screen and in printed PDFs.
namespace Fonts {

// The family used everywhere: WenQuanYi Micro Hei (set-up script: fonts-wqy-microhei).
QString family();

// The families of the windows that are mapped to family().
QStringList namedFamilies();

// Maps the named families to family() and makes it the application font (12 pixels).
// False when family() is not installed (the system's fallback then stays in charge).
bool install();

} // namespace Fonts
