#pragma once

#include <QString>

namespace qm::install {

// Receives the run's log text piece by piece; the pieces joined are the whole log.
class LogSink
{
public:
    virtual ~LogSink() = default;
    virtual void append(const QString &text) = 0;
};

class TextLog : public LogSink
{
public:
    void append(const QString &text) override { m_text += text; }
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

} // namespace qm::install
