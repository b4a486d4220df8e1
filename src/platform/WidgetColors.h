#pragma once
#include "platform/Colors.h"

class QWidget;

namespace qx {

// A control's back and fore colours as the screens set them (&HBBGGRR or a colour-scheme entry),
// painted through its palette and read back as they were set.
void setBackColor(QWidget* widget, ColorValue color);
ColorValue backColor(const QWidget* widget);
void setForeColor(QWidget* widget, ColorValue color);
ColorValue foreColor(const QWidget* widget);

} // namespace qx
