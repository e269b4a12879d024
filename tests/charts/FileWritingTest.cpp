// Saving onto real file systems: a full disk, permissions, owners, and folders the user
// may not write into. Some need root (mounting, owners); the unprivileged ones skip under
// root and run from their own ctest entry as the user nobody.
#include "FileWriting.h"
#include "ImageExport.h"
#include "ExportTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace zorvanta {
namespace {

using exporttest::ErrorOf;
using exporttest::ReadBytes;

bool WriteBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// Noise does not compress: its PNG is some 7 KB, more than one page of a disk yet small
// enough to sit in a file's write buffer, the case where a full disk used to go unnoticed.
QImage NoiseImage()
{
    QImage image(48, 48, QImage::Format_RGB32);
    QRandomGenerator random(9);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

std::string CannotCreate(const QString& fileName, std::errc reason)
{
    return "Cannot create file \"" + QDir::toNativeSeparators(fileName).toStdString() + "\". "
           + std::make_error_code(reason).message();
}

// --- A full disk ---------------------------------------------------------------------------

// A 64 KiB tmpfs holding the user's 20000-byte keep.png and a filler that takes the rest.
class FullDiskTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch_.isValid());
        mountPoint_ = scratch_.filePath("disk");
        ASSERT_TRUE(QDir().mkpath(mountPoint_));
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint_}) != 0)
            GTEST_SKIP() << "cannot mount a small tmpfs here (needs root on Linux)";
        mounted_ = true;
        keep_ = QByteArray(20000, '\x5A');
        ASSERT_TRUE(WriteBytes(Path("keep.png"), keep_));
        QFile filler(Path("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray page(4096, '\0');
        while (filler.write(page) == page.size()) {
        }
    }

    void TearDown() override
    {
        if (mounted_)
            QProcess::execute("umount", {mountPoint_});
    }

    QString Path(const QString& name) const { return mountPoint_ + '/' + name; }

    // Frees one page at the end of the filler.
    void FreeOnePage()
    {
        QFile filler(Path("filler"));
        ASSERT_TRUE(filler.resize(filler.size() - 4096));
    }

    QByteArray keep_;

private:
    QTemporaryDir scratch_;
    QString mountPoint_;
    bool mounted_ = false;
};

TEST_P(FullDiskTest, OverwriteFailsAndKeepsTheFileByteForByte)
{
    const QString target = Path(QStringLiteral("keep.") + GetParam());
    if (target != Path("keep.png")) {
        ASSERT_TRUE(QFile::rename(Path("keep.png"), target));
    }
    EXPECT_EQ(ErrorOf(NoiseImage(), target), "Saving bitmap failed.");
    EXPECT_EQ(ReadBytes(target), keep_);
    EXPECT_EQ(Entries(Path(".")), QStringList({"filler", QFileInfo(target).fileName()}))
        << "no temporary file stays behind";
}

TEST_P(FullDiskTest, NewFileFailsAndLeavesNothing)
{
    const QString target = Path(QStringLiteral("new.") + GetParam());
    EXPECT_NE(ErrorOf(NoiseImage(), target), "(no error)");
    EXPECT_EQ(Entries(Path(".")), QStringList({"filler", "keep.png"}));
}

