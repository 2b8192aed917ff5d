#include "platform/sound_output.h"

#include "platform/sound_voice.h"

#include <pulse/proplist.h>

#include <csignal>
#include <cstdint>
#include <pthread.h>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

namespace tumbaro {

std::shared_ptr<SoundOutput> SoundOutput::Shared()
{
    static std::mutex guard;
    static std::weak_ptr<SoundOutput> current;
    const std::lock_guard lock(guard);
    auto output = current.lock();
    if (!output) {
        output = std::make_shared<SoundOutput>();
        current = output;
    }
    return output;
}

SoundOutput::SoundOutput() : wakeup_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), loop_(pa_mainloop_new())
{
    if (wakeup_ < 0 || !loop_) return; // silent: requests go nowhere
    // Signals are the window's to handle, as they were before sound started.
    sigset_t all, previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

SoundOutput::~SoundOutput()
{
    if (thread_.joinable()) {
        {
            const std::lock_guard lock(mutex_);
            quitting_ = true;
        }
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(wakeup_, &one, sizeof one);
        thread_.join();
    }
    if (loop_) pa_mainloop_free(loop_);
    if (wakeup_ >= 0) ::close(wakeup_);
}

int SoundOutput::NewVoice()
{
    const std::lock_guard lock(mutex_);
    return nextVoice_++;
}

void SoundOutput::Play(int voice, std::shared_ptr<const SoundClip> clip)
{
    Post(voice, {std::move(clip), false});
}

void SoundOutput::Release(int voice)
{
    Post(voice, {nullptr, true});
}

void SoundOutput::Post(int voice, Request request)
{
    if (!thread_.joinable()) return;
    {
        const std::lock_guard lock(mutex_);
        Request& slot = requests_[voice];
        if (slot.release) return;
        slot = std::move(request);
    }
    // A full counter already wakes the thread; nothing is lost by failing.
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wakeup_, &one, sizeof one);
}

void SoundOutput::Run()
{
    pa_mainloop_api* api = pa_mainloop_get_api(loop_);
    pa_io_event* requests = api->io_new(api, wakeup_, PA_IO_EVENT_INPUT, OnRequests, this);
    pa_mainloop_run(loop_, nullptr);
    voices_.clear();
    Disconnect();
    api->io_free(requests);
}

void SoundOutput::OnRequests(pa_mainloop_api*, pa_io_event*, int, pa_io_event_flags_t, void* self)
{
    auto* output = static_cast<SoundOutput*>(self);
    std::uint64_t count;
    [[maybe_unused]] const ssize_t ignored = ::read(output->wakeup_, &count, sizeof count);
    std::map<int, Request> requests;
    bool quitting;
    {
        const std::lock_guard lock(output->mutex_);
        requests.swap(output->requests_);
        quitting = output->quitting_;
    }
    if (quitting) return pa_mainloop_quit(output->loop_, 0);
    for (auto& [voice, request] : requests) output->Apply(voice, std::move(request));
}

void SoundOutput::Apply(int id, Request request)
{
    if (request.release) {
        voices_.erase(id);
        return;
    }
    auto& voice = voices_[id];
    if (!voice) voice = std::make_unique<SoundVoice>();
    voice->waiting = std::move(request.clip);
    if (!voice->waiting) return voice->End();
    if (!context_) Connect();
    if (context_ && pa_context_get_state(context_) == PA_CONTEXT_READY) voice->Start(context_, std::move(voice->waiting));
}

void SoundOutput::Connect()
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Tumbaro");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "io.github.tumbaro.Tumbaro");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "tumbaro");
    context_ = pa_context_new_with_proplist(pa_mainloop_get_api(loop_), "Tumbaro", properties);
    pa_proplist_free(properties);
    if (!context_) return;
    pa_context_set_state_callback(context_, OnContextState, this);
    // Starting a sound server is the desktop's business, not a game's.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) Disconnect();
}

void SoundOutput::OnContextState(pa_context* context, void* self)
{
    auto* output = static_cast<SoundOutput*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        for (auto& [id, voice] : output->voices_)
            if (voice->waiting) voice->Start(context, std::move(voice->waiting));
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        output->Disconnect();
        break;
    default:
        break;
    }
}

void SoundOutput::Disconnect()
{
    if (!context_) return;
    // The sounds waiting for this connection are dropped: played late, after
    // a reconnection, they would no longer answer anything.
    for (auto& [id, voice] : voices_) {
        voice->End();
        voice->waiting.reset();
    }
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

} // namespace tumbaro
