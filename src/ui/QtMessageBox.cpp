#include "QtMessageBox.h"

#include <QMessageBox>

MessageAnswer QtMessageBox::Show(const std::string& text, const std::string& title, MessageButtons buttons)
{
    const bool yesNo = buttons == MessageButtons::YesNo;
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_owner);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    // Closing the box without a button counts as No, which changes nothing.
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}
