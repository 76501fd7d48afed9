#pragma once

#include "Services.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QFileDialog;

// The theme chooser on Qt's own open-file dialog (the same on every desktop):
// title "Orvik Tolmora", the theme filter first, then every file.
class QtFileDialog final : public FileDialogService {
public:
    void setOwner(QWidget* owner) { m_owner = owner; }
    std::string ShowThemeDialog(const std::filesystem::path& startFolder) override;

    // The dialog as ShowThemeDialog runs it, for a test to look at unshown.
    static std::unique_ptr<QFileDialog> CreateThemeDialog(QWidget* owner, const std::filesystem::path& startFolder);

private:
    QPointer<QWidget> m_owner;
};
