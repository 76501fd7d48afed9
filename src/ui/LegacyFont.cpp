#include "LegacyFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

QFont LegacyFont(double pointSize, bool bold)
{
    static const QString family = [] {
        const QString wanted = QStringLiteral("MS Sans Serif");
        if (QFontDatabase::families().contains(wanted, Qt::CaseInsensitive))
            return wanted;
        QFont sans;
        sans.setStyleHint(QFont::SansSerif);
        sans.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        return QFontInfo(sans).family();
    }();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
