#pragma once

#include "installer/core/platform.h"

namespace qm::install {

// The platform of a Linux desktop. The "Windows folder" is a per-user stand-in whose system32
// subfolder receives the shared components; the special folders are the desktop, the
// applications menu and the autostart folder, and shortcuts are desktop entries.
class SystemPlatform : public Platform
{
public:
    // With no one at the keyboard, a message box would wait for ever: the errors are written to
    // the standard error output instead.
    enum class Errors { MessageBox, StandardError };
    explicit SystemPlatform(Errors errors = Errors::MessageBox)
        : m_errors(errors)
    { }

    QString windowsFolder() override;
    QString currentFolder() override;
    bool fileExists(const QString &path) override;
    bool folderExists(const QString &path) override;
    bool createFolder(const QString &path) override;
    bool copyFile(const QString &source, const QString &target) override;
    QDateTime lastModified(const QString &path) override;
    void startHidden(const QString &program, const QStringList &arguments) override;
    QString specialFolder(const QString &name) override;
    bool createShortcut(const Shortcut &shortcut) override;
    bool writeFile(const QString &path, const QByteArray &bytes) override;
    void showError(const QString &text, const QString &title) override;

private:
    void makeStandInFolder(const QString &folder);

    Errors m_errors;
};

// The folder under which the installation folder is proposed (~/Applications).
QString programFilesFolder();

} // namespace qm::install
