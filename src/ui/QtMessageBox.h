#pragma once

#include "Services.h"

#include <QPointer>
#include <QWidget>

// The game's message box on QMessageBox: the text, the title and either an
// OK button or Yes and No, modal over the owner window.
class QtMessageBox final : public MessageBoxService {
public:
    void setOwner(QWidget* owner) { m_owner = owner; }
    MessageAnswer Show(const DialogText& text, const DialogText& title, MessageButtons buttons) override;

private:
    QPointer<QWidget> m_owner;
};
