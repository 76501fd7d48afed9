#include "QtInputBox.h"

#include "GameTexts.h"

#include <QInputDialog>

std::optional<std::string> QtInputBox::Ask(const DialogText& prompt, const DialogText& title,
                                           const std::string& defaultText)
{
    QInputDialog dialog(m_owner);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(Translated(title));
    dialog.setLabelText(Translated(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}
