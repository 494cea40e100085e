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
    std::optional<ExportChoice> askExport(QWidget *, const QString &proposedPath) override
    {
        proposed.append(proposedPath);
        return exportChoice;
    }

    QStringList informed;
    QStringList warned;
    QStringList proposed;
    std::optional<ExportChoice> exportChoice; // nothing: the dialog is cancelled
};

} // namespace qm::stats::test
