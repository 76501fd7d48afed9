#include "frmRules.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TextRun {
    QString text;
    QTextCharFormat format;
};

struct Paragraph {
    QString text;
    QTextBlockFormat block;
    QTextCharFormat blockChar;
    std::vector<TextRun> runs;
};

std::vector<Paragraph> ReadBack(const QTextDocument& document)
{
    std::vector<Paragraph> paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph paragraph{block.text(), block.blockFormat(), block.charFormat(), {}};
        for (auto it = block.begin(); !it.atEnd(); ++it)
            paragraph.runs.push_back({it.fragment().text(), it.fragment().charFormat()});
        paragraphs.push_back(paragraph);
    }
    return paragraphs;
}

bool IsBold(const QTextCharFormat& format) { return format.fontWeight() >= QFont::Bold; }

const QString Bullet = QStringLiteral("\u2022\t");

const QStringList ExpectedTexts = {
    QStringLiteral("Tolmora"),
    QString(),
    QStringLiteral("Introduction:"),
    QString(),
    QStringLiteral("\tA game of strategey and time. The objective is of course to get as high of a score as possible before time runs out."),
    QString(),
    QStringLiteral("Rules:"),
    QString(),
    Bullet + QStringLiteral("To remove a block it must be connected to at least one other like colored brick."),
    Bullet + QStringLiteral("Each level has a minimum grouping score required to be removed before you can level. To reach this you must eliminate a block group of the number specified at the bottom of the right column where your score is shown. If you do not eliminate a block section of that size before your bricks for level is reached you will stop receiving points for eliminating bricks however the bricks you remove will still count towards your next level when you do level."),
    Bullet + QStringLiteral("Each time you remove a brick section as large or larger than you Grouping score you will be given an additional 5 seconds of time. Each time you gain a level you will be given an additional 30 seconds."),
    Bullet + QStringLiteral("Score is calculated based on the size of the group. So the larger the group you eliminate the more points each brick is worth."),
    Bullet + QStringLiteral("If you are jammed and cannot remove any more bricks you may always hit the fill empty space button for a 30 secodn penalty."),
    Bullet + QStringLiteral("Have fun!"),
    QString(),
    QStringLiteral("About the Developers:"),
    QString(),
    QStringLiteral("The Tolmora developers: Wrote the game, its windows, this help and the tools that make the example themes."),
    QString(),
    QStringLiteral("The Tolmora synthesizer (tools/synth): Plays the game's tunes and the example themes' sounds from notes the developers wrote down."),
    QString(),
    QStringLiteral("The Tolmora brick painter (tools/bricks): Paints the built-in bricks, which also make up the program's icon."),
};

class RulesDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        frmRules::LoadHelpDocument(m_document);
        m_paragraphs = ReadBack(m_document);
    }

    const Paragraph& At(int index) const { return m_paragraphs.at(static_cast<size_t>(index)); }

    QTextDocument m_document;
    std::vector<Paragraph> m_paragraphs;
};

} // namespace

// Every paragraph's text, misspellings included, in the designed order.
TEST_F(RulesDocument, ParagraphTextsInOrder)
{
    QStringList texts;
    for (const Paragraph& paragraph : m_paragraphs)
        texts << paragraph.text;
    EXPECT_EQ(texts, ExpectedTexts);
}

