#include "ImageExport.h"

#include <stdexcept>
#include <system_error>

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include "GifWriter.h"

namespace zorvanta {

namespace {

constexpr char kSaveFailed[] = "Saving bitmap failed.";
constexpr int kJpegQuality = 90;
constexpr int kTiffLzwCompression = 1;

// The text from the last "." onwards, unless a path separator or drive colon follows it.
QString FileExtension(const QString& fileName)
{
    for (qsizetype i = fileName.size(); i-- > 0;) {
        const QChar character = fileName.at(i);
        if (character == u'.')
            return fileName.mid(i);
        if (character == u'\\' || character == u'/' || character == u':')
            break;
    }
    return {};
}

const char* QtFormatName(ImageFileFormat format)
{
    switch (format) {
    case ImageFileFormat::Png: return "png";
    case ImageFileFormat::Jpeg: return "jpeg";
    case ImageFileFormat::Bmp: return "bmp";
    case ImageFileFormat::Gif: return "gif";
    case ImageFileFormat::Tiff: return "tiff";
    }
    return "";
}

bool Encode(const QImage& image, ImageFileFormat format, QIODevice& device)
{
    // Qt has no GIF writer.
    if (format == ImageFileFormat::Gif)
        return WriteGif(image, device);
    // An explicit format: the ".ico" and ".hdp" names must still receive PNG data.
    QImageWriter writer(&device, QtFormatName(format));
    if (format == ImageFileFormat::Jpeg)
        writer.setQuality(kJpegQuality);
    if (format == ImageFileFormat::Tiff)
        writer.setCompression(kTiffLzwCompression);
    // Fails too when the TIFF plug-in is missing at run time.
    return writer.write(image);
}

QString SystemDescription(std::errc error)
{
    return QString::fromStdString(std::make_error_code(error).message());
}

std::runtime_error CannotCreate(const QString& fileName, const QSaveFile& file)
{
    // Qt words two refusals of its own before asking the system; the user gets the
    // system's description for those too, as for every other refusal.
    const QFileInfo target(fileName);
    QString reason = file.errorString();
    if (target.isDir())
        reason = SystemDescription(std::errc::is_a_directory);
    else if (target.exists() && !target.isWritable())
        reason = SystemDescription(std::errc::permission_denied);
    return std::runtime_error(QStringLiteral("Cannot create file \"%1\". %2")
                                  .arg(QDir::toNativeSeparators(fileName), reason)
                                  .toStdString());
}

}  // namespace

std::optional<ImageFileFormat> ImageFormatForFileName(const QString& fileName)
{
    struct Entry {
        const char16_t* Extension;
        ImageFileFormat Format;
    };
    static constexpr Entry kTable[] = {
        {u".png", ImageFileFormat::Png},   {u".jpg", ImageFileFormat::Jpeg},
        {u".jpeg", ImageFileFormat::Jpeg}, {u".bmp", ImageFileFormat::Bmp},
        {u".gif", ImageFileFormat::Gif},   {u".tif", ImageFileFormat::Tiff},
        {u".tiff", ImageFileFormat::Tiff}, {u".ico", ImageFileFormat::Png},
        {u".hdp", ImageFileFormat::Png},
    };
    const QString extension = FileExtension(fileName);
    for (const Entry& entry : kTable)
        if (extension.compare(QString::fromUtf16(entry.Extension), Qt::CaseInsensitive) == 0)
            return entry.Format;
    return std::nullopt;
}

void WriteImageFile(const QImage& image, const QString& fileName)
{
    const std::optional<ImageFileFormat> format = ImageFormatForFileName(fileName);
    if (!format)
        throw std::runtime_error(kSaveFailed);
    // A temporary file beside the target, renamed over it only once complete: a failed
    // save never leaves a partial file and never destroys the file being replaced.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw CannotCreate(fileName, file);
    if (!Encode(image, *format, file))
        throw std::runtime_error(kSaveFailed);  // the destructor discards the temporary file
    if (!file.commit())
        throw CannotCreate(fileName, file);
}

}  // namespace zorvanta
