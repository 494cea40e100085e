#include "journal/durable_write.h"

#include <QFileDevice>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace qm {

namespace {

int systemSync(int handle)
{
#ifdef Q_OS_WIN
    return ::_commit(handle);
#else
    return ::fsync(handle);
#endif
}

SyncCall g_syncCall = systemSync;

} // namespace

SyncCall replaceSyncCall(SyncCall call)
{
    const SyncCall previous = g_syncCall;
    g_syncCall = call;
    return previous;
}

bool syncToDisk(QFileDevice &file)
{
    return file.flush() && g_syncCall(file.handle()) == 0;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile::commit() only looks at errors of write() itself: data that fails to leave its
    // buffer (a full disk) would still replace the old file with a truncated one. Its own sync
    // ignores a failure too, so the data is put on disk here, where a failure counts.
    if (file.write(bytes) != bytes.size() || !syncToDisk(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace qm
