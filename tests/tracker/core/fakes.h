#pragma once

#include "journal/datetime.h"
#include "tracker/core/desktop.h"
#include "tracker/core/questions.h"
#include "tracker/core/screens.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <functional>

namespace qm::test {

class FakeClock final : public Clock
{
public:
    QDateTime now() const override { return current; }
    void set(int y, int mo, int d, int h, int mi, int s = 0)
    {
        current = makeDateTime(QDate(y, mo, d), QTime(h, mi, s));
    }
    QDateTime current = makeDateTime(QDate(2026, 12, 5), QTime(9, 0));
};

// Answers the stock messages from a script; a code without a scripted answer gets the right
// button.
class FakeQuestions final : public Questions
{
public:
    bool askStockMessage(const StockMessage &message, bool &suppress) override
    {
        asked.append(message.code);
        suppress = suppressCodes.contains(message.code);
        if (answers.contains(message.code) && !answers[message.code].isEmpty())
            return answers[message.code].takeFirst();
        return true;
    }
    std::optional<QString> askText(const QString &prompt, const QString &title) override
    {
        prompts.append(title + u'|' + prompt);
        if (texts.isEmpty())
            return std::nullopt;
        return texts.takeFirst();
    }
    void warn(const QString &title, const QString &text) override
    {
        warnings.append(title + u'|' + text);
    }

    QMap<int, QList<bool>> answers;
    QList<int> suppressCodes;
    QList<int> asked;
    QList<std::optional<QString>> texts;
    QStringList prompts;
    QStringList warnings;
};

// Records what the core asks of the windows.
class FakeScreens final : public Screens
{
public:
    void showWelcome() override { log.append(QStringLiteral("welcome")); }
    bool runStartWindow() override
    {
        log.append(QStringLiteral("start"));
        return onStartWindow ? onStartWindow() : true;
    }
    void showMainWindow() override
    {
        log.append(QStringLiteral("showMain"));
        mainVisible = true;
    }
    void hideMainWindow() override
    {
        log.append(QStringLiteral("hideMain"));
        mainVisible = false;
    }
    void updateMainWindow() override { ++updates; }
    void runChangeDialog() override
    {
        log.append(QStringLiteral("change"));
        if (onChangeDialog)
            onChangeDialog();
    }
    void hideChangeDialog() override { log.append(QStringLiteral("hideChange")); }
    void showEditor() override
    {
        log.append(QStringLiteral("editor"));
        editorVisible = true;
    }
    void hideEditor() override
    {
        log.append(QStringLiteral("hideEditor"));
        editorVisible = false;
    }
    bool isEditorVisible() const override { return editorVisible; }
    bool isOtherWindowVisible() const override { return editorVisible || otherVisible; }
    void addTrayIcon() override { log.append(QStringLiteral("addTray")); }
    void removeTrayIcon() override { log.append(QStringLiteral("removeTray")); }
    void endProgram() override { log.append(QStringLiteral("end")); }

    QStringList log;
    int updates = 0;
    bool mainVisible = false;
    bool editorVisible = false;
    bool otherVisible = false;
    std::function<bool()> onStartWindow;
    std::function<void()> onChangeDialog;
};

class FakeDesktop final : public Desktop
{
public:
    void openFile(const QString &path) override { opened.append(path); }
    void openUrl(const QString &address) override { opened.append(address); }
    bool startProgram(const QString &path) override
    {
        started.append(path);
        return canStart;
    }

    QStringList opened;
    QStringList started;
    bool canStart = true;
};

} // namespace qm::test
