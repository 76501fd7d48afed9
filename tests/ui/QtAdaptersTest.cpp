#include "QtFileDialog.h"
#include "QtInputBox.h"
#include "QtMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {
// Runs `answer` on the next modal dialog as soon as it shows. A dialog that
// is still open two seconds later is closed and the test fails, so a wrong
// answer can never hang the suite.
void AnswerNextModal(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer;
    auto ticks = std::make_shared<int>(0);
    auto answered = std::make_shared<bool>(false);
    QObject::connect(poll, &QTimer::timeout, [poll, ticks, answered, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        ++*ticks;
        if (modal && !*answered) {
            *answered = true;
            answer(modal);
        } else if (modal && *ticks > 200) {
            ADD_FAILURE() << "the dialog stayed open after its answer";
            modal->close();
        } else if (!modal && (*answered || *ticks > 200)) {
            if (!*answered)
                ADD_FAILURE() << "no modal dialog showed";
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

QAbstractButton* ButtonOf(QMessageBox* box, QMessageBox::StandardButton which)
{
    return box->button(which);
}
}  // namespace

TEST(QtMessageBoxTest, QuestionShowsTextTitleAndYesNo)
{
    // The confirmation is a Yes/No box under the given title; No answers No.
    QtMessageBox messages;
    QString seenText;
    QString seenTitle;
    bool hasYes = false;
    bool hasOk = true;
    AnswerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seenText = box->text();
        seenTitle = box->windowTitle();
        hasYes = ButtonOf(box, QMessageBox::Yes) != nullptr;
        hasOk = ButtonOf(box, QMessageBox::Ok) != nullptr;
        ButtonOf(box, QMessageBox::No)->click();
    });
    const MessageAnswer answer =
        messages.Show("Are you sure you want to start a new game?", "Tolmora", MessageButtons::YesNo);
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(seenText, "Are you sure you want to start a new game?");
    EXPECT_EQ(seenTitle, "Tolmora");
    EXPECT_TRUE(hasYes);
    EXPECT_FALSE(hasOk);
}

TEST(QtMessageBoxTest, YesAnswersYesAndClosingAnswersNo)
{
    // Only the Yes button starts anything; closing the box is No.
    QtMessageBox messages;
    AnswerNextModal([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(messages.Show("?", "Tolmora", MessageButtons::YesNo), MessageAnswer::Yes);
    AnswerNextModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(messages.Show("?", "Tolmora", MessageButtons::YesNo), MessageAnswer::No);
}

TEST(QtMessageBoxTest, ErrorShowsAnOkButtonOnly)
{
    // The range messages carry the title "Error" and a single OK.
    QtMessageBox messages;
    QString title;
    int buttons = 0;
    AnswerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        title = box->windowTitle();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(messages.Show("The game height must be above 2", "Error", MessageButtons::Ok), MessageAnswer::Ok);
    EXPECT_EQ(title, "Error");
    EXPECT_EQ(buttons, 1);
}

TEST(QtInputBoxTest, AcceptedAnswerIsReturnedCancelledIsNothing)
{
    // The typed name comes back; Cancel is no answer at all.
    QtInputBox input;
    QString prompt;
    QString title;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        prompt = dialog->labelText();
        title = dialog->windowTitle();
        dialog->setTextValue(QStringLiteral("Zoë"));
        dialog->accept();
    });
    EXPECT_EQ(input.Ask("Please enter your name.", "New High Score", ""), std::optional<std::string>("Zoë"));
    EXPECT_EQ(prompt, "Please enter your name.");
    EXPECT_EQ(title, "New High Score");

    AnswerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(input.Ask("Please enter your name.", "New High Score", ""), std::nullopt);
}

TEST(QtFileDialogTest, ThemeDialogHasItsTitleFiltersAndStartFolder)
{
    // "Orvik Tolmora", theme files first, then every file, in the program's folder.
    QTemporaryDir folder;
    const auto dialog = QtFileDialog::CreateThemeDialog(nullptr, folder.path().toStdString());
    EXPECT_EQ(dialog->windowTitle(), "Orvik Tolmora");
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"Theme File (*.tlm)", "All Files (*.*)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), "Theme File (*.tlm)");
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
}

TEST(QtFileDialogTest, AllFilesShowsFilesWithoutAnExtension)
{
    // "*.*" means every file, as on the desktop it comes from, not only names with a dot.
    QTemporaryDir folder;
    QFile(folder.filePath("dark.tlm")).open(QIODevice::WriteOnly);
    QFile(folder.filePath("README")).open(QIODevice::WriteOnly);
    const auto dialog = QtFileDialog::CreateThemeDialog(nullptr, folder.path().toStdString());
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->nameFilters(), QStringList{"*.tlm"});

    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setCurrentIndex(1);
    emit types->activated(1);
    emit types->textActivated(types->itemText(1));
    EXPECT_EQ(model->nameFilters(), QStringList{"*"});
}

TEST(QtFileDialogTest, CancelledDialogGivesAnEmptyPath)
{
    // Cancel is the empty path that the theme menu ignores.
    QTemporaryDir folder;
    QtFileDialog files;
    AnswerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(files.ShowThemeDialog(folder.path().toStdString()), "");
}

TEST(QtFileDialogTest, ChosenFileComesBackAsItsFullPath)
{
    // A name typed into the dialog comes back as the file's absolute path.
    QTemporaryDir folder;
    QFile(folder.filePath("dark.tlm")).open(QIODevice::WriteOnly);
    QtFileDialog files;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("dark.tlm"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(files.ShowThemeDialog(folder.path().toStdString()), folder.filePath("dark.tlm").toStdString());
}
