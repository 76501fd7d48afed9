#include "MainWindowFixture.h"
#include "Translations.h"
#include "WrapButton.h"
#include "frmStatistics.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QXmlStreamReader>

#include <set>

namespace {

const char* const kLanguages[] = {"de", "fr", "es", "pt_BR", "pl"};

// The %1, %2 ... and %n a text carries.
std::multiset<QString> Placeholders(const QString& text)
{
    std::multiset<QString> found;
    static const QRegularExpression mark(QStringLiteral("%(\\d|n)"));
    for (auto it = mark.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

class LanguageFile : public ::testing::TestWithParam<const char*> {};

// A text's keyboard mnemonic: "&" before a letter, "&&" being a plain ampersand.
bool HasMnemonic(QString text)
{
    text.remove(QStringLiteral("&&"));
    static const QRegularExpression mark(QStringLiteral("&\\w"));
    return text.contains(mark);
}

// Every message of a language is translated, none unfinished or empty, with the placeholders and the
// mnemonic of its source; a merge that joined two messages into one is caught.
TEST_P(LanguageFile, IsCompleteWithTheSourcesPlaceholders)
{
    QFile file(QStringLiteral(TOLMORA_TRANSLATIONS_DIR "/tolmora_%1.ts").arg(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    int messages = 0;
    bool numerus = false;
    QString source;
    int sources = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            sources = 0;
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            EXPECT_EQ(++sources, 1) << "a second source in one message: " << source.toStdString();
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            EXPECT_TRUE(type.isEmpty()) << type.toStdString() << ": " << source.toStdString();
            // Plural forms each carry the source's placeholders.
            QStringList forms;
            if (numerus) {
                while (xml.readNextStartElement())
                    forms << xml.readElementText();
            } else {
                forms << xml.readElementText();
            }
            ASSERT_FALSE(forms.isEmpty()) << source.toStdString();
            for (const QString& form : forms) {
                EXPECT_FALSE(form.trimmed().isEmpty()) << "empty translation of " << source.toStdString();
                EXPECT_EQ(Placeholders(form), Placeholders(source)) << source.toStdString() << " -> " << form.toStdString();
                EXPECT_EQ(HasMnemonic(form), HasMnemonic(source)) << source.toStdString() << " -> " << form.toStdString();
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 100);
}

INSTANTIATE_TEST_SUITE_P(Every, LanguageFile, ::testing::ValuesIn(kLanguages));

// Under each language the windows read in it, each with its own rules document, and every caption fits its box
// whole: the main window with the high-score list, the New Game dialog and the Statistics window.
class LanguageWindows : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    LanguageWindows() : words(QLocale(QString::fromLatin1(GetParam())))
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
        words.install();
    }
    ~LanguageWindows() override { QLocale::setDefault(QLocale::c()); }

    // Every shown caption whole in its box: a wrapped one in its height and no word wider than the box, any other in
    // its width; a wrapping button in the face it picks.
    static void ExpectCaptionsFit(const QWidget& window)
    {
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (!label->isVisibleTo(&window) || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const QRect box = label->contentsRect();
            const QFontMetrics metrics(label->font());
            const std::string what = label->objectName().toStdString() + " \"" + label->text().toStdString() + "\"";
            for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                EXPECT_LE(metrics.horizontalAdvance(word), box.width()) << what;
            if (label->wordWrap()) {
                EXPECT_LE(metrics.boundingRect(box, Qt::TextWordWrap | label->alignment(), label->text()).height(),
                          box.height() + metrics.descent())
                    << what;
            }
        }
        for (const WrapButton* button : window.findChildren<WrapButton*>()) {
            const QRect area = button->rect().adjusted(2, 2, -2, -2);
            const QRect needed = QFontMetrics(button->captionFont(area))
                                     .boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, button->text());
            EXPECT_TRUE(area.contains(needed)) << button->text().toStdString();
        }
    }

    Translations words;
};

TEST_P(LanguageWindows, ReadInTheLanguageAndFit)
{
    ASSERT_EQ(words.language().toStdString(), GetParam());
    EXPECT_TRUE(LocalisedResource(":/rules/rules", ".html").endsWith(QStringLiteral("_%1.html").arg(GetParam())));
    Start(Written({"", "16", "11", "120", "sound"}, {"Ann", "900", "Bob", "70"}));
    EXPECT_NE(Control<QLabel>("Label1")->text(), "Your Score");
    EXPECT_NE(Control<QAction>("MnuFileNewGame")->text(), "New Game");
    ClickCell({0, 0});
    ExpectCaptionsFit(*window);
    Control<QAction>("MnuHeighScores")->trigger();
    ExpectCaptionsFit(*window);
    Control<QAction>("MnuHeighScores")->trigger();

    frmNewGame* dialog = OpenNewGame();
    ASSERT_NE(dialog, nullptr);
    ExpectCaptionsFit(*dialog);
    dialog->close();

    Control<QAction>("MnuStatistics")->trigger();
    auto* statistics = window->findChild<frmStatistics*>();
    ASSERT_NE(statistics, nullptr);
    QSignalSpy filled(statistics, &frmStatistics::figuresShown);
    ASSERT_TRUE(filled.wait(5000));
    ExpectCaptionsFit(*statistics);
    // Figures are written the language's way: all five put a comma before the decimals.
    EXPECT_EQ(FindControl<QLabel>(*statistics, "lblAverageScore")->text(), "0,0");
    if (const QByteArray folder = qgetenv("TOLMORA_LANGUAGE_SHOTS"); !folder.isEmpty())
        window->grab().save(QStringLiteral("%1/main_%2.png").arg(QString::fromLocal8Bit(folder), GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Every, LanguageWindows, ::testing::ValuesIn(kLanguages));

// With no translation the game reads in English as it always has.
TEST(LanguageFallback, EnglishAndUnknownLanguagesNeedNoTranslation)
{
    for (const char* name : {"en_US", "C", "ja_JP"})
        EXPECT_EQ(Translations(QLocale(QString::fromLatin1(name))).language().toStdString(), "en") << name;
    EXPECT_EQ(LocalisedResource(":/rules/rules", ".html", QLocale(QStringLiteral("en_GB"))), ":/rules/rules.html");
    EXPECT_EQ(Translations(QLocale(QStringLiteral("de_AT"))).language().toStdString(), "de");
}

}  // namespace
