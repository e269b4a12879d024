#pragma once

#include <optional>

#include <QFileInfo>
#include <QString>

namespace zorvanta {

/// Who owns a file, as the operating system records it.
struct FileOwnership {
    unsigned int Owner = 0;  ///< user id
    unsigned int Group = 0;  ///< group id
};

/// The owner of an existing file; none where the file does not exist or the system keeps
/// no user ids (Windows).
std::optional<FileOwnership> FileOwnershipOf(const QFileInfo& file);

/// Gives a file that replaced another its predecessor's owner and group, as far as the
/// system lets this user: an ordinary user may keep only a group of their own. Best effort
/// by design: a file saved under the user's own name is no failure of the save.
void RestoreFileOwnership(const QString& fileName, const FileOwnership& ownership);

}  // namespace zorvanta