// The title is centred, bold, 24 pt; everything else is left aligned.
TEST_F(RulesDocument, TitleCentredBold24)
{
    ASSERT_EQ(At(0).runs.size(), 1u);
    EXPECT_EQ(At(0).block.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(IsBold(At(0).runs[0].format));
    EXPECT_FALSE(At(0).runs[0].format.fontUnderline());
    EXPECT_EQ(At(0).runs[0].format.fontPointSize(), 24.0);
    for (size_t i = 1; i < m_paragraphs.size(); ++i)
        EXPECT_EQ(m_paragraphs[i].block.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft) << i;
}

// The three headings are bold, underlined, 16 pt and followed by a 10 pt empty line.
TEST_F(RulesDocument, HeadingsBoldUnderlined16)
{
    for (int index : {2, 6, 15}) {
        ASSERT_EQ(At(index).runs.size(), 1u) << index;
        const QTextCharFormat& format = At(index).runs[0].format;
        EXPECT_TRUE(IsBold(format)) << index;
        EXPECT_TRUE(format.fontUnderline()) << index;
        EXPECT_EQ(format.fontPointSize(), 16.0) << index;
        EXPECT_TRUE(At(index + 1).text.isEmpty()) << index;
        EXPECT_EQ(At(index + 1).blockChar.fontPointSize(), 10.0) << index;
    }
}

// Introduction and list are plain 10 pt text: no bold or underline leaks from the headings.
TEST_F(RulesDocument, BodyTextPlain10pt)
{
    for (int index : {4, 8, 9, 10, 11, 12, 13}) {
        for (const TextRun& run : At(index).runs) {
            EXPECT_FALSE(IsBold(run.format)) << index;
            EXPECT_FALSE(run.format.fontUnderline()) << index;
            EXPECT_EQ(run.format.fontPointSize(), 10.0) << index;
        }
    }
}

// List items: left indent 720 twips (48 px), first line 720 twips further left.
TEST_F(RulesDocument, BulletsHaveHangingIndent)
{
    int bullets = 0;
    for (const Paragraph& paragraph : m_paragraphs) {
        if (!paragraph.text.startsWith(Bullet)) {
            EXPECT_EQ(paragraph.block.leftMargin(), 0.0) << paragraph.text.toStdString();
            EXPECT_EQ(paragraph.block.textIndent(), 0.0) << paragraph.text.toStdString();
            continue;
        }
        ++bullets;
        EXPECT_EQ(paragraph.block.leftMargin(), 48.0);
        EXPECT_EQ(paragraph.block.textIndent(), -48.0);
    }
    EXPECT_EQ(bullets, 6);
}

// The tab after a bullet lands on the hanging indent, so an item's first line
// starts where its wrapped lines do; the introduction's tab indents by the same.
TEST_F(RulesDocument, TabsLandOnTheIndent)
{
    m_document.setTextWidth(300);
    m_document.documentLayout();
    const QTextBlock longItem = m_document.findBlockByNumber(9);
    QTextLayout* layout = longItem.layout();
    ASSERT_GT(layout->lineCount(), 2);
    EXPECT_EQ(layout->lineAt(0).cursorToX(2), 48.0);
    EXPECT_EQ(layout->lineAt(1).cursorToX(layout->lineAt(1).textStart()), 48.0);

    const QTextBlock introduction = m_document.findBlockByNumber(4);
    EXPECT_EQ(introduction.layout()->lineAt(0).cursorToX(1), 48.0);
}

// The text face is Arial, with the desktop's sans-serif standing in where Arial is missing.
TEST_F(RulesDocument, FontsAreArialWithSansFallback)
{
    for (const Paragraph& paragraph : m_paragraphs) {
        for (const TextRun& run : paragraph.runs) {
            const QStringList families = run.format.fontFamilies().toStringList();
            ASSERT_FALSE(families.isEmpty()) << run.text.toStdString();
            EXPECT_EQ(families.first(), QStringLiteral("Arial"));
            EXPECT_TRUE(families.contains(QStringLiteral("sans-serif")));
            EXPECT_FALSE(QFontInfo(run.format.font()).fixedPitch()) << run.text.toStdString();
        }
    }
}

// The closing section credits three of our own: a bold name with its colon, then plain text.
TEST_F(RulesDocument, ContributorsNameInBoldThenPlainSentence)
{
    const QStringList names = {QStringLiteral("The Tolmora developers:"),
                               QStringLiteral("The Tolmora synthesizer (tools/synth):"),
                               QStringLiteral("The Tolmora brick painter (tools/bricks):")};
    int index = 17;
    for (const QString& name : names) {
        ASSERT_EQ(At(index).runs.size(), 2u) << index;
        EXPECT_EQ(At(index).runs[0].text, name);
        EXPECT_TRUE(IsBold(At(index).runs[0].format));
        EXPECT_FALSE(IsBold(At(index).runs[1].format));
        EXPECT_FALSE(At(index).runs[1].format.fontUnderline());
        EXPECT_EQ(At(index).runs[1].format.fontPointSize(), 10.0);
        index += 2;
    }
}

namespace {

class RulesWindow : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<frmRules*>(widget))
                delete widget;
    }

    static int OpenRulesWindows()
    {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<frmRules*>(widget) && widget->isVisible())
                ++count;
        return count;
    }

    static void ExpectViewCoversClient(const frmRules& window)
    {
        EXPECT_EQ(window.rtbHelp->geometry(), window.rect());
    }
};

} // namespace

