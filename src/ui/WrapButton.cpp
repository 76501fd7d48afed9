#include "WrapButton.h"

#include "FitFont.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
}

QFont WrapButton::captionFont(const QRect& area) const
{
    return FitFont(font(), area, text(), kTextFlags);
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
