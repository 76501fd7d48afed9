#include "frmRules.h"

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

namespace {

enum Kind { Title, Heading, Gap, Body, Bullet, Credit };

const std::pair<Kind, QString> kParagraphs[] = {
    {Title, "Tolmora"}, {Gap, ""}, {Heading, "Introduction:"}, {Gap, ""},
    {Body, "\tA game of strategey and time. The objective is of course to get as high of a score as possible before time runs out."},
    {Gap, ""}, {Heading, "Rules:"}, {Gap, ""}, {Bullet, "To remove a block it must be connected to at least one other like colored brick."},
    {Bullet, "Each level has a minimum grouping score required to be removed before you can level. To reach this you must eliminate a block group of the number specified at the bottom of the right column where your score is shown. If you do not eliminate a block section of that size before your bricks for level is reached you will stop receiving points for eliminating bricks however the bricks you remove will still count towards your next level when you do level."},
    {Bullet, "Each time you remove a brick section as large or larger than you Grouping score you will be given an additional 5 seconds of time. Each time you gain a level you will be given an additional 30 seconds."},
    {Bullet, "Score is calculated based on the size of the group. So the larger the group you eliminate the more points each brick is worth."},
    {Bullet, "If you are jammed and cannot remove any more bricks you may always hit the fill empty space button for a 30 secodn penalty."},
    {Bullet, "Have fun!"},
    {Gap, ""}, {Heading, "About the Developers:"}, {Gap, ""}, {Credit, "The Tolmora developers: Wrote the game, its windows, this help and the tools that make the example themes."},
    {Gap, ""}, {Credit, "The Tolmora synthesizer (tools/synth): Plays the game's tunes and the example themes' sounds from notes the developers wrote down."},
    {Gap, ""}, {Credit, "The Tolmora brick painter (tools/bricks): Paints the built-in bricks, which also make up the program's icon."},
};

// The help document's texts (misspellings included), sizes, bold, underline, centring, bullets and tabs.
TEST(RulesDocument, TextsAndFormatsAsDesigned)
{
    QTextDocument document;
    frmRules::LoadHelpDocument(document);
    QTextBlock block = document.begin();
    Kind previous = Gap;
    for (const auto& [kind, text] : kParagraphs) {
        SCOPED_TRACE(text.left(40).toStdString());
        ASSERT_TRUE(block.isValid());
        EXPECT_EQ(block.text(), kind == Bullet ? "\u2022\t" + text : text);
        EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, kind == Title ? Qt::AlignHCenter : Qt::AlignLeft);
        EXPECT_EQ(block.blockFormat().leftMargin(), kind == Bullet ? 48 : 0);
        EXPECT_EQ(block.blockFormat().textIndent(), kind == Bullet ? -48 : 0);
        EXPECT_TRUE(previous != Heading || block.charFormat().fontPointSize() == 10);
        int runs = 0;
        for (auto it = block.begin(); !it.atEnd(); ++it, ++runs) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool name = kind == Credit && runs == 0;
            EXPECT_EQ(format.fontWeight() >= QFont::Bold, kind == Title || kind == Heading || name);
            EXPECT_EQ(format.fontUnderline(), kind == Heading);
            EXPECT_EQ(format.fontPointSize(), kind == Title ? 24 : kind == Heading ? 16 : 10);
            EXPECT_EQ(format.fontFamilies().toStringList().value(0), "Arial");
            EXPECT_FALSE(QFontInfo(format.font()).fixedPitch());
            EXPECT_TRUE(!name || it.fragment().text().endsWith(':'));
        }
        EXPECT_TRUE(kind != Credit || runs == 2);
        previous = kind;
        block = block.next();
    }
    EXPECT_FALSE(block.isValid());

    // The tab after a bullet lands on the hanging indent, where the item's
    // wrapped lines start; the introduction's tab indents by the same.
    document.setTextWidth(300);
    document.documentLayout();
    QTextLayout* item = document.findBlockByNumber(9).layout();
    ASSERT_GT(item->lineCount(), 2);
    EXPECT_EQ(item->lineAt(0).cursorToX(2), 48);
    EXPECT_EQ(item->lineAt(1).cursorToX(item->lineAt(1).textStart()), 48);
    EXPECT_EQ(document.findBlockByNumber(4).layout()->lineAt(0).cursorToX(1), 48);
}

class RulesWindow : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            delete qobject_cast<frmRules*>(widget);
    }
};

// The view exactly covers the client area at the design size, at any size, and after minimize and restore.
TEST_F(RulesWindow, ViewAlwaysCoversTheClientArea)
{
    frmRules* window = frmRules::ShowOrRaise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();
    EXPECT_EQ(window->windowTitle(), "Rules");
    EXPECT_EQ(window->size(), QSize(312, 213));
    EXPECT_EQ(window->rtbHelp->verticalScrollBar()->value(), 0);
    EXPECT_GT(window->rtbHelp->verticalScrollBar()->maximum(), 0);
    for (const QSize size : {QSize(900, 700), QSize(1, 1), QSize(200, 1000), QSize(500, 400)}) {
        window->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(window->rtbHelp->geometry(), window->rect());
    }
    window->showMinimized();
    QApplication::processEvents();
    window->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(500, 400));
    EXPECT_EQ(window->rtbHelp->geometry(), window->rect());
}

// Choosing the item twice gives one unowned, non-modal window; after closing, the next is built afresh.
TEST_F(RulesWindow, OneWindowAtATime)
{
    QPointer<frmRules> first = frmRules::ShowOrRaise();
    first->showMinimized();
    QApplication::processEvents();
    EXPECT_EQ(frmRules::ShowOrRaise(), first);
    EXPECT_FALSE(first->isMinimized());
    EXPECT_EQ(first->parentWidget(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    first->rtbHelp->setPlainText("scribbled over");
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(frmRules::ShowOrRaise()->rtbHelp->document()->begin().text(), "Tolmora");
}

}  // namespace
