#include "platform/sound_voice.h"

#include <pulse/proplist.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tumbaro {

namespace {

pa_sample_format_t PulseFormat(SampleFormat format)
{
    switch (format) {
    case SampleFormat::U8: return PA_SAMPLE_U8;
    case SampleFormat::S16LE: return PA_SAMPLE_S16LE;
    case SampleFormat::S24LE: return PA_SAMPLE_S24LE;
    case SampleFormat::S32LE: return PA_SAMPLE_S32LE;
    case SampleFormat::Float32LE: return PA_SAMPLE_FLOAT32LE;
    }
    return PA_SAMPLE_INVALID;
}

// A stream is known to the server only once it is ready, and only then can it
// be taken back: one cut off before that is closed as soon as it gets there.
void CloseWhenReady(pa_stream* stream, void*)
{
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        pa_stream_disconnect(stream); // comes back here as terminated
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        break;
    default:
        break;
    }
}

} // namespace

void SoundVoice::Start(pa_context* context, std::shared_ptr<const SoundClip> clip)
{
    End();
    if (!clip || clip->channels == 0 || clip->channels > PA_CHANNELS_MAX) return;
    const pa_sample_spec layout{PulseFormat(clip->format), clip->rate, static_cast<std::uint8_t>(clip->channels)};
    if (!pa_sample_spec_valid(&layout)) return;
    if (!clip->file.empty()) {
        file_ = ::open(clip->file.c_str(), O_RDONLY | O_CLOEXEC);
        if (file_ < 0) return;
    }
    clip_ = std::move(clip);

    pa_proplist* properties = pa_proplist_new();
    // Short sounds that answer the player, as opposed to music or speech.
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    stream_ = pa_stream_new_with_proplist(context, clip_->name.c_str(), &layout, nullptr, properties);
    pa_proplist_free(properties);
    if (!stream_) return End();
    pa_stream_set_state_callback(stream_, OnState, this);
    pa_stream_set_write_callback(stream_, OnWritable, this);
    if (pa_stream_connect_playback(stream_, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0) End();
}

void SoundVoice::End()
{
    if (drain_) {
        pa_operation_cancel(drain_);
        pa_operation_unref(drain_);
        drain_ = nullptr;
    }
    if (stream_) {
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        if (pa_stream_get_state(stream_) == PA_STREAM_CREATING) {
            pa_stream_set_state_callback(stream_, CloseWhenReady, nullptr); // takes this reference
        } else {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            if (pa_stream_get_state(stream_) == PA_STREAM_READY) pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        stream_ = nullptr;
    }
    if (file_ >= 0) {
        ::close(file_);
        file_ = -1;
    }
    clip_.reset();
    written_ = 0;
}

void SoundVoice::OnState(pa_stream* stream, void* self)
{
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) static_cast<SoundVoice*>(self)->End();
}

void SoundVoice::OnWritable(pa_stream*, std::size_t bytes, void* self)
{
    static_cast<SoundVoice*>(self)->Fill(bytes);
}

void SoundVoice::OnDrained(pa_stream*, int, void* self)
{
    auto* voice = static_cast<SoundVoice*>(self);
    pa_operation_unref(voice->drain_);
    voice->drain_ = nullptr;
    voice->End();
}

void SoundVoice::Fill(std::size_t bytes)
{
    const std::uint64_t frame = clip_->FrameBytes();
    bool more = written_ < clip_->size;
    while (more && bytes >= frame) {
        std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(bytes, clip_->size - written_));
        void* buffer = nullptr;
        if (pa_stream_begin_write(stream_, &buffer, &size) < 0 || !buffer) return End();
        size -= size % frame;
        if (size == 0 || !Read(buffer, size)) {
            // Less than a frame is left, or the file was cut short since it
            // was checked: the sound ends where its samples end.
            pa_stream_cancel_write(stream_);
            more = false;
            break;
        }
        if (pa_stream_write(stream_, buffer, size, nullptr, 0, PA_SEEK_RELATIVE) < 0) return End();
        written_ += size;
        bytes -= size;
        more = written_ < clip_->size;
    }
    // The stream starts playing once its buffer is full or it is drained, so
    // a sound shorter than the buffer starts here.
    if (!more && !drain_) {
        drain_ = pa_stream_drain(stream_, OnDrained, this);
        if (!drain_) End();
    }
}

bool SoundVoice::Read(void* into, std::size_t bytes)
{
    if (file_ < 0) {
        if (clip_->bytes.size() < written_ + bytes) return false;
        std::memcpy(into, clip_->bytes.data() + written_, bytes);
        return true;
    }
    auto* at = static_cast<char*>(into);
    auto offset = static_cast<off_t>(clip_->offset + written_);
    while (bytes > 0) {
        const ssize_t got = ::pread(file_, at, bytes, offset);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        at += got;
        offset += got;
        bytes -= static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace tumbaro
