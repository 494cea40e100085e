#pragma once

#include "tracker/core/stock_message.h"

#include <QString>

#include <optional>

namespace qm {

// What the user makes of an absence offered on their return.
enum class AbsenceAnswer { CountPause, ChangeActivity, Ignore };

// Everything the program asks the user. The windows answer in the program, tests in theirs.
class Questions
{
public:
    virtual ~Questions() = default;

    // Shows the message and waits. True for the right button (or the close box when it means
    // that); `suppress` reports the "Ne plus afficher ce message" switch.
    virtual bool askStockMessage(const StockMessage &message, bool &suppress) = 0;

    // The system input box; nothing when it was cancelled.
    virtual std::optional<QString> askText(const QString &prompt, const QString &title) = 0;

    // A plain warning with a single button.
    virtual void warn(const QString &title, const QString &text) = 0;
    // A plain piece of news with a single button: something was put right, nothing is wrong.
    virtual void inform(const QString &title, const QString &text) = 0;

    // A question with two buttons; true for `yes`. The close box and Escape answer `no`, which
    // is also the default: the question comes before something that cannot be taken back.
    virtual bool confirm(
        const QString &title, const QString &text, const QString &yes, const QString &no)
        = 0;

    // The absence window, modal; the close box and Escape ignore the absence.
    virtual AbsenceAnswer askAbsence(const QString &text) = 0;
};

} // namespace qm
