#pragma once

#include <QString>

class QLabel;
class QWidget;

// The main window's banner (FlatPanel3): a band 41 pixels high across the top with the
// picture's colour gradient, stretched to the window's width, and the program's title
// (BannerTitle) drawn over it at its left end in the program's font, in the program's
// language. The title is text, not part of the picture, so it follows the translation and
// stays sharp at every window width.
namespace Banner {

QLabel *create(QWidget *parent);

// The title shown: "Rentora  影碟租售管理系统" or its translation.
QString title();

} // namespace Banner
