// Platform file: file ownership. Qt reads owner ids but cannot set them, so on Unix this
// file calls chown(2); elsewhere files carry no ids to restore.
#include "PlatformFileOwner.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <sys/types.h>
#include <unistd.h>

#include <QFile>
#endif

namespace zorvanta {

std::optional<FileOwnership> FileOwnershipOf(const QFileInfo& file)
{
#if defined(Q_OS_UNIX)
    if (!file.exists())
        return std::nullopt;
    return FileOwnership{file.ownerId(), file.groupId()};
#else
    Q_UNUSED(file);
    return std::nullopt;
#endif
}

void RestoreFileOwnership(const QString& fileName, const FileOwnership& ownership)
{
#if defined(Q_OS_UNIX)
    const QFileInfo now(fileName);
    if (now.ownerId() == ownership.Owner && now.groupId() == ownership.Group)
        return;
    const QByteArray path = QFile::encodeName(fileName);
    const auto owner = static_cast<uid_t>(ownership.Owner);
    const auto group = static_cast<gid_t>(ownership.Group);
    if (::chown(path.constData(), owner, group) != 0)
        static_cast<void>(::chown(path.constData(), static_cast<uid_t>(-1), group));
#else
    Q_UNUSED(fileName);
    Q_UNUSED(ownership);
#endif
}

}  // namespace zorvanta
