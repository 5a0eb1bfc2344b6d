#include "game/shell/main_frame.h"

#include "engine/common/system.h"
#include "engine/framework/devices.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/input/direct_input.h"
#include "engine/sound/direct_music.h"
#include "engine/sound/direct_show.h"
#include "engine/sound/direct_sound.h"
#include "game/shell/about_dialog.h"
#include "game/shell/frame_settings.h"
#include "game/shell/main_menu.h"

namespace {

// After a quit, ticks still queued find this many pending and run no frame.
constexpr int kTicksAfterQuit = 1000;

int ReadSetting(const frame_settings::Key& key) {
    return platform::Current().settings->GetInt(frame_settings::kSection, key.name, key.fallback);
}

void WriteSetting(const char* key, int value) {
    platform::Current().settings->WriteInt(frame_settings::kSection, key, value);
}

}  // namespace

CMainFrame::CMainFrame(Components components)
    : window_(platform::Current().window), components_(std::move(components)) {
    ring_.fill(5);
    sound_started_ = ReadSetting(frame_settings::kWave) != 0 ? 1 : 0;
    music_started_ = ReadSetting(frame_settings::kMidi) != 0 ? 1 : 0;
    window_rect_.left = ReadSetting(frame_settings::kX);
    window_rect_.top = ReadSetting(frame_settings::kY);
    window_rect_.right = window_rect_.left + ReadSetting(frame_settings::kWidth);
    window_rect_.bottom = window_rect_.top + ReadSetting(frame_settings::kHeight);
    for (int i = 0; i < 4; ++i) button_keys_[i] = ReadSetting(frame_settings::kButtons[i]);
    for (int i = 0; i < 4; ++i) direction_keys_[i] = ReadSetting(frame_settings::kDirections[i]);

    graphics_ = GetDirectGraphics();
    input_ = GetDirectInput();
    sound_ = GetDirectSound();
    music_ = GetDirectMusic();
    mediator_ = GetGameMediator();
}

CMainFrame::~CMainFrame() { Shutdown(); }

void CMainFrame::PreCreateWindow() {
    window_->MoveWindow(window_rect_);
    window_->SetMenu(main_menu::Build());
}

void CMainFrame::FitClientArea() {
    platform::Rect client = window_->GetClientRect();
    if (client.Width() == kClientWidth && client.Height() == kClientHeight) return;
    const platform::Rect outer = window_rect_;
    window_->MoveWindow({outer.left, outer.top,
                         outer.left + outer.Width() - client.Width() + kClientWidth,
                         outer.top + outer.Height() - client.Height() + kClientHeight});
    window_rect_ = window_->GetWindowRect();
}

bool CMainFrame::StartGame() {
    // What the start finds missing or damaged is one message, shown as the start ends.
    GatheredMessages gathered;
    Srand(static_cast<std::uint32_t>(WallClockSeconds()) * 32767u);

    if (windowed_) {
        window_rect_ = window_->GetWindowRect();
        FitClientArea();
    }

    mediator_ = GetGameMediator();
    mouse_ = GetMouseEvent();
    mouse_->SetWindow(window_);

    if (!StartGraphics()) return false;

    if (components_.start) {
        mediator_->RegisterComponent(components_.start);
        mediator_->InitializeComponents();
        mediator_->ChangeComponent(components_.start->GetName(), 0, 0);
    } else {
        mediator_->InitializeComponents();
    }
    for (CQZGameComponent* component : components_.others) mediator_->RegisterComponent(component);

    platform::Timers* timers = platform::Current().timers;
    platform::Window* window = window_;
    if (rate_timer_ == 0) {
        rate_timer_ = timers->SetEvent(kRateIntervalMs, [window] {
            window->PostMessage(platform::Message::MakeTimer(kRateTimerId));
        });
        if (rate_timer_ == 0) ShowMessageBox("タイマ異常", "vemu");
    }
    last_frame_end_ = TimeGetTime();
    if (!timers_running_) return false;
    if (frame_timer_ == 0) {
        frame_timer_ = timers->SetEvent(kFrameIntervalMs, [this, window] {
            pending_ticks_.fetch_add(1);
            window->PostMessage(platform::Message::MakeTimer(kFrameTimerId));
        });
        if (frame_timer_ == 0) {
            // Without the frame timer no frame could ever run: say so and give up, instead of
            // reporting a start that leaves a dead window.
            ShowMessageBox("タイマ異常", "vemu");
            timers_running_ = 0;
            return false;
        }
    }
    not_started_ = 0;

    GetDirectShow()->SetVolume(static_cast<double>(ReadSetting(frame_settings::kMusicVolume)));
    sound_->SetVolume(ReadSetting(frame_settings::kSoundVolume));
    return true;
}