// The first display: 4680 by 3195 twips, caption "Rules", the view over the whole client.
TEST_F(RulesWindow, FirstDisplayFillsTheDesignSize)
{
    frmRules* window = frmRules::ShowOrRaise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->size(), QSize(312, 213));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rules"));
    EXPECT_TRUE(window->rtbHelp->isReadOnly());
    ExpectViewCoversClient(*window);
}

// The document opens at its title, not scrolled to wherever loading left the caret.
TEST_F(RulesWindow, OpensAtTheTopOfTheDocument)
{
    frmRules* window = frmRules::ShowOrRaise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();
    ASSERT_GT(window->rtbHelp->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(window->rtbHelp->verticalScrollBar()->value(), 0);
}

// Resizing to any size keeps the view exactly over the client area.
TEST_F(RulesWindow, ResizeKeepsTheViewCoveringTheClient)
{
    frmRules* window = frmRules::ShowOrRaise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    for (const QSize size : {QSize(900, 700), QSize(40, 30), QSize(1, 1), QSize(200, 1000), QSize(313, 214)}) {
        window->resize(size);
        QApplication::processEvents();
        ExpectViewCoversClient(*window);
    }
}

// Minimize then restore leaves the view covering the client area.
TEST_F(RulesWindow, MinimizeAndRestoreKeepTheView)
{
    frmRules* window = frmRules::ShowOrRaise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->resize(500, 400);
    window->showMinimized();
    QApplication::processEvents();
    window->showNormal();
    QApplication::processEvents();
    ExpectViewCoversClient(*window);
    EXPECT_EQ(window->size(), QSize(500, 400));
}

// Choosing the menu item twice gives one window, brought back rather than duplicated.
TEST_F(RulesWindow, MenuItemTwiceGivesOneWindow)
{
    QAction menuItem(QStringLiteral("Rules and other help"));
    QObject::connect(&menuItem, &QAction::triggered, [] { frmRules::ShowOrRaise(); });
    menuItem.trigger();
    QPointer<frmRules> first = frmRules::ShowOrRaise();
    menuItem.trigger();
    EXPECT_EQ(OpenRulesWindows(), 1);
    EXPECT_EQ(frmRules::ShowOrRaise(), first.data());
}

// A minimized rules window comes back when the item is chosen again.
TEST_F(RulesWindow, ChosenAgainRestoresAMinimizedWindow)
{
    frmRules* window = frmRules::ShowOrRaise();
    window->showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(window->isMinimized());
    EXPECT_EQ(frmRules::ShowOrRaise(), window);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
}

// Closing discards the window; the next choice builds it afresh from the design.
TEST_F(RulesWindow, ClosedWindowIsRebuiltFromTheDesign)
{
    QPointer<frmRules> first = frmRules::ShowOrRaise();
    first->rtbHelp->setPlainText(QStringLiteral("scribbled over"));
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());

    frmRules* second = frmRules::ShowOrRaise();
    EXPECT_TRUE(second->rtbHelp->document()->begin().text() == QStringLiteral("Tolmora"));
    EXPECT_EQ(OpenRulesWindows(), 1);
}

// The rules window is neither modal nor owned: the game goes on beside it.
TEST_F(RulesWindow, NotModalAndWithoutOwner)
{
    frmRules* window = frmRules::ShowOrRaise();
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
