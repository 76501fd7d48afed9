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

QTextEdit* View(frmRules* window) { return window->findChild<QTextEdit*>(); }

QTextBlock FindBlock(const QTextDocument& document, const QString& text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.text() == text)
            return block;
    return {};
}

struct Landmark {
    QString text;
    Qt::Alignment alignment;
    double pointSize;
    bool underlined;
};

void PrintTo(const Landmark& landmark, std::ostream* out) { *out << landmark.text.toStdString(); }

class RulesLandmark : public ::testing::TestWithParam<Landmark> {};

// The document comes from the built-in resource: its title and headings keep their sizes, weight, underline and place.
TEST_P(RulesLandmark, ShownWithItsFormat)
{
    const Landmark& landmark = GetParam();
    QTextDocument document;
    frmRules::LoadHelpDocument(document);
    const QTextBlock block = FindBlock(document, landmark.text);
    ASSERT_TRUE(block.isValid()) << landmark.text.toStdString() << " is missing";
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, landmark.alignment);
    const QTextCharFormat format = block.begin().fragment().charFormat();
    EXPECT_EQ(format.fontPointSize(), landmark.pointSize);
    EXPECT_GE(format.fontWeight(), QFont::Bold);
    EXPECT_EQ(format.fontUnderline(), landmark.underlined);
}

INSTANTIATE_TEST_SUITE_P(TitleAndHeadings, RulesLandmark,
                         ::testing::Values(Landmark{"Tolmora", Qt::AlignHCenter, 24, false},
                                           Landmark{"Introduction:", Qt::AlignLeft, 16, true},
                                           Landmark{"Rules:", Qt::AlignLeft, 16, true},
                                           Landmark{"About the Developers:", Qt::AlignLeft, 16, true}));

// Body text is proportional 10-point Arial, and every tab (bullets and the introduction) lands on the 48-pixel hanging indent.
TEST(RulesDocument, BodyFontAndHangingIndent)
{
    QTextDocument document;
    frmRules::LoadHelpDocument(document);
    document.setTextWidth(300);
    document.documentLayout();
    int tabbed = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int tab = block.text().indexOf('\t');
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            EXPECT_EQ(it.fragment().charFormat().fontFamilies().toStringList().value(0), "Arial");
            EXPECT_FALSE(QFontInfo(it.fragment().charFormat().font()).fixedPitch());
        }
        if (tab < 0)
            continue;
        SCOPED_TRACE(block.text().left(40).toStdString());
        ++tabbed;
        EXPECT_EQ(block.begin().fragment().charFormat().fontPointSize(), 10);
        const QTextLayout* layout = block.layout();
        ASSERT_GT(layout->lineCount(), 0);
        EXPECT_EQ(layout->lineAt(0).cursorToX(tab + 1), 48);
        // A wrapped list item continues under its text, not under the bullet.
        if (block.text().startsWith(u'\u2022') && layout->lineCount() > 1) {
            EXPECT_EQ(layout->lineAt(1).cursorToX(layout->lineAt(1).textStart()), 48);
        }
    }
    EXPECT_GE(tabbed, 2);
}

class RulesWindow : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            delete qobject_cast<frmRules*>(widget);
    }
};

// The window opens at its design size on the document's top, can scroll, and its view covers the client area at any size and after a restore.
TEST_F(RulesWindow, ViewAlwaysCoversTheClientArea)
{
    frmRules* window = frmRules::ShowOrRaise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();
    QTextEdit* view = View(window);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(window->windowTitle(), "Rules");
    EXPECT_EQ(window->size(), QSize(312, 213));
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);
    EXPECT_GT(view->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(view->document()->begin().text(), "Tolmora");
    for (const QSize size : {QSize(900, 700), QSize(1, 1), QSize(200, 1000), QSize(500, 400)}) {
        window->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(view->geometry(), window->rect());
    }
    window->showMinimized();
    QApplication::processEvents();
    window->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(500, 400));
    EXPECT_EQ(view->geometry(), window->rect());
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

    View(first)->setPlainText("scribbled over");
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(View(frmRules::ShowOrRaise())->document()->begin().text(), "Tolmora");
}

}  // namespace
