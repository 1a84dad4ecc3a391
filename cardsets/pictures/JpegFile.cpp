// JPEG images are decoded with libjpeg directly. libjpeg reports a fatal error by calling a handler
// that must not return; its default one ends the program. Ours jumps back to the decoder, whose
// frame holds only plain C data, so that a damaged file becomes an error the user sees.

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "cardsets/pictures/PictureBytes.h"
#include "cardsets/pictures/CardPictureFile.h"
#include "cardsets/pictures/ExifOrientation.h"
#include "cardsets/pictures/PictureFile.h"
#include "cardsets/pictures/StandardPalette.h"

namespace velmora {

namespace {

EPictureError JpegError(int code) {
    return EPictureError(VELMORA_TRANSLATE_NOOP("Errors", "JPEG error #%1"), {std::to_string(code)});
}

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    int code;
    int warning;  // the first corrupt-data warning's code, 0 while there is none
};

void ErrorExit(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->code = info->err->msg_code;
    std::longjmp(errors->jump, 1);
}

// Warnings (data cut short, for one) leave a picture of the promised size; libjpeg would print them.
// The first is kept for the readers that refuse such files; trace messages are dropped.
void KeepWarning(j_common_ptr info, int level) {
    if (level >= 0) return;
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    if (errors->warning == 0) errors->warning = info->err->msg_code;
    ++info->err->num_warnings;
}

enum class DecodeStep { Header, Pixels, Done };

// Where the decoder leaves its work; owned by the caller so that no jump skips a destructor.
struct DecodeState {
    const std::uint8_t* data;
    unsigned long size;
    DecodeStep step;
    JDIMENSION width;
    JDIMENSION height;
    int components;
    bool invertedCmyk;
    std::vector<std::uint8_t>* pixels;  // output width x height x components bytes once decoded
    int orientation = 1;                // from the EXIF data
    unsigned denominator = 1;           // the caller's choice of 1, 2, 4 or 8 before the pixels
    JDIMENSION outputWidth = 0;
    JDIMENSION outputHeight = 0;
};

constexpr unsigned kExifMarker = JPEG_APP0 + 1;

int OrientationOf(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker != nullptr; marker = marker->next)
        if (marker->marker == kExifMarker) {
            const int orientation = ExifOrientation(marker->data, marker->data_length);
            if (orientation != 1) return orientation;
        }
    return 1;
}

void ReadHeader(jpeg_decompress_struct& info, DecodeState& state) {
    jpeg_save_markers(&info, static_cast<int>(kExifMarker), 0xFFFF);
    jpeg_read_header(&info, TRUE);
    state.orientation = OrientationOf(info);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        info.out_color_space = JCS_CMYK;
        state.invertedCmyk = info.saw_Adobe_marker != 0;
    } else {
        info.out_color_space = JCS_RGB;
    }
    state.width = info.image_width;
    state.height = info.image_height;
    state.step = DecodeStep::Pixels;
}

