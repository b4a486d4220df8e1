#pragma once
#include "platform/Colors.h"

#include <QPalette>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace qx {

// Controls placed as the screens are designed: the rectangle is left, top, width and height in
// twips.
QLabel* twipsLabel(QWidget* parent, const QString& text, QRect twips);
// Buttons never become the dialog's default: Enter belongs to the grid and the editors.
QPushButton* twipsButton(QWidget* parent, const QString& caption, QRect twips, const QString& toolTip = QString());

// Moves a control to a rectangle given in twips.
void setTwipsGeometry(QWidget* widget, int left, int top, int width, int height);
// A label that shows a value, sunken as the screens' value boxes are, one text line high.
QLabel* twipsValueLabel(QWidget* parent, int left, int top, int width, Qt::Alignment alignment = Qt::AlignLeft);

// One palette role of a control painted in a colour (&HBBGGRR or a colour-scheme entry).
void paintRole(QWidget* widget, QPalette::ColorRole role, ColorValue color);

} // namespace qx