INSTANTIATE_TEST_SUITE_P(Formats, FullDiskTest, testing::Values("png", "gif", "tif", "ico", "hdp", "svg"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST_F(FullDiskTest, OnePageFreeIsNotEnoughAndTheFileStays)
{
    FreeOnePage();
    ASSERT_GT(EncodeBitmap(NoiseImage(), ImageFileFormat::Png).size(), 4096);
    EXPECT_EQ(ErrorOf(NoiseImage(), Path("keep.png")), "Saving bitmap failed.");
    EXPECT_EQ(ReadBytes(Path("keep.png")), keep_) << "not a truncated PNG";
}

TEST_F(FullDiskTest, SmallImageThatFitsIsWritten)
{
    FreeOnePage();
    QImage small(8, 8, QImage::Format_RGB32);
    small.fill(Qt::white);
    EXPECT_EQ(ErrorOf(small, Path("keep.png")), "(no error)");
    EXPECT_EQ(QImage(Path("keep.png")).convertToFormat(QImage::Format_RGB32), small);
}

// --- Permissions and owner of an overwritten file ------------------------------------------

class OverwriteTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString Path(const QString& name) const { return folder_.filePath(name); }

    QTemporaryDir folder_;
};

TEST_F(OverwriteTest, KeepsThePermissionsOfTheFileItReplaces)
{
    using P = QFileDevice::Permission;
    const QFileDevice::Permissions modes[] = {
        P::ReadOwner | P::WriteOwner | P::ReadGroup,                 // 0640
        P::ReadOwner | P::WriteOwner | P::ReadOther,                 // 0604
        P::ReadOwner | P::WriteOwner | P::ReadGroup | P::WriteGroup  // 0660
            | P::ReadOther,
    };
    for (const QFileDevice::Permissions mode : modes) {
        const QString target = Path("Veicoli.png");
        ASSERT_TRUE(WriteBytes(target, "earlier"));
        ASSERT_TRUE(QFile::setPermissions(target, mode | P::ReadUser | P::WriteUser));
        const QFileDevice::Permissions before = QFileInfo(target).permissions();

        WriteImageFile(NoiseImage(), target);

        EXPECT_EQ(QImageReader(target).format(), "png");
        EXPECT_EQ(QFileInfo(target).permissions(), before) << std::hex << int(mode);
        ASSERT_TRUE(QFile::remove(target));
    }
}

TEST_F(OverwriteTest, KeepsTheOwnerWhereTheSystemAllows)
{
#if defined(Q_OS_UNIX)
    const QString target = Path("Veicoli.gif");
    ASSERT_TRUE(WriteBytes(target, "earlier"));
    if (QProcess::execute("chown", {"nobody:nogroup", target}) != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    const QFileInfo before(target);
    ASSERT_NE(before.ownerId(), QFileInfo(folder_.path()).ownerId());

    WriteImageFile(NoiseImage(), target);

    const QFileInfo after(target);
    EXPECT_EQ(QImageReader(target).format(), "gif");
    EXPECT_EQ(after.ownerId(), before.ownerId());
    EXPECT_EQ(after.groupId(), before.groupId());
#else
    GTEST_SKIP() << "files carry no owner ids here";
#endif
}

// --- As an unprivileged user ---------------------------------------------------------------

// A folder of the user's own; tests make it or its file read-only. Skips where permissions
// do not bind this user (root), found by trying: no platform call needed.
class UnprivilegedSaveTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(SetFolderWritable(false));
        const bool bound = !WriteBytes(Path("probe"), "x");
        ASSERT_TRUE(SetFolderWritable(true));
        if (!bound) {
            QFile::remove(Path("probe"));
            GTEST_SKIP() << "permissions do not stop this user (root): run as the ctest entry "
                            "charts_unprivileged, which drops to the user nobody";
        }
    }

    void TearDown() override { SetFolderWritable(true); }

    QString Path(const QString& name) const { return folder_.filePath(name); }

    bool SetFolderWritable(bool writable)
    {
        using P = QFileDevice::Permission;
        QFileDevice::Permissions mode = P::ReadOwner | P::ExeOwner | P::ReadUser | P::ExeUser;
        if (writable)
            mode |= P::WriteOwner | P::WriteUser;
        return QFile::setPermissions(folder_.path(), mode);
    }

    QTemporaryDir folder_;
};

TEST_F(UnprivilegedSaveTest, WritableFileInReadOnlyFolderIsOverwrittenAndKeepsItsMode)
{
    using P = QFileDevice::Permission;
    const QString target = Path("Veicoli.png");
    ASSERT_TRUE(WriteBytes(target, QByteArray(50000, 'x')));
    ASSERT_TRUE(QFile::setPermissions(target, P::ReadOwner | P::WriteOwner | P::ReadUser | P::WriteUser
                                                  | P::ReadGroup | P::ReadOther));
    const QFileDevice::Permissions before = QFileInfo(target).permissions();
    ASSERT_TRUE(SetFolderWritable(false));

    EXPECT_EQ(ErrorOf(NoiseImage(), target), "(no error)");

    EXPECT_EQ(QImage(target).convertToFormat(QImage::Format_RGB32), NoiseImage())
        << "the whole new image, nothing of the longer old file after it";
    EXPECT_EQ(QFileInfo(target).permissions(), before);
    EXPECT_EQ(Entries(folder_.path()), QStringList{"Veicoli.png"});
}

TEST_F(UnprivilegedSaveTest, EncoderFailureLeavesAFileInAReadOnlyFolderUnchanged)
{
    const QString target = Path("Veicoli.gif");
    ASSERT_TRUE(WriteBytes(target, "the user's earlier file"));
    ASSERT_TRUE(SetFolderWritable(false));
    EXPECT_EQ(ErrorOf(QImage(), target), "Saving bitmap failed.");
    EXPECT_EQ(ReadBytes(target), "the user's earlier file");
}

TEST_F(UnprivilegedSaveTest, ReadOnlyTargetIsRefusedWithPermissionDenied)
{
    using P = QFileDevice::Permission;
    const QString target = Path("Veicoli.png");
    ASSERT_TRUE(WriteBytes(target, "the user's earlier file"));
    ASSERT_TRUE(QFile::setPermissions(target, P::ReadOwner | P::ReadUser));
    for (const bool folderWritable : {true, false}) {
        ASSERT_TRUE(SetFolderWritable(folderWritable));
        EXPECT_EQ(ErrorOf(NoiseImage(), target), CannotCreate(target, std::errc::permission_denied))
            << "folder writable: " << folderWritable;
        EXPECT_EQ(ReadBytes(target), "the user's earlier file");
    }
}

TEST_F(UnprivilegedSaveTest, NewFileInReadOnlyFolderIsRefusedWithPermissionDenied)
{
    ASSERT_TRUE(SetFolderWritable(false));
    const QString target = Path("Veicoli.png");
    EXPECT_EQ(ErrorOf(NoiseImage(), target), CannotCreate(target, std::errc::permission_denied));
    EXPECT_TRUE(Entries(folder_.path()).isEmpty());
}

}  // namespace
}  // namespace zorvanta