bool CMainFrame::StartGraphics() {
    if (!graphics_) graphics_ = GetDirectGraphics();
    if (graphics_->Init(window_, windowed_ != 0)) {
        graphics_->Clear();
        graphics_->BeginScene();
        graphics_->EndScene();
        graphics_->Present();
        return true;
    }
    ShowMessageBox("DirectGraphicsの初期化に失敗", "Error");
    ReleaseGraphics();
    return false;
}

namespace {

// Starts a device that the game can run without: on failure it says so, releases the device
// and clears its started flag.
template <typename Device, typename Release>
bool StartOptional(Device*& device, Device* (*accessor)(), platform::Window** window,
                   const char* failure, std::uint8_t& started, Release release) {
    if (!device) device = accessor();
    if (device->Init(window)) {
        started = 1;
        return true;
    }
    ShowMessageBox(failure, "Error");
    release();
    started = 0;
    return false;
}

}  // namespace

bool CMainFrame::StartSound() {
    return StartOptional(sound_, &GetDirectSound, &window_, "DirectSoundの初期化に失敗",
                         sound_started_, [this] { ReleaseSound(); });
}

bool CMainFrame::StartMusic() {
    return StartOptional(music_, &GetDirectMusic, &window_, "DirectMusicの初期化に失敗",
                         music_started_, [this] { ReleaseMusic(); });
}

bool CMainFrame::StartInput() {
    if (input_started_) return true;
    if (!input_) input_ = GetDirectInput();
    const bool ok = input_->Init(&window_);
    for (int i = 0; i < 4; ++i) input_->SetKey(kButtonDecide + i, button_keys_[i]);
    input_started_ = ok ? 1 : 0;
    return ok;
}

void CMainFrame::ReleaseGraphics() {
    if (graphics_) graphics_->Release();
    graphics_ = nullptr;
}

void CMainFrame::ReleaseInput() {
    if (input_) input_->Release();
    input_ = nullptr;
}

void CMainFrame::ReleaseSound() {
    if (sound_) sound_->Release();
    sound_ = nullptr;
}

void CMainFrame::ReleaseMusic() {
    if (music_) music_->Release();
    music_ = nullptr;
}

void CMainFrame::OnTimer(int id) {
    if (id == kFrameTimerId) {
        const int pending = pending_ticks_.fetch_sub(1) - 1;
        if (pending < kMaxPendingTicks) {
            const std::uint32_t now = TimeGetTime();
            if (!mediator_->IsSuspended()) FrameStep(now - last_frame_end_ >= 1);
            last_frame_end_ = TimeGetTime();
        }
    } else if (id == kRateTimerId) {
        ring_[ring_index_] = frames_this_period_;
        ring_index_ = (ring_index_ + 1) % ring_.size();
        frames_this_period_ = 0;
        std::uint32_t sum = 0;
        for (std::uint32_t slot : ring_) sum += slot;
        mediator_->SetFps(static_cast<int>(sum));
    }
}

void CMainFrame::FrameStep(bool draw) {
    if (!active_ || shut_down_) return;
    if (draw) ++frames_this_period_;
    UpdateSystemCursor();
    mediator_->SetRenderFlag(draw);
    const int result = mediator_->Run();
    if (result == 1) {
        // The components load their pictures, sounds and data files here: every file missing
        // or damaged is a line of one message.
        GatheredMessages gathered;
        mediator_->SetSuspended(true);
        StartSound();
        StartMusic();
        StartInput();
        for (CQZGameComponent* component : components_.others) component->Initialize();
        mediator_->SetSuspended(false);
    } else if (result == 2) {
        ToggleFullScreen();
    } else if (result == 3) {
        // Only a component that cannot run asks for this: the start has failed after all.
        Quit(kExitStartFailed);
        return;
    }
    if (active_ && graphics_) graphics_->RecoverLostDevice();
}

void CMainFrame::UpdateSystemCursor() {
    // Inside the picture only the game's own cursor shows.
    const platform::Point p = window_->GetCursorPos();
    const bool inside = p.x >= 1 && p.x <= kClientWidth && p.y >= 1 && p.y <= kClientHeight;
    if (inside != cursor_hidden_) {
        window_->SetSystemCursorHidden(inside);
        cursor_hidden_ = inside;
    }
}

void CMainFrame::ToggleFullScreen() {
    if (!graphics_) return;
    mediator_->SetSuspended(true);
    graphics_->ToggleFullScreen();
    if (windowed_ && !graphics_->IsFullScreen()) {
        window_->MoveWindow(window_rect_);
        window_rect_ = window_->GetWindowRect();
        FitClientArea();
    }
    input_started_ = 0;
    StartInput();
    mediator_->SetSuspended(false);
}

