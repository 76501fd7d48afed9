#include "FrmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Every test opens the box without blocking; should something run a nested
// modal loop anyway, this closes it and fails instead of hanging.
class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_watchdog.setSingleShot(true);
        QObject::connect(&m_watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a modal dialog was left waiting";
                modal->close();
            }
        });
        m_watchdog.start(5000);
    }

    QTimer m_watchdog;
};

} // namespace

using AboutWindowContent = AboutWindow;

// The title is built from the project's version, not typed in by hand.
TEST_F(AboutWindowContent, TitleShowsTheBuildVersion)
{
    FrmAbout about;
    EXPECT_EQ(about.Label1->text(), QStringLiteral("Tolmora v1.1.0"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.Label2->text(), QStringLiteral("Credits"));
}

// Credits: three sections, 40 dashes, CR LF breaks, two empty lines between sections.
TEST_F(AboutWindowContent, CreditsTextIsExact)
{
    const QString dashes = QStringLiteral("----------------------------------------");
    const QString expected = QStringLiteral("Developers\r\n") + dashes + QStringLiteral(
        "\r\nThe Tolmora developers\r\n\r\n\r\n"
        "Sound\r\n") + dashes + QStringLiteral(
        "\r\nThe Tolmora synthesizer (tools/synth)\r\n"
        "Tunes and effects by the Tolmora developers\r\n\r\n\r\n"
        "Graphics\r\n") + dashes + QStringLiteral(
        "\r\nThe Tolmora brick painter (tools/bricks)\r\n"
        "Pictures and icon by the Tolmora developers");
    EXPECT_EQ(FrmAbout::CreditsText(), expected);
    FrmAbout about;
    EXPECT_EQ(about.lblCredits->text(), expected);
}

// The legal notice is set at load and fits its label without being cut off.
TEST_F(AboutWindowContent, LegalNoticeFitsItsLabel)
{
    FrmAbout about;
    ASSERT_FALSE(about.lblCopyright->text().isEmpty());
    EXPECT_LE(about.lblCopyright->heightForWidth(about.lblCopyright->width()),
              about.lblCopyright->height());
}

// Twip geometry at 15 twips per pixel; a fixed dialog that cannot be resized.
TEST_F(AboutWindowContent, FixedDialogWithDesignGeometry)
{
    FrmAbout about;
    EXPECT_EQ(about.size(), QSize(395, 243));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(about.Label1->geometry(), QRect(8, 8, 377, 49));
    EXPECT_EQ(about.Label2->geometry(), QRect(0, 64, 393, 17));
    EXPECT_EQ(about.Picture1->geometry(), QRect(0, 80, 395, 69));
    EXPECT_EQ(about.lblCopyright->geometry(), QRect(8, 152, 313, 81));
}

using AboutCreditsScroll = AboutWindow;

namespace {

// The credits label's left edge must put it in the middle of the viewport.
void ExpectCentred(const FrmAbout& about)
{
    const int slack = 2 * about.lblCredits->x() + about.lblCredits->width() - about.Picture1->width();
    EXPECT_LE(std::abs(slack), 1) << "x=" << about.lblCredits->x();
}

} // namespace

// At load the credits sit at their design top (120 twips), centred, with the
// 50 ms timer already running.
TEST_F(AboutCreditsScroll, StartsCentredAtDesignTopAndScrolling)
{
    FrmAbout about;
    EXPECT_TRUE(about.timScroll->isActive());
    EXPECT_EQ(about.timScroll->interval(), 50);
    EXPECT_EQ(about.lblCredits->y(), 8);
    ExpectCentred(about);
    EXPECT_EQ(about.lblCredits->parentWidget(), about.Picture1);
}

// Each tick moves the text up by 15 twips, one pixel, and keeps it centred.
TEST_F(AboutCreditsScroll, EachTickMovesUpOnePixel)
{
    FrmAbout about;
    about.timScroll_Timer();
    EXPECT_EQ(about.lblCredits->y(), 7);
    about.timScroll_Timer();
    about.timScroll_Timer();
    EXPECT_EQ(about.lblCredits->y(), 5);
    ExpectCentred(about);
}

// A text taller than the viewport scrolls through completely before it restarts
// at inner height + 25 twips (1060 twips, 70.67 px, shown at 71).
TEST_F(AboutCreditsScroll, WrapsOnlyOnceWhollyAboveTheViewport)
{
    FrmAbout about;
    const int height = about.lblCredits->height();
    ASSERT_GT(height, about.Picture1->height());

    // From 8 px, after 7 + height ticks the last pixel row is still at row 0.
    for (int tick = 0; tick < 7 + height; ++tick)
        about.timScroll_Timer();
    EXPECT_EQ(about.lblCredits->y(), 1 - height);

    about.timScroll_Timer();
    EXPECT_EQ(about.lblCredits->y(), 71);
    ExpectCentred(about);

    // 1045 twips is 69.67 px, then 1030 twips is 68.67 px.
    about.timScroll_Timer();
    EXPECT_EQ(about.lblCredits->y(), 70);
    about.timScroll_Timer();
    EXPECT_EQ(about.lblCredits->y(), 69);
}

// After the first wrap the whole text passes again: the second wrap comes after
// 71 + height ticks, with no drift from fractional twips.
TEST_F(AboutCreditsScroll, SecondPassIsCompleteToo)
{
    FrmAbout about;
    const int height = about.lblCredits->height();
    for (int tick = 0; tick < 8 + height; ++tick)
        about.timScroll_Timer();
    ASSERT_EQ(about.lblCredits->y(), 71);

    int ticks = 0;
    int lowest = about.lblCredits->y();
    do {
        about.timScroll_Timer();
        ++ticks;
        if (about.lblCredits->y() < lowest)
            lowest = about.lblCredits->y();
    } while (about.lblCredits->y() != 71 && ticks < 10000);
    EXPECT_EQ(lowest, 1 - height);
    EXPECT_EQ(ticks, 71 + height);
}

namespace {

struct ClickTarget {
    const char* name;
    QWidget* (*widget)(FrmAbout&);
    QPoint (*point)(FrmAbout&);
};

void PrintTo(const ClickTarget& target, std::ostream* os) { *os << target.name; }

} // namespace

class AboutClickToClose : public ::testing::TestWithParam<ClickTarget> {};

// A click on the form or on any of its text areas closes the box.
TEST_P(AboutClickToClose, LeftClickCloses)
{
    FrmAbout about;
    about.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QSignalSpy finished(&about, &QDialog::finished);

    QWidget* target = GetParam().widget(about);
    const QPoint point = GetParam().point(about);
    // The point must hit the target itself, not a child lying over it.
    ASSERT_EQ(about.childAt(target->mapTo(&about, point)), target == &about ? nullptr : target);

    QTest::mouseClick(target, Qt::LeftButton, {}, point);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(about.timScroll->isActive());
}

INSTANTIATE_TEST_SUITE_P(
    EveryTarget, AboutClickToClose,
    ::testing::Values(
        ClickTarget{"Form", [](FrmAbout& a) -> QWidget* { return &a; },
                    [](FrmAbout&) { return QPoint(390, 238); }},
        ClickTarget{"Label1", [](FrmAbout& a) -> QWidget* { return a.Label1; },
                    [](FrmAbout& a) { return a.Label1->rect().center(); }},
        ClickTarget{"Label2", [](FrmAbout& a) -> QWidget* { return a.Label2; },
                    [](FrmAbout& a) { return a.Label2->rect().center(); }},
        ClickTarget{"Picture1", [](FrmAbout& a) -> QWidget* { return a.Picture1; },
                    [](FrmAbout&) { return QPoint(2, 2); }},
        ClickTarget{"lblCredits", [](FrmAbout& a) -> QWidget* { return a.lblCredits; },
                    [](FrmAbout& a) { return QPoint(a.lblCredits->width() / 2, 10); }},
        ClickTarget{"lblCopyright", [](FrmAbout& a) -> QWidget* { return a.lblCopyright; },
                    [](FrmAbout& a) { return a.lblCopyright->rect().center(); }}),
    [](const ::testing::TestParamInfo<ClickTarget>& info) { return std::string(info.param.name); });

// The menu's entry point blocks on its owner until a click closes the box.
TEST(AboutShowOwnedBy, ModalOverItsOwnerUntilClicked)
{
    QWidget owner;
    owner.show();
    QPointer<QWidget> seen;
    bool modal = false;
    bool owned = false;
    QTimer::singleShot(0, [&] {
        seen = QApplication::activeModalWidget();
        if (!seen)
            return;
        modal = seen->isModal();
        auto* about = qobject_cast<FrmAbout*>(seen.data());
        owned = about && about->parentWidget() == &owner;
        if (about)
            QTest::mouseClick(about->lblCredits, Qt::LeftButton, {}, QPoint(about->lblCredits->width() / 2, 10));
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    watchdog.start(5000);

    FrmAbout::ShowOwnedBy(&owner);
    EXPECT_TRUE(watchdog.isActive()) << "the click did not close the box";
    EXPECT_TRUE(modal);
    EXPECT_TRUE(owned);
    EXPECT_TRUE(seen.isNull()) << "the box outlived its modal loop";
}
