#pragma once

#include <QByteArray>
#include <QString>

namespace zorvanta {

/// Puts the finished bytes of a saved image into the file the user named. Where the file's
/// folder lets a file be created beside it, the target is replaced atomically by a complete
/// file; where it does not, an existing writable file is written over directly. An
/// overwritten file keeps its permissions and, where the system allows it, its owner.
/// Throws std::runtime_error with the message for the user: "Cannot create file ..." when
/// the file cannot be created, "Saving bitmap failed." when not every byte reached it.
void WriteFileBytes(const QByteArray& bytes, const QString& fileName);

}  // namespace zorvanta
