#pragma once

#include <QFont>
#include <QRect>
#include <QString>

// The captions were sized for a narrow face. Where a wider stand-in would
// cut one off, the font is first condensed, then made smaller in quarter
// points (down to 6 pt), until `text` laid out with `flags` fits `area`.
QFont FitFont(QFont font, const QRect& area, const QString& text, int flags);