void CMainFrame::OnKeyDown(int virtual_key, bool repeat) {
    if (repeat) return;
    switch (virtual_key) {
        case platform::vk::kEscape:
        case platform::vk::kF1:
            Quit();
            break;
        case platform::vk::kF2:
            mediator_->OnReset();
            break;
        case platform::vk::kF3:
            ToggleFullScreen();
            break;
        case platform::vk::kF4:
            mediator_->OnCommand();
            break;
        default:
            break;
    }
}

void CMainFrame::OnActivate(bool active) {
    if (not_started_) return;
    if (!active_ && active) {
        input_started_ = 0;
        StartInput();
        active_ = 1;
        GetDirectShow()->ResumeAll();
    } else if (active_ && !active) {
        active_ = 0;
        GetDirectShow()->PauseAll();
    }
}

void CMainFrame::OnMove() {
    if (not_started_ || !graphics_ || graphics_->IsFullScreen()) return;
    const platform::Rect rect = window_->GetWindowRect();
    // A window pushed partly off the top or left edge is not remembered there.
    if (rect.left >= 0 && rect.top >= 0) window_rect_ = rect;
}

void CMainFrame::OnMaximize() { ToggleFullScreen(); }

void CMainFrame::OnPaint() {
    if (!not_started_ && graphics_) graphics_->Present();
}

void CMainFrame::OnMouseWheel(int delta) {
    if (mouse_) mouse_->SetWheel(delta / 40);
}

void CMainFrame::OpenDocument(const char* target, const char* failure_message) {
    if (!ShellOpen(target)) ShowMessageBox(failure_message, "vemu");
}

void CMainFrame::OnCommand(int id) {
    switch (id) {
        case main_menu::kReset:
            mediator_->OnReset();
            break;
        case main_menu::kFullScreen:
            ToggleFullScreen();
            break;
        case main_menu::kComponentCommand:
            mediator_->OnCommand();
            break;
        case main_menu::kQuit:
            Quit();
            break;
        case main_menu::kManual:
            OpenDocument(main_menu::kManualPath, "ファイルが開けません");
            break;
        case main_menu::kProductPage:
            OpenDocument(main_menu::kProductPageAddress, "ウェブ起動できません");
            break;
        case main_menu::kMakerPage:
            OpenDocument(main_menu::kMakerPageAddress, "ウェブ起動できません");
            break;
        case main_menu::kAbout:
            CAboutDlg().DoModal();
            break;
        default:
            break;
    }
}

void CMainFrame::OnMessage(const platform::Message& message) {
    using platform::MessageKind;
    switch (message.kind) {
        case MessageKind::Timer:
            OnTimer(message.id);
            break;
        case MessageKind::KeyDown:
            OnKeyDown(message.key, message.repeat);
            break;
        case MessageKind::MouseWheel:
            OnMouseWheel(message.wheel_delta);
            break;
        case MessageKind::Activate:
            OnActivate(message.active);
            break;
        case MessageKind::Move:
            OnMove();
            break;
        case MessageKind::Maximize:
            OnMaximize();
            break;
        case MessageKind::Paint:
            OnPaint();
            break;
        case MessageKind::Close:
            Quit();
            break;
        case MessageKind::Command:
            OnCommand(message.id);
            break;
        case MessageKind::DeviceLost:
            break;
    }
}

void CMainFrame::Quit(int exit_code) {
    Shutdown();
    exit_code_ = exit_code;
    window_->PostQuit(exit_code);
}

void CMainFrame::FailStart() {
    exit_code_ = kExitStartFailed;
    window_->PostQuit(exit_code_);
}

void CMainFrame::Shutdown() {
    // The destructor runs this again after a quit; the second run must not finalise twice or
    // touch released devices.
    if (shut_down_) return;
    shut_down_ = true;
    mediator_->FinalizeComponents();
    pending_ticks_ = kTicksAfterQuit;
    platform::Timers* timers = platform::Current().timers;
    if (frame_timer_) timers->KillEvent(frame_timer_);
    if (rate_timer_) timers->KillEvent(rate_timer_);
    frame_timer_ = rate_timer_ = 0;

    WriteSetting(frame_settings::kX.name, window_rect_.left);
    WriteSetting(frame_settings::kY.name, window_rect_.top);
    WriteSetting(frame_settings::kWidth.name, window_rect_.Width());
    WriteSetting(frame_settings::kHeight.name, window_rect_.Height());
    WriteSetting(frame_settings::kWindowed, graphics_ && graphics_->IsFullScreen() ? 0 : 1);
    WriteSetting(frame_settings::kWave.name, sound_started_);
    WriteSetting(frame_settings::kMidi.name, music_started_);
    WriteSetting(frame_settings::kMusicVolume.name, static_cast<int>(GetDirectShow()->GetVolume()));
    WriteSetting(frame_settings::kSoundVolume.name, GetDirectSound()->GetVolume());

    ReleaseSound();
    ReleaseMusic();
    ReleaseInput();
    ReleaseGraphics();
}
