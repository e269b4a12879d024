#include "FileWriting.h"

#include <stdexcept>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "PlatformFileOwner.h"

namespace zorvanta {

namespace {

constexpr char kSaveFailed[] = "Saving bitmap failed.";

QString SystemDescription(std::errc error)
{
    return QString::fromStdString(std::make_error_code(error).message());
}

std::runtime_error CannotCreate(const QString& fileName, const QString& qtReason)
{
    // Qt words two refusals of its own before asking the system; the user gets the
    // system's description for those too, as for every other refusal.
    const QFileInfo target(fileName);
    QString reason = qtReason;
    if (target.isDir())
        reason = SystemDescription(std::errc::is_a_directory);
    else if (target.exists() && !target.isWritable())
        reason = SystemDescription(std::errc::permission_denied);
    return std::runtime_error(QStringLiteral("Cannot create file \"%1\". %2")
                                  .arg(QDir::toNativeSeparators(fileName), reason)
                                  .toStdString());
}

// A full disk often shows only when the write buffer is flushed, and QSaveFile::commit()
// does not report a failed flush: every byte is counted and the flush checked here.
bool WriteAll(QFileDevice& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size() && file.flush();
}

// A folder the user may not create files in, holding a file the user may write: the
// only way to save there is into that file itself, which cannot be atomic.
bool OnlyWritableInPlace(const QFileInfo& target)
{
    return target.isFile() && target.isWritable() && !QFileInfo(target.absolutePath()).isWritable();
}

void WriteInPlace(const QByteArray& bytes, const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw CannotCreate(fileName, file.errorString());
    if (!WriteAll(file, bytes))
        throw std::runtime_error(kSaveFailed);
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error(kSaveFailed);
}

}  // namespace

void WriteFileBytes(const QByteArray& bytes, const QString& fileName)
{
    const QFileInfo target(fileName);
    const std::optional<FileOwnership> ownership = FileOwnershipOf(target);

    // A temporary file beside the target, renamed over it only once complete: a failed
    // save never leaves a partial file and never destroys the file being replaced.
    // QSaveFile gives the temporary file the permissions of the file it replaces.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        if (OnlyWritableInPlace(target)) {
            WriteInPlace(bytes, fileName);
            return;
        }
        throw CannotCreate(fileName, file.errorString());
    }
    if (!WriteAll(file, bytes)) {
        file.cancelWriting();  // the destructor then discards the temporary file
        throw std::runtime_error(kSaveFailed);
    }
    if (!file.commit())
        throw CannotCreate(fileName, file.errorString());
    if (ownership)
        RestoreFileOwnership(fileName, *ownership);
}

}  // namespace zorvanta
