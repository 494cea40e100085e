#pragma once

#include <QtGlobal>

#include <optional>

namespace qm {

// The screen saver's session idle time is documented in seconds, yet the best-known
// implementation answers in milliseconds and others keep to the documentation. The readings
// tell which: while nobody touches the desktop, a count of milliseconds grows by about the time
// between two readings, a count of seconds by a thousandth of it. Until they have told,
// readings are taken as milliseconds: an absence then shows late, never where there was none.
class SessionIdleUnit
{
public:
    // The reading in milliseconds; `now` is a steady clock in milliseconds.
    qint64 milliseconds(quint32 reading, qint64 now);

private:
    enum class Unit { Undecided, Milliseconds, Seconds };
    struct Sample
    {
        quint32 reading;
        qint64 at;
    };

    void learn(quint32 reading, qint64 now);

    Unit m_unit = Unit::Undecided;
    std::optional<Sample> m_last;
    int m_secondsInARow = 0;
};

} // namespace qm