void ReadPixels(jpeg_decompress_struct& info, DecodeState& state) {
    info.scale_num = 1;
    info.scale_denom = state.denominator;
    jpeg_start_decompress(&info);
    state.components = info.output_components;
    state.outputWidth = info.output_width;
    state.outputHeight = info.output_height;
    state.pixels->resize(static_cast<std::size_t>(info.output_width) * info.output_height *
                         static_cast<std::size_t>(info.output_components));
    const std::size_t rowBytes = static_cast<std::size_t>(info.output_width) * static_cast<std::size_t>(info.output_components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = state.pixels->data() + static_cast<std::size_t>(info.output_scanline) * rowBytes;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    state.step = DecodeStep::Done;
}

// Runs one step of the decoding; returns 0, or libjpeg's error code when the file is at fault. Only
// trivially destructible objects live in this frame.
int DecodeStepOf(DecodeState& state, jpeg_decompress_struct& info, JpegErrors& errors) {
    if (setjmp(errors.jump) != 0) return errors.code == 0 ? -1 : errors.code;
    if (state.step == DecodeStep::Header) {
        jpeg_mem_src(&info, state.data, state.size);
        ReadHeader(info, state);
    } else {
        ReadPixels(info, state);
    }
    return 0;
}

std::uint32_t CmykToRgb(const std::uint8_t* p, bool inverted) {
    auto channel = [&](int i) {
        const int c = inverted ? p[i] : 255 - p[i];  // the ink's complement, times the key's
        const int k = inverted ? p[3] : 255 - p[3];
        return static_cast<std::uint32_t>(c * k / 255);
    };
    return channel(0) << 16 | channel(1) << 8 | channel(2);
}

Picture ToPicture(const DecodeState& state) {
    Picture picture(static_cast<std::int32_t>(state.outputWidth), static_cast<std::int32_t>(state.outputHeight));
    const std::uint8_t* p = state.pixels->data();
    for (std::uint32_t& pixel : picture.Pixels) {
        pixel = state.components == 4 ? CmykToRgb(p, state.invertedCmyk)
                                      : std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
        p += state.components;
    }
    picture.Palette = StandardPalette();
    return Oriented(std::move(picture), state.orientation);
}

// The smallest of libjpeg's reduced scales (1/1 to 1/8) whose output still has card's scaled size:
// the DCT then skips the detail the card could not show, which is most of a photo's decoding time.
unsigned DenominatorFor(const DecodeState& state, const std::optional<CardTarget>& card) {
    if (!card || card->Mode == FitMode::Exact) return 1;
    const bool swap = SwapsSides(state.orientation);
    const PictureSize upright{static_cast<std::int32_t>(swap ? state.height : state.width),
                              static_cast<std::int32_t>(swap ? state.width : state.height)};
    if (upright == card->Size) return 1;
    const PictureSize needed = ScaledSize(upright, card->Size, card->Mode);
    for (unsigned denominator : {8u, 4u, 2u}) {
        const auto side = [&](std::int32_t full) { return (full + static_cast<std::int32_t>(denominator) - 1) / static_cast<std::int32_t>(denominator); };
        // Twice the needed size, so that the area average still has pixels to average.
        if (side(upright.Width) >= 2 * needed.Width && side(upright.Height) >= 2 * needed.Height) return denominator;
    }
    return 1;
}

// The decoder's C structures, destroyed however the decoding ends.
class Decompressor {
public:
    Decompressor() {
        info_.err = jpeg_std_error(&errors_.manager);
        errors_.manager.error_exit = ErrorExit;
        errors_.manager.emit_message = KeepWarning;
        errors_.code = 0;
        errors_.warning = 0;
        jpeg_create_decompress(&info_);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info_); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    void Run(DecodeState& state) {
        if (const int code = DecodeStepOf(state, info_, errors_); code != 0)
            throw JpegError(code);
    }
    // The first warning's code (data cut short, a corrupt segment), or 0 when there was none.
    int Warning() const { return errors_.warning; }

private:
    jpeg_decompress_struct info_{};
    JpegErrors errors_{};
};

}  // namespace

Picture ReadJpegFile(const std::filesystem::path& path) { return ReadJpegFile(path, std::nullopt); }

Picture ReadJpegFile(const std::filesystem::path& path, const std::optional<CardTarget>& card) {
    return ReadJpegFile(path, card, JpegWarnings::Decode);
}

Picture ReadJpegFile(const std::filesystem::path& path, const std::optional<CardTarget>& card, JpegWarnings warnings) {
    const std::vector<std::uint8_t> bytes = ReadPictureBytes(path);
    std::vector<std::uint8_t> pixels;
    DecodeState state{bytes.data(), static_cast<unsigned long>(bytes.size()), DecodeStep::Header, 0, 0, 3, false,
                      &pixels};
    Decompressor decompressor;
    decompressor.Run(state);
    CheckPictureSize(path, state.width, state.height);
    if (!HoldsEnoughData(state.width, state.height, static_cast<std::int64_t>(bytes.size()))) {
        throw JpegError(JWRN_JPEG_EOF);
    }
    state.denominator = DenominatorFor(state, card);
    decompressor.Run(state);
    if (warnings == JpegWarnings::Refuse && decompressor.Warning() != 0)
        throw JpegError(decompressor.Warning());
    return ToPicture(state);
}

}  // namespace velmora
