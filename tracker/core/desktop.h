#pragma once

#include <QString>

#include <functional>

namespace qm {

// What the program asks of the desktop: documents, web pages and other programs.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Each is false when nothing on the desktop took the document or the page. The desktop's
    // opener may also give up once started, when no reader or browser takes them: it then calls
    // `failedLater` from the event loop, as any other event comes.
    virtual bool openFile(const QString &path, std::function<void()> failedLater) = 0;
    virtual bool openUrl(const QString &address, std::function<void()> failedLater) = 0;
    // Starts the program without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString &path) = 0;
};

} // namespace qm
