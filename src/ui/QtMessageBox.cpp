#include "QtMessageBox.h"

#include "GameTexts.h"

#include <QMessageBox>

MessageAnswer QtMessageBox::Show(const DialogText& text, const DialogText& title, MessageButtons buttons)
{
    const bool yesNo = buttons == MessageButtons::YesNo;
    QMessageBox box(QMessageBox::NoIcon, Translated(title), Translated(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_owner);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    // Closing the box without a button counts as No, which changes nothing.
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}
