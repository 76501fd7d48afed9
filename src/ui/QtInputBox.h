#pragma once

#include "Services.h"

#include <QPointer>
#include <QWidget>

// The game's input box on QInputDialog, modal over the owner window.
class QtInputBox final : public InputBoxService {
public:
    void setOwner(QWidget* owner) { m_owner = owner; }
    std::optional<std::string> Ask(const DialogText& prompt, const DialogText& title,
                                   const std::string& defaultText) override;

private:
    QPointer<QWidget> m_owner;
};
