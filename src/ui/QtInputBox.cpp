#include "QtInputBox.h"

#include <QInputDialog>

std::optional<std::string> QtInputBox::Ask(const std::string& prompt, const std::string& title,
                                           const std::string& defaultText)
{
    QInputDialog dialog(m_owner);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}
