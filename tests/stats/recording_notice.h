#pragma once

#include "stats/ui/user_notice.h"

#include <QStringList>

namespace qm::stats::test {

// Keeps what the program would have told the user instead of opening message boxes.
class RecordingNotice final : public UserNotice
{
public:
    void inform(QWidget *, const QString &text) override { informed.append(text); }
    void warn(QWidget *, const QString &text) override { warned.append(text); }

    QStringList informed;
    QStringList warned;
};

} // namespace qm::stats::test
