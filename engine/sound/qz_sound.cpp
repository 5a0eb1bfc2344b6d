#include "engine/sound/qz_sound.h"

#include <vector>

#include "engine/common/game_path.h"
#include "engine/common/system.h"
#include "engine/sound/direct_show.h"
#include "engine/sound/direct_sound.h"
#include "engine/sound/midi_song.h"
#include "engine/sound/music_stream.h"
#include "engine/sound/sound_devices.h"
#include "engine/sound/synthesizer_factory.h"
#include "engine/sound/volume_law.h"

CQZSound::CQZSound() {
    if (registry()) volume_ = registry()->GetVolume();
}

CQZSound::~CQZSound() { stream_.reset(); }

void CQZSound::Detach() {
    // The devices go in order after the registry; the piece must be out of the mixer by then.
    stream_.reset();
    loaded_ = false;
    IQZContent::Detach();
}

std::int64_t CQZSound::GetPosition() const { return stream_ ? stream_->Position() : 0; }
std::int64_t CQZSound::GetDuration() const { return stream_ ? stream_->Duration() : 0; }

void CQZSound::SeekTo(std::int64_t t) {
    if (stream_) stream_->Seek(t);
}

bool CQZSound::IsPlaying() {
    // A piece that has run to its end is over, even before its frame update has noticed; one
    // that loops goes round again.
    return IsLoaded() && state_ == kPlaying && (loop_ || GetPosition() < end_);
}

void CQZSound::Play() {
    if (!loaded_) return;
    if (GetPosition() >= end_) SeekTo(start_);
    stream_->Run();
    state_ = kPlaying;
}

void CQZSound::Pause() {
    if (!loaded_) return;
    stream_->Pause();
    state_ = kPaused;
}

void CQZSound::Stop() {
    if (!loaded_) return;
    stream_->Stop();
    state_ = kStopped;
}

void CQZSound::SetVolume(double volume) {
    volume_ = !(volume > 0.0) ? 0.0 : volume > 100.0 ? 100.0 : volume;
    if (stream_) stream_->SetGain(sound::VolumeToGain(volume_));
}

void CQZSound::SetSpeed(double speed) {
    speed_ = speed > 0.0 ? speed : 0.000001;
    if (stream_) stream_->SetSpeed(speed_);
}

void CQZSound::SetStartPoint(std::int64_t t) {
    start_ = t < 0 ? 0 : t;
    if (loaded_ && GetPosition() < start_) SeekTo(start_);
}

void CQZSound::SetEndPoint(std::int64_t t) {
    end_ = t;
    if (!loaded_) return;
    const std::int64_t duration = GetDuration();
    if (end_ > duration) end_ = duration;
    if (GetPosition() > end_) {
        if (loop_) {
            SeekTo(start_);
        } else {
            SeekTo(end_);
            Stop();
        }
    }
}

void CQZSound::Activate() {
    if (active_) return;
    Play();
    active_ = 1;
}

void CQZSound::Deactivate() {
    if (!active_) return;
    if (state_ == kPlaying) Pause();
    active_ = 0;
}

void CQZSound::Update() {
    if (state_ == kStopped || !loaded_) return;
    if (stream_->TakeCompletion()) {
        state_ = kStopped;
        if (loop_) Play();
    }
    if (GetPosition() >= end_) {
        if (loop_)
            SeekTo(start_);
        else
            Stop();
    }
}

bool CQZSound::CreateGraph() {
    if (stream_) return true;
    CDirectSound* device = CurrentSoundDevices().sound;
    if (!device || !registry()) {
        DebugOutput("IUnknownの生成に失敗しました\n");
        return false;
    }
    sound::SoundMixer& mixer = device->mixer();
    if (!mixer.Open()) {
        DebugOutput("IUnknownの生成に失敗しました\n");
        return false;
    }
    stream_ = std::make_unique<sound::MusicStream>(
        mixer, sound::CreateSynthesizer(mixer.Rate(), registry()->soundfont()));
    return true;
}

bool CQZSound::Load(const char* path) {
    Stop();
    if (!stream_ && !CreateGraph()) return false;
    std::vector<std::uint8_t> bytes;
    sound::MidiSong song;
    if (!path || !*path || !gamepath::ReadAll(path, bytes, gamepath::kMaxMusicFileBytes) ||
        !sound::ParseMidiFile(bytes.data(), bytes.size(), song)) {
        DebugOutput("ファイル読み込みに失敗しました\n");
        if (loaded_) stream_->SetSong({});
        loaded_ = false;
        state_ = kStopped;
        return false;
    }
    stream_->SetSong(std::move(song));
    loaded_ = true;
    state_ = kStopped;
    SetVolume(volume_);
    SetSpeed(1.0);
    start_ = 0;
    end_ = GetDuration();
    SeekTo(start_);
    return true;
}
