#pragma once

#include <QIcon>

namespace vaduvizu {

// The main window's picture buttons, drawn by the program itself: no image files to ship
// and nothing to decode at start-up.
QIcon informationIcon(); // a white "i" on a blue disc
QIcon optionsIcon();     // a grey gear wheel
QIcon closeIcon();       // a white cross on a red disc

} // namespace vaduvizu
