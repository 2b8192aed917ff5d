#include "jpeg_loader.h"

#include "engine/game_error.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
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

// libjpeg is opened for each decode and closed after it: pictures are decoded
// a few times a game, and a library nothing else in the program uses would
// otherwise keep half a megabyte of its code resident for as long as it runs.
#define TUMBARO_STRINGIFY(x) #x
#define TUMBARO_SONAME(version) "libjpeg.so." TUMBARO_STRINGIFY(version)
class JpegLibrary {
public:
    JpegLibrary() : handle_(dlopen(TUMBARO_SONAME(JPEG_LIB_VERSION), RTLD_NOW | RTLD_LOCAL))
    {
        if (handle_
            && !(Find(std_error, "jpeg_std_error") && Find(create, "jpeg_CreateDecompress")
                 && Find(mem_src, "jpeg_mem_src") && Find(read_header, "jpeg_read_header")
                 && Find(start, "jpeg_start_decompress") && Find(read_scanlines, "jpeg_read_scanlines")
                 && Find(finish, "jpeg_finish_decompress") && Find(destroy, "jpeg_destroy_decompress"))) {
            dlclose(handle_);
            handle_ = nullptr;
        }
    }
    ~JpegLibrary()
    {
        if (handle_)
            dlclose(handle_);
    }
    JpegLibrary(const JpegLibrary&) = delete;
    JpegLibrary& operator=(const JpegLibrary&) = delete;

    bool Loaded() const { return handle_ != nullptr; }

    decltype(&jpeg_std_error) std_error = nullptr;
    decltype(&jpeg_CreateDecompress) create = nullptr;
    decltype(&jpeg_mem_src) mem_src = nullptr;
    decltype(&jpeg_read_header) read_header = nullptr;
    decltype(&jpeg_start_decompress) start = nullptr;
    decltype(&jpeg_read_scanlines) read_scanlines = nullptr;
    decltype(&jpeg_finish_decompress) finish = nullptr;
    decltype(&jpeg_destroy_decompress) destroy = nullptr;

private:
    template <typename Function>
    bool Find(Function& function, const char* name)
    {
        function = reinterpret_cast<Function>(dlsym(handle_, name));
        return function != nullptr;
    }

    void* handle_;
};
#undef TUMBARO_SONAME
#undef TUMBARO_STRINGIFY

// QImage wants every row to start on a 4-byte boundary.
int RowBytes(int width) { return (width * 3 + 3) & ~3; }

// Everything the decode touches lives here, reached through a pointer, so no
// local object is alive or modified across the setjmp below.
struct DecodeJob {
    const JpegLibrary* jpeg;
    jpeg_decompress_struct info;
    JpegErrors errors;
    unsigned char* pixels;  // malloc'ed, 3 bytes per pixel, rows padded to 4 bytes
    int width;
    int height;
};

bool RunDecode(DecodeJob* job, const unsigned char* data, unsigned long size)
{
    const JpegLibrary& jpeg = *job->jpeg;
    job->info.err = jpeg.std_error(&job->errors.manager);
    job->errors.manager.error_exit = FailDecode;
    job->errors.manager.emit_message = OnMessage;
    if (setjmp(job->errors.jump)) {
        jpeg.destroy(&job->info);
        return false;
    }
    jpeg.create(&job->info, JPEG_LIB_VERSION, sizeof(job->info));
    jpeg.mem_src(&job->info, data, size);
    jpeg.read_header(&job->info, TRUE);
    if (job->info.image_width > MaxSide || job->info.image_height > MaxSide) {
        std::snprintf(job->errors.message, sizeof job->errors.message, "picture too large (%u x %u)",
                      job->info.image_width, job->info.image_height);
        jpeg.destroy(&job->info);
        return false;
    }
    // Straight into the layout of QImage::Format_RGB888: no second buffer, no
    // conversion pass, and a quarter less memory than 32 bits a pixel for the
    // background, which is kept as long as the window shows it.
    job->info.out_color_space = JCS_EXT_RGB;
    jpeg.start(&job->info);
    job->width = static_cast<int>(job->info.output_width);
    job->height = static_cast<int>(job->info.output_height);
    job->pixels = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(RowBytes(job->width)) * job->height));
    if (!job->pixels) {
        std::snprintf(job->errors.message, sizeof job->errors.message, "out of memory");
        jpeg.destroy(&job->info);
        return false;
    }
    while (job->info.output_scanline < job->info.output_height) {
        JSAMPROW row = job->pixels + static_cast<size_t>(job->info.output_scanline) * RowBytes(job->width);
        jpeg.read_scanlines(&job->info, &row, 1);
    }
    jpeg.finish(&job->info);
    jpeg.destroy(&job->info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes, const QString& name)
{
    const JpegLibrary jpeg;
    if (!jpeg.Loaded())
        throw GameError("Cannot read picture " + name.toStdString() + ": no JPEG library");
    auto* job = static_cast<DecodeJob*>(std::calloc(1, sizeof(DecodeJob)));
    if (!job)
        throw GameError("Cannot read picture " + name.toStdString() + ": out of memory");
    job->jpeg = &jpeg;
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

QByteArray ReadJpegFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw GameError("Cannot open file " + path.toStdString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw GameError("Cannot open file " + path.toStdString());
    return bytes;
}

QImage LoadJpegFile(const QString& path) { return DecodeJpeg(ReadJpegFile(path), path); }

} // namespace tumbaro
