// Every other picture format goes through Qt's image readers, chosen by the file's content. Their
// plug-ins differ from machine to machine, so the list of readable extensions is asked of Qt.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <cctype>

#include "cardsets/pictures/CardPictureFile.h"
#include "cardsets/pictures/GifFrame.h"
#include "cardsets/pictures/PictureBytes.h"
#include "cardsets/pictures/PictureFile.h"
#include "cardsets/pictures/StandardPalette.h"
#include "compression/Stream.h"

namespace velmora {

namespace {

// The largest picture the readers take, at the 32 bits a pixel Qt's readers give it.
constexpr int MaxImageReaderMegabytes = static_cast<int>((MaxPicturePixels * 4 + (1 << 20) - 1) >> 20);

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string ExtensionOf(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    return Lower(extension.empty() ? extension : extension.substr(1));
}

// cause is the reason in its own words, at the end of the message.
[[noreturn]] void ThrowUnreadable(const std::filesystem::path& path, const std::exception& cause) {
    throw EPictureError(
        MakePhrase(ErrorContext,
                   VELMORA_TRANSLATE_NOOP("Errors", "The picture %1 is damaged or not a picture that can be read (%2)"),
                   {path.string()}),
        cause);
}

// Qt's readers give their reasons in English.
[[noreturn]] void ThrowUnreadable(const std::filesystem::path& path, const QString& why) {
    ThrowUnreadable(path, std::runtime_error(why.toStdString()));
}

bool HoldsWholeGifFrame(QFile& file) {
    const QByteArray bytes = file.peek(file.size());
    return HoldsWholeFirstFrame({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
}

bool IsDrawing(const QByteArray& format) { return format == "svg" || format == "svgz"; }

// A drawing has no pixels of its own: it is rendered at the size the card takes it at.
QSize RenderSize(QSize own, const std::optional<CardTarget>& card) {
    if (!card) return own;
    if (card->Mode == FitMode::Exact || !own.isValid() || own.isEmpty()) return {card->Size.Width, card->Size.Height};
    const PictureSize scaled = ScaledSize({own.width(), own.height()}, card->Size, card->Mode);
    return {scaled.Width, scaled.Height};
}

ColourTable PaletteOf(const QImage& image) {
    const QList<QRgb> table = image.colorTable();
    if (table.isEmpty()) return StandardPalette();
    ColourTable palette{};
    const auto count = std::min<std::size_t>(palette.size(), static_cast<std::size_t>(table.size()));
    for (std::size_t i = 0; i < count; ++i) palette[i] = table[static_cast<qsizetype>(i)] & 0x00FFFFFFu;
    return palette;
}

// Rows converted at a time: a whole converted copy of a large picture would take as much memory
// again as the picture itself.
constexpr int kStripRows = 64;

// Premultiplied pixels over white: each channel plus the white the missing coverage lets through.
Picture OverWhite(const QImage& image) {
    const bool alpha = image.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    Picture picture(image.width(), image.height());
    for (int top = 0; top < image.height(); top += kStripRows) {
        const int rows = std::min(kStripRows, image.height() - top);
        const QImage strip = image.copy(0, top, image.width(), rows).convertToFormat(format);
        for (int y = 0; y < rows; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
            for (int x = 0; x < strip.width(); ++x) {
                const QRgb p = line[x];
                const int clear = alpha ? 255 - qAlpha(p) : 0;
                picture.At(x, top + y) = static_cast<std::uint32_t>(std::min(255, qRed(p) + clear)) << 16 |
                                         static_cast<std::uint32_t>(std::min(255, qGreen(p) + clear)) << 8 |
                                         static_cast<std::uint32_t>(std::min(255, qBlue(p) + clear));
            }
        }
    }
    picture.Palette = PaletteOf(image);
    return picture;
}

// JPEG or bitmap data in a file named as another format.
Picture ReadWithOwnReader(const std::filesystem::path& path, const QByteArray& format, const std::optional<CardTarget>& card) {
    try {
        return format == "bmp" ? ReadBitmapFile(path) : ReadJpegFile(path, card, JpegWarnings::Refuse);
    } catch (const EPictureError& e) {
        ThrowUnreadable(path, e);
    }
}

}  // namespace

Picture ReadImageFile(const std::filesystem::path& path, const std::optional<CardTarget>& card) {
    QFile file(QFile::decodeName(path.string().c_str()));
    if (!file.open(QIODevice::ReadOnly)) throw EPictureError(CannotOpenFile(path.string()));
    if (file.size() > MaxPictureFileBytes) throw TooLargeFile(path);
    // Qt's own cap on the pixel memory one picture may take, made ours: a plug-in may allocate the
    // picture while it is still looking at the file, before its size can be checked here.
    QImageReader::setAllocationLimit(MaxImageReaderMegabytes);
    QImageReader reader(&file);
    // Asked by name, Qt's GIF reader decodes any file called .gif, whatever it holds, and takes the
    // memory for the screen its first bytes happen to claim before anything could be checked.
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead()) ThrowUnreadable(path, reader.errorString());
    const QByteArray format = reader.format();
    // Qt's own readers of these fill in whatever a damaged file lacks; ours refuse it.
    if (format == "jpeg" || format == "bmp") {
        file.close();
        return ReadWithOwnReader(path, format, card);
    }
    if (format == "gif" && !HoldsWholeGifFrame(file)) ThrowUnreadable(path, EPictureError(VELMORA_TRANSLATE_NOOP("Errors", "its first frame is not whole"), {}));
    QSize size = reader.size();
    if (IsDrawing(format)) {
        size = RenderSize(size, card);
        if (size.isValid()) reader.setScaledSize(size);
    }
    if (size.isValid()) CheckPictureSize(path, size.width(), size.height());
    QImage image;
    if (!reader.read(&image) || image.isNull()) ThrowUnreadable(path, reader.errorString());
    CheckPictureSize(path, image.width(), image.height());
    return OverWhite(image);
}

Picture ReadCardPictureFile(const std::filesystem::path& path, const CardTarget& card) {
    const std::string extension = ExtensionOf(path);
    Picture picture = extension == "bmp"                          ? ReadBitmapFile(path)
                      : extension == "jpg" || extension == "jpeg" ? ReadJpegFile(path, card)
                      : IsReadablePictureName(path.filename().string()) ? ReadImageFile(path, card)
                                                                         : ReadPictureFile(path);
    return FitPicture(picture, card.Size, card.Mode, card.Margin);
}

const std::vector<std::string>& ReadablePictureExtensions() {
    static const std::vector<std::string> extensions = [] {
        std::vector<std::string> list{"bmp", "jpeg", "jpg"};
        for (const QByteArray& format : QImageReader::supportedImageFormats()) list.push_back(Lower(format.toStdString()));
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
        return list;
    }();
    return extensions;
}

bool IsReadablePictureName(const std::string& name) {
    const std::string extension = ExtensionOf(name);
    const auto& list = ReadablePictureExtensions();
    return !extension.empty() && std::binary_search(list.begin(), list.end(), extension);
}

}  // namespace velmora
