#include "QtFileDialog.h"

#include <QFileDialog>
#include <QFileSystemModel>

#include <QCoreApplication>

std::unique_ptr<QFileDialog> QtFileDialog::CreateThemeDialog(QWidget* owner, const std::filesystem::path& startFolder)
{
    auto dialog = std::make_unique<QFileDialog>(owner, QStringLiteral("Orvik Tolmora"),
                                                QString::fromStdString(startFolder.string()));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name need not exist; the theme menu checks for the file itself.
    dialog->setFileMode(QFileDialog::AnyFile);
    const QString themeFilter = QCoreApplication::translate("QtFileDialog", "Theme File (*.tlm)");
    const QString allFilter = QCoreApplication::translate("QtFileDialog", "All Files (*.*)");
    dialog->setNameFilters({themeFilter, allFilter});
    dialog->selectNameFilter(themeFilter);

    // "*.*" is the desktop convention for every file, but Qt matches it
    // literally, which would hide files without an extension.
    QFileDialog* raw = dialog.get();
    QObject::connect(raw, &QFileDialog::filterSelected, raw, [raw, allFilter](const QString& filter) {
        if (filter != allFilter)
            return;
        if (auto* model = raw->findChild<QFileSystemModel*>())
            model->setNameFilters({QStringLiteral("*")});
    });
    return dialog;
}

std::string QtFileDialog::ShowThemeDialog(const std::filesystem::path& startFolder)
{
    const auto dialog = CreateThemeDialog(m_owner, startFolder);
    if (dialog->exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}
