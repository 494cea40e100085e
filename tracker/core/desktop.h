#pragma once

#include <QString>

namespace qm {

// What the program asks of the desktop: documents, web pages and other programs.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Each is false when nothing on the desktop took the document or the page.
    virtual bool openFile(const QString &path) = 0;
    virtual bool openUrl(const QString &address) = 0;
    // Starts the program without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString &path) = 0;
};

} // namespace qm
