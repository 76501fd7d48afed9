#include "WrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

bool Fits(const QFont& font, const QRect& area, const QString& text)
{
    const QRect needed = QFontMetrics(font).boundingRect(area, kTextFlags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}
}  // namespace

QFont WrapButton::captionFont(const QRect& area) const
{
    // The caption was sized for a narrow face; a wider stand-in is first
    // condensed, then made smaller, until the whole caption shows.
    QFont font = this->font();
    if (Fits(font, area, text()))
        return font;
    font.setStretch(QFont::Condensed);
    for (double size = font.pointSizeF(); size >= 6.0; size -= 0.25) {
        font.setPointSizeF(size);
        if (Fits(font, area, text()))
            return font;
    }
    return font;
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = rect().adjusted(2, 2, -2, -2);
    painter.setFont(captionFont(area));
    painter.drawItemText(area, kTextFlags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}
