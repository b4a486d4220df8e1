#pragma once
#include <QColor>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

namespace qx {

// The artwork the charging prompts share: a red outlined hand (raised palm or pointing up) and
// their bold message texts on a white face.
enum class HandPose { Palm, PointingUp };
void drawWarningHand(QPainter& painter, const QRect& area, HandPose pose);
void drawFaceText(QPainter& painter, const QRect& area, const QString& text, const QColor& color,
                  int pointSize, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A prompt without a title bar, kept off the task bar, centred on the screen when shown.
void makeTitlelessPrompt(QWidget& window, int widthTwips, int heightTwips);
void centreOnScreen(QWidget& window);
// Centred on the window that opened it (the active window), else on the screen.
void centreOnOwner(QWidget& window);

} // namespace qx
