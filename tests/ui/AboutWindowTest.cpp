#include "FrmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

// The title carries the build's version, the notice fits, the dialog is fixed, and the credits show their line breaks with no stray CR.
TEST(AboutWindow, TitleCreditsAndNotice)
{
    FrmAbout about;
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.Label1->text(), "Tolmora v1.1.0");
    EXPECT_EQ(about.lblCredits->text().split('\n'), FrmAbout::CreditsText().split("\r\n"));
    EXPECT_LE(about.lblCopyright->heightForWidth(about.lblCopyright->width()), about.lblCopyright->height());
    EXPECT_EQ(about.size(), QSize(395, 243));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
}

// Each credits section is its title over a rule of 40 dashes over its names; two empty lines part the sections; CR LF breaks only.
TEST(AboutWindow, CreditsSectionsAreRuledAndSpaced)
{
    const QString names = R"(\r\n-{40}(\r\n[^\r\n]+)+)", gap = R"(\r\n\r\n\r\n)";
    const QRegularExpression layout("^Developers" + names + gap + "Sound" + names + gap + "Graphics" + names + "$");
    EXPECT_TRUE(layout.match(FrmAbout::CreditsText()).hasMatch()) << FrmAbout::CreditsText().toStdString();
}

// Credits climb one pixel a tick and re-enter below the viewport only once wholly above it, without drift.
TEST(AboutWindow, CreditsScrollAndWrapBelowTheViewport)
{
    FrmAbout about;
    EXPECT_TRUE(about.timScroll->isActive());
    EXPECT_EQ(about.timScroll->interval(), 50);
    const int height = about.lblCredits->height();
    ASSERT_GT(height, about.Picture1->height());
    auto tick = [&](int times) {
        while (times-- > 0)
            about.timScroll_Timer();
        return about.lblCredits->y();
    };
    EXPECT_EQ(tick(0), 8);  // the design top, 120 twips
    EXPECT_EQ(tick(1), 7);
    EXPECT_EQ(tick(6 + height), 1 - height);  // the last row still shows
    EXPECT_EQ(tick(1), 71);  // inner height + 25 twips, 70.67 px
    EXPECT_EQ(tick(1), 70);
    EXPECT_EQ(tick(69 + height), 1 - height);  // no drift from the fractional twips
    EXPECT_EQ(tick(1), 71);
    EXPECT_LE(std::abs(2 * about.lblCredits->x() + about.lblCredits->width() - about.Picture1->width()), 1);
}

// The box is modal over its owner until a left click on the form or any of its text areas closes it.
TEST(AboutWindow, ModalUntilAnyClickTargetClosesIt)
{
    QWidget owner;
    owner.show();
    for (int target = 0; target < 6; ++target) {
        SCOPED_TRACE(target);
        QPointer<FrmAbout> about;
        QTimer::singleShot(0, [&] {
            about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
            ASSERT_TRUE(about && about->isModal() && about->parentWidget() == &owner);
            const std::pair<QWidget*, QPoint> targets[] = {
                {about, QPoint(390, 238)}, {about->Label1, about->Label1->rect().center()},
                {about->Label2, about->Label2->rect().center()}, {about->Picture1, QPoint(2, 2)},
                {about->lblCredits, QPoint(about->lblCredits->width() / 2, 10)},
                {about->lblCopyright, about->lblCopyright->rect().center()}};
            const auto [widget, point] = targets[target];
            // The point must hit the target itself, not a child lying over it.
            ASSERT_EQ(about->childAt(widget->mapTo(about, point)), widget == about ? nullptr : widget);
            QTest::mouseClick(widget, Qt::LeftButton, {}, point);
        });
        QTimer watchdog;  // turns a box that stays open into a failure, not a hang
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        watchdog.start(5000);
        FrmAbout::ShowOwnedBy(&owner);
        EXPECT_TRUE(watchdog.isActive()) << "the click did not close the box";
        EXPECT_TRUE(about.isNull());
    }
}
