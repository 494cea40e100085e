#pragma once

#include <QString>

#include <optional>

namespace qm {

// The questions and warnings the program asks through its message window.
struct StockMessage
{
    // The icon of the style that goes with the message, as message boxes show it.
    enum class Icon { Question, Warning };
    // The numbers are the messages' own: they index the settings' message switches.
    enum class Code {
        Recovery = 1,
        JournalRowsShown = 2,
        QuitWithoutSaving = 3,
        CloseDay = 4,
        NoJournal = 7,
        NewDay = 8,
    };

    Code code = Code::Recovery;
    Icon icon = Icon::Question;
    QString leftCaption; // empty when the message has a single button
    QString rightCaption;
    bool offersSuppression = true;
    // What closing the window without a button means: the answer that loses nothing.
    bool closeAnswer = true;
    QString text; // plain text, its lines broken as they show
};

// The message of a code, or nothing for a code that is not used.
std::optional<StockMessage> stockMessage(StockMessage::Code code);

} // namespace qm
