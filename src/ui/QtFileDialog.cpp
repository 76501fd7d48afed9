#include "QtFileDialog.h"

#include <QFileDialog>
#include <QFileSystemModel>

namespace {
const QString kThemeFilter = QStringLiteral("Theme File (*.tlm)");
const QString kAllFilter = QStringLiteral("All Files (*.*)");
}  // namespace

std::unique_ptr<QFileDialog> QtFileDialog::CreateThemeDialog(QWidget* owner, const std::filesystem::path& startFolder)
{
    auto dialog = std::make_unique<QFileDialog>(owner, QStringLiteral("Orvik Tolmora"),
                                                QString::fromStdString(startFolder.string()));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name need not exist; the theme menu checks for the file itself.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({kThemeFilter, kAllFilter});
    dialog->selectNameFilter(kThemeFilter);

    // "*.*" is the desktop convention for every file, but Qt matches it
    // literally, which would hide files without an extension.
    QFileDialog* raw = dialog.get();
    QObject::connect(raw, &QFileDialog::filterSelected, raw, [raw](const QString& filter) {
        if (filter != kAllFilter)
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
