#pragma once

#include "installer/core/install_values.h"
#include "installer/core/questions.h"
#include "installer/core/uninstall_data.h"
#include "installer/platform/system_platform.h"
#include "tests/support/files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

#include <functional>

namespace qm::install::test {

using qm::test::readBytes;
using qm::test::writeBytes;

// Points this process's account folders into `home`, as on a fresh account.
inline void useAccount(const QString &home)
{
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
}

// Every entry below `root` (or those of the given kinds), links not followed, with its permissions
// and its bytes, its link target or its being a folder: two snapshots are equal when nothing there
// has changed.
inline QMap<QString, QByteArray> snapshot(
    const QString &root, QDir::Filters kinds = QDir::AllEntries | QDir::System)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(
        root, kinds | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QByteArray state = QByteArray::number(int(info.permissions()), 16) + ' ';
        if (info.isSymLink())
            state += "link to " + info.symLinkTarget().toUtf8();
        else if (info.isDir())
            state += "folder";
        else
            state += readBytes(info.filePath());
        entries[QDir(root).relativeFilePath(info.filePath())] = state;
    }
    return entries;
}

// Gives the same answer to every question and keeps them, as "title|text".
class AnsweringQuestions : public Questions
{
public:
    bool askYesNo(const QString &text, const QString &title, Answer defaultAnswer) override
    {
        asked.append(title + u'|' + text);
        defaults.append(defaultAnswer);
        return answer;
    }
    void showError(const QString &text, const QString &title) override
    {
        errors.append(title + u'|' + text);
        if (onError)
            onError();
    }

    bool answer = false;
    QStringList asked;
    QList<Answer> defaults;
    QStringList errors;
    // Runs while the error message is up, to look at the windows behind it.
    std::function<void()> onError;
};

// This system's platform over a temporary tree: dates are set per file instead of read from the
// disk, copies and writes can be made to fail, and everything the run starts, writes or shows is
// recorded. The Windows folder is handed out with trailing separators, as the system may give it.
class FakePlatform : public SystemPlatform
{
public:
    FakePlatform()
    {
        for (const char *name : { "Desktop", "Programs", "Startup" })
            special[QLatin1String(name)] = path(QStringLiteral("home/") + QLatin1String(name));
        for (const QString &folder : special.values() + QStringList { system32(), programFiles() })
            QDir().mkpath(folder);
        QDir().mkpath(source());
    }

    QString path(const QString &relative) const { return root.path() + u'/' + relative; }
    QString source() const { return path(QStringLiteral("release")); }
    QString system32() const { return path(QStringLiteral("windows/system32")); }
    QString programFiles() const { return path(QStringLiteral("programs")); }

    void writePayload()
    {
        for (const PayloadEntry &entry : standardPayload().entries)
            writeBytes(source() + u'/' + entry.source, entry.source.toUtf8());
    }
    QString windowsFolder() override { return path(QStringLiteral("windows//")); }
    QString currentFolder() override { return source(); }
    bool copyFile(const QString &from, const QString &to) override
    {
        copyTargets.append(to);
        if (failingTargets.contains(to) || !QFileInfo(from).isFile()
            || !QFileInfo(QFileInfo(to).path()).isDir())
            return false;
        QFile::remove(to);
        dates[to] = lastModified(from);
        return QFile::copy(from, to);
    }
    QDateTime lastModified(const QString &file) override
    {
        return dates.value(file, QDateTime(QDate(2020, 1, 15), QTime(12, 0)));
    }
    void startHidden(const QString &program, const QStringList &arguments) override
    {
        started.append(QStringList { program, arguments.join(u' ') }.join(u' '));
    }
    QString specialFolder(const QString &name) override { return special.value(name); }
    bool createShortcut(const Shortcut &shortcut) override
    {
        shortcuts.append(shortcut);
        return !failingTargets.contains(shortcut.linkPath)
            && writeBytes(shortcut.linkPath, shortcut.targetPath.toUtf8());
    }
    bool writeFile(const QString &file, const QByteArray &bytes) override
    {
        return !failingTargets.contains(file) && writeBytes(file, bytes);
    }
    bool isTrackerRunning(const QString &) override
    {
        return trackerRunningChecks > 0 && trackerRunningChecks-- > 0;
    }

    QTemporaryDir root;
    // How many more checks find Quillmere running.
    int trackerRunningChecks = 0;
    QHash<QString, QString> special;
    QHash<QString, QDateTime> dates;
    QSet<QString> failingTargets;
    QStringList started, copyTargets;
    QList<Shortcut> shortcuts;
};

// An installed tree for the uninstaller: what the installer writes, and the user's own files.
inline const QStringList kProductFiles { "app/Quillmere", "app/Quillmere.pdf",
    "app/Quillmere-en.pdf", "app/Quillmere.manifest", "app/Uninstall", "app/QMStat",
    "app/QMStat.manifest", "app/uninstall.dat", "app/Quillmere.lock", "app/Quillmere.png",
    "desk/Quillmere.desktop", "menu/Quillmere/Quillmere.desktop", "menu/Quillmere/QMStat.desktop",
    "menu/Quillmere/Aide.desktop", "menu/Quillmere/Uninstall.desktop", "auto/Quillmere.desktop" };
inline const QStringList kUserFiles { "app/Quillmere.log", "app/Quillmere.ini", "app/Quillmere.day",
    "app/Quillmere.closing" };

struct Installed
{
    Installed()
    {
        for (const QString &name :
            kProductFiles + kUserFiles + QStringList { "desk/Other.desktop" })
            touch(name);
    }
    QString path(const QString &relative) const { return dir.path() + u'/' + relative; }
    bool exists(const QString &relative) const { return QFileInfo::exists(path(relative)); }
    // A desktop entry is made as the installer makes it, for the installation in `app`.
    bool touch(const QString &relative, const QString &installation = QStringLiteral("app")) const
    {
        const QByteArray bytes = relative.endsWith(u".desktop")
            ? "[Desktop Entry]\nType=Application\nX-Quillmere-Installation="
                + path(installation).toUtf8() + '\n'
            : QByteArray("x");
        return QDir().mkpath(QFileInfo(path(relative)).path()) && writeBytes(path(relative), bytes);
    }

    mutable SystemPlatform platform;
    QTemporaryDir dir;
    UninstallData data { "Quillmere", path("app"), path("desk"), path("menu/Quillmere"),
        path("auto") };
};

// The Icon value of a desktop entry whose paths need no escaping.
inline QString iconOf(const QString &entryPath)
{
    for (const QByteArray &line : readBytes(entryPath).split('\n')) {
        if (line.startsWith("Icon="))
            return QString::fromUtf8(line.mid(5));
    }
    return QString();
}

} // namespace qm::install::test
