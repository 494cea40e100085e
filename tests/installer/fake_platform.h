#pragma once

#include "installer/core/platform.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

// A platform over a temporary tree: dates are set per file instead of read from a clock, copies
// can be made to fail, and everything the run starts, writes or shows is recorded.
class FakePlatform : public qmi::Platform
{
public:
    FakePlatform();

    QString root() const { return m_root.path(); }
    QString path(const QString &relative) const;
    bool isValid() const { return m_root.isValid(); }

    // Folders of the tree, created by the constructor.
    QString sourceFolder() const { return path(QStringLiteral("release")); }
    QString windows() const { return path(QStringLiteral("windows")); }
    QString system32() const { return path(QStringLiteral("windows/system32")); }
    QString programFiles() const { return path(QStringLiteral("programs")); }

    void writeFile(const QString &file, const QByteArray &content = "x",
        const QDateTime &modified = QDateTime());
    void writePayload();
    static QByteArray fileContent(const QString &file);
    void setDate(const QString &file, const QDateTime &modified) { m_dates[file] = modified; }
    void failCopyTo(const QString &target) { m_failingTargets.insert(target); }
    void setSpecialFolder(const QString &name, const QString &folder) { m_special[name] = folder; }
    // Every file below the tree's root, relative to it.
    QStringList allFiles() const;

    QString windowsFolder() override { return m_windowsFolder; }
    QString currentFolder() override { return sourceFolder(); }
    bool fileExists(const QString &file) override;
    bool folderExists(const QString &folder) override;
    bool createFolder(const QString &folder) override;
    bool copyFile(const QString &source, const QString &target) override;
    QDateTime lastModified(const QString &file) override;
    void startHidden(const QString &commandLine) override { started.append(commandLine); }
    QString specialFolder(const QString &name) override { return m_special.value(name); }
    bool createShortcut(const qmi::Shortcut &shortcut) override;
    void showError(const QString &text, const QString &title) override;

    QString m_windowsFolder;
    QStringList started;
    QStringList createdFolders;
    QStringList copyTargets;
    QList<qmi::Shortcut> shortcuts;
    QList<QPair<QString, QString>> errors;

private:
    QTemporaryDir m_root;
    QHash<QString, QDateTime> m_dates;
    QSet<QString> m_failingTargets;
    QHash<QString, QString> m_special;
};
