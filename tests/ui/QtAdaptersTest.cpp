#include "QtFileDialog.h"
#include "QtInputBox.h"
#include "QtMessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {
// Answers the next modal dialog from inside its own event loop; a dialog of another kind fails the test and is
// closed. A dialog the answer leaves open hangs its test until the suite's time limit fails it.
template <typename Dialog>
void AnswerNextModal(std::function<void(Dialog*)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(modal))
            return answer(dialog);
        ADD_FAILURE() << "no dialog of the expected kind showed";
        if (modal)
            modal->close();
    });
}
}  // namespace

TEST(QtMessageBoxTest, OnlyYesAnswersYes)
{
    // The confirmation is a Yes/No box under its title: No or closing it answers No; an error carries a single OK.
    QtMessageBox messages;
    QString seen;
    const auto pressNext = [&seen](QMessageBox::StandardButton button) {
        AnswerNextModal<QMessageBox>([&seen, button](QMessageBox* box) {
            seen += box->text() + " " + box->windowTitle() + " " + QString::number(box->buttons().size()) + "|";
            button == QMessageBox::NoButton ? void(box->close()) : box->button(button)->click();
        });
    };
    pressNext(QMessageBox::Yes);
    EXPECT_EQ(messages.Show("Sure?", "Tolmora", MessageButtons::YesNo), MessageAnswer::Yes);
    pressNext(QMessageBox::No);
    EXPECT_EQ(messages.Show("Sure?", "Tolmora", MessageButtons::YesNo), MessageAnswer::No);
    pressNext(QMessageBox::NoButton);
    EXPECT_EQ(messages.Show("Sure?", "Tolmora", MessageButtons::YesNo), MessageAnswer::No);
    pressNext(QMessageBox::Ok);
    EXPECT_EQ(messages.Show("Too small", "Error", MessageButtons::Ok), MessageAnswer::Ok);
    EXPECT_EQ(seen, "Sure? Tolmora 2|Sure? Tolmora 2|Sure? Tolmora 2|Too small Error 1|");
}

TEST(QtInputBoxTest, TypedNameComesBackAsUtf8)
{
    // A name with an accent must reach the settings file intact; Cancel is no answer at all.
    QtInputBox input;
    AnswerNextModal<QInputDialog>([](QInputDialog* dialog) {
        dialog->setTextValue(QStringLiteral("Zoë"));
        dialog->accept();
    });
    EXPECT_EQ(input.Ask("Please enter your name.", "New High Score", ""), std::optional<std::string>("Zo\xC3\xAB"));
    AnswerNextModal<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(input.Ask("Please enter your name.", "New High Score", ""), std::nullopt);
}

TEST(QtFileDialogTest, ThemeDialogStartsInTheProgramsFolderAndAllFilesMeansEveryFile)
{
    // "Orvik Tolmora" shows theme files first; "*.*" must not hide a file without an extension.
    QTemporaryDir folder;
    const auto dialog = QtFileDialog::CreateThemeDialog(nullptr, folder.path().toStdString());
    EXPECT_EQ(dialog->windowTitle(), "Orvik Tolmora");
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"Theme File (*.tlm)", "All Files (*.*)"}));
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
    auto* model = dialog->findChild<QFileSystemModel*>();
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(model && types);
    EXPECT_EQ(model->nameFilters(), QStringList{"*.tlm"});
    types->setCurrentIndex(1);
    emit types->textActivated(types->itemText(1));
    EXPECT_EQ(model->nameFilters(), QStringList{"*"});
}

TEST(QtFileDialogTest, ChosenFileIsItsFullPathCancelIsEmpty)
{
    // A name typed into the dialog comes back as an absolute path; Cancel is the empty path the theme menu ignores.
    QTemporaryDir folder;
    QFile(folder.filePath("dark.tlm")).open(QIODevice::WriteOnly);
    QtFileDialog files;
    AnswerNextModal<QFileDialog>([](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("dark.tlm"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(files.ShowThemeDialog(folder.path().toStdString()), folder.filePath("dark.tlm").toStdString());
    AnswerNextModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(files.ShowThemeDialog(folder.path().toStdString()), "");
}
