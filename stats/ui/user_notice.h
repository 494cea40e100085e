#pragma once

#include <QString>

class QWidget;

namespace qm::stats {

// What the program tells the user, so that tests can stand in for the message boxes.
class UserNotice
{
public:
    virtual ~UserNotice() = default;
    virtual void inform(QWidget *parent, const QString &text) = 0;
    virtual void warn(QWidget *parent, const QString &text) = 0;
};

class MessageBoxNotice final : public UserNotice
{
public:
    void inform(QWidget *parent, const QString &text) override;
    void warn(QWidget *parent, const QString &text) override;
};

} // namespace qm::stats
