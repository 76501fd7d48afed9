#include "Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace {
// The locale's languages in the order it prefers them, as file name parts:
// "pt_BR", then "pt". English ends the search: it is what the game is
// written in.
QStringList LanguageNames(const QLocale& locale)
{
    QStringList names;
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            break;
        names << language;
        if (const qsizetype cut = language.indexOf(QLatin1Char('_')); cut > 0)
            names << language.left(cut);
    }
    return names;
}
}  // namespace

Translations::Translations(const QLocale& locale)
{
    for (const QString& name : LanguageNames(locale)) {
        if (m_game.load(QStringLiteral(":/i18n/tolmora_") + name)) {
            // The toolkit's words for the same language, where the system has them.
            if (!m_toolkit.load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                (void)m_toolkit.load(QStringLiteral("qt_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            break;
        }
    }
}

Translations::~Translations()
{
    if (m_installed && QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&m_game);
        QCoreApplication::removeTranslator(&m_toolkit);
    }
}

QString Translations::language() const
{
    return m_game.isEmpty() ? QStringLiteral("en") : m_game.language();
}

QString Translations::text(const char* context, const char* source) const
{
    for (const QTranslator* translator : {&m_game, &m_toolkit})
        if (const QString found = translator->translate(context, source); !found.isEmpty())
            return found;
    return QString::fromUtf8(source);
}

void Translations::install()
{
    if (m_installed)
        return;
    if (!m_toolkit.isEmpty())
        QCoreApplication::installTranslator(&m_toolkit);
    if (!m_game.isEmpty())
        QCoreApplication::installTranslator(&m_game);
    m_installed = true;
}

QString LocalisedResource(const QString& base, const QString& suffix, const QLocale& locale)
{
    for (const QString& name : LanguageNames(locale))
        if (const QString path = base + QLatin1Char('_') + name + suffix; QFile::exists(path))
            return path;
    return base + suffix;
}
