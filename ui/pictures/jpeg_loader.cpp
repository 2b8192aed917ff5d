#include "jpeg_loader.h"

#include "engine/game_error.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace tumbaro {

namespace {

// Larger than any picture the game uses by far; refuses absurd headers before
// they turn into an absurd allocation.
constexpr JDIMENSION MaxSide = 8192;

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailDecode(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// libjpeg reports a file that ends early, and damaged data it skips over, as
// warnings and carries on with grey padding. A background half grey is no
// better than a missing one, so every warning fails the decode as well.
void OnMessage(j_common_ptr info, int level)
{
    if (level < 0)
        FailDecode(info);
}

// QImage wants every row to start on a 4-byte boundary.
int RowBytes(int width) { return (width * 3 + 3) & ~3; }

// Everything the decode touches lives here, reached through a pointer, so no
// local object is alive or modified across the setjmp below.
struct DecodeJob {
    jpeg_decompress_struct info;
    JpegErrors errors;
    unsigned char* pixels;  // malloc'ed, 3 bytes per pixel, rows padded to 4 bytes
    int width;
    int height;
};

bool RunDecode(DecodeJob* job, const unsigned char* data, unsigned long size)
{
    job->info.err = jpeg_std_error(&job->errors.manager);
    job->errors.manager.error_exit = FailDecode;
    job->errors.manager.emit_message = OnMessage;
    if (setjmp(job->errors.jump)) {
        jpeg_destroy_decompress(&job->info);
        return false;
    }
    jpeg_create_decompress(&job->info);
    jpeg_mem_src(&job->info, data, size);
    jpeg_read_header(&job->info, TRUE);
    if (job->info.image_width > MaxSide || job->info.image_height > MaxSide) {
        std::snprintf(job->errors.message, sizeof job->errors.message, "picture too large (%u x %u)",
                      job->info.image_width, job->info.image_height);
        jpeg_destroy_decompress(&job->info);
        return false;
    }
    // Straight into the layout of QImage::Format_RGB888: no second buffer, no
    // conversion pass, and a quarter less memory than 32 bits a pixel for the
    // background, which is kept as long as the window shows it.
    job->info.out_color_space = JCS_EXT_RGB;
    jpeg_start_decompress(&job->info);
    job->width = static_cast<int>(job->info.output_width);
    job->height = static_cast<int>(job->info.output_height);
    job->pixels = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(RowBytes(job->width)) * job->height));
    if (!job->pixels) {
        std::snprintf(job->errors.message, sizeof job->errors.message, "out of memory");
        jpeg_destroy_decompress(&job->info);
        return false;
    }
    while (job->info.output_scanline < job->info.output_height) {
        JSAMPROW row = job->pixels + static_cast<size_t>(job->info.output_scanline) * RowBytes(job->width);
        jpeg_read_scanlines(&job->info, &row, 1);
    }
    jpeg_finish_decompress(&job->info);
    jpeg_destroy_decompress(&job->info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes, const QString& name)
{
    auto* job = static_cast<DecodeJob*>(std::calloc(1, sizeof(DecodeJob)));
    if (!job)
        throw GameError("Cannot read picture " + name.toStdString() + ": out of memory");
    const bool ok = RunDecode(job, reinterpret_cast<const unsigned char*>(bytes.constData()),
                              static_cast<unsigned long>(bytes.size()));
    QImage image;
    std::string error;
    if (ok) {
        // The image takes the pixels over and frees them when it goes.
        image = QImage(job->pixels, job->width, job->height, RowBytes(job->width), QImage::Format_RGB888, std::free,
                       job->pixels);
    } else {
        error = job->errors.message;
        std::free(job->pixels);
    }
    std::free(job);
    if (!ok)
        throw GameError("Cannot read picture " + name.toStdString() + ": " + error);
    return image;
}

QImage LoadJpegFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw GameError("Cannot open file " + path.toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw GameError("Cannot open file " + path.toStdString());
    return DecodeJpeg(bytes, path);
}

} // namespace tumbaro
