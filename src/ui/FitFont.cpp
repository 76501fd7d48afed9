#include "FitFont.h"

#include <QFontMetrics>

namespace {
bool Fits(const QFont& font, const QRect& area, const QString& text, int flags)
{
    const QRect needed = QFontMetrics(font).boundingRect(area, flags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}
}  // namespace

QFont FitFont(QFont font, const QRect& area, const QString& text, int flags)
{
    if (Fits(font, area, text, flags))
        return font;
    font.setStretch(QFont::Condensed);
    for (double size = font.pointSizeF(); size >= 6.0; size -= 0.25) {
        font.setPointSizeF(size);
        if (Fits(font, area, text, flags))
            return font;
    }
    return font;
}
