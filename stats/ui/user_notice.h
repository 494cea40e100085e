#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace qm::stats {

// Where the user wants an export, as the dialog gave it (perhaps without its suffix), and in
// which form.
struct ExportChoice
{
    QString path;
    bool pdf = false;
};

// What the program tells and asks the user, so that tests can stand in for the message boxes
// and the save dialog.
class UserNotice
{
public:
    virtual ~UserNotice() = default;
    virtual void inform(QWidget *parent, const QString &text) = 0;
    virtual void warn(QWidget *parent, const QString &text) = 0;
    // The save dialog of the exports; nothing when the user cancelled.
    virtual std::optional<ExportChoice> askExport(QWidget *parent, const QString &proposedPath) = 0;
    // Whether the file already at `path` may be replaced.
    virtual bool askReplace(QWidget *parent, const QString &path) = 0;
};

class MessageBoxNotice final : public UserNotice
{
public:
    void inform(QWidget *parent, const QString &text) override;
    void warn(QWidget *parent, const QString &text) override;
    std::optional<ExportChoice> askExport(QWidget *parent, const QString &proposedPath) override;
    bool askReplace(QWidget *parent, const QString &path) override;
};

} // namespace qm::stats
