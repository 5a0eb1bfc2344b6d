#include "engine/framework/game_mediator.h"

#include <algorithm>
#include <cstring>

#include "engine/framework/devices.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/input/direct_input.h"
#include "platform/platform.h"

namespace {
constexpr int kTransitionFrames = 32;
}

CQZGameMediator::CQZGameMediator() : graphics_(GetDirectGraphics()), input_(GetDirectInput()) {}

CQZGameMediator::~CQZGameMediator() {
    // The events are not ours; they only stop pointing back at a mediator that is gone.
    for (CGameEvent* event : events_)
        if (event) event->listed_ = false;
    transition_fade_.listed_ = false;
}

int CQZGameMediator::RegisterComponent(CQZGameComponent* component) {
    components_.push_back(component);
    return static_cast<int>(components_.size());
}

int CQZGameMediator::InitializeComponents() {
    transition_mode_ = 0;
    transition_phase_ = 0;
    switch_argument_ = 0;
    for (CQZGameComponent* component : components_) component->Initialize();
    suspended_ = 0;
    StartEvent(nullptr, GetMouseEvent());
    return 1;
}

CQZGameComponent* CQZGameMediator::FindComponent(const char* name) const {
    if (!name) return nullptr;
    for (CQZGameComponent* component : components_)
        if (std::strcmp(component->GetName(), name) == 0) return component;
    return nullptr;
}

int CQZGameMediator::ChangeComponent(const char* name, int mode, int argument) {
    CQZGameComponent* target = name ? FindComponent(name) : current_;
    if (!target) return 0;
    next_ = target;
    transition_mode_ = mode;
    switch_argument_ = argument;
    if (mode == 0)
        SwitchComponent();
    else
        BeginTransition(mode);
    return 1;
}

void CQZGameMediator::FinalizeComponents() {
    if (current_) current_->OnLeave();
    current_ = nullptr;
    for (CQZGameComponent* component : components_) component->Finalize();
}

int CQZGameMediator::Run() {
    result_ = 0;
    // The keys and both mouse buttons are read as one poll: what was tapped since the last
    // frame is seen by the input device now and by the mouse event later in the same pass.
    if (platform::IsInstalled() && platform::Current().window)
        platform::Current().window->BeginInputPoll();
    input_->Update();

    ++pass_depth_;
    for (auto it = events_.begin(); it != events_.end(); ++it) {
        CGameEvent* event = *it;
        if (!event || event->paused_) continue;
        event->Update();
        // The Update may have retired the event already (its node is then null).
        if (*it == event && event->state_ == CGameEvent::kFinished) Retire(it, false);
    }
    --pass_depth_;
    SweepRetired();

    if (current_) current_->Update();
    if (transition_mode_ != 0) StepTransition();

    if (render_) {
        graphics_->BeginScene();
        if (current_) current_->Draw();
        ++pass_depth_;
        for (CGameEvent* event : events_)
            if (event) event->Draw();
        --pass_depth_;
        SweepRetired();
        graphics_->EndScene();
        graphics_->Present();
    }
    return quit_requested_ ? 3 : result_;
}

void CQZGameMediator::SwitchComponent() {
    if (current_) current_->OnLeave();
    current_ = next_;
    if (current_) current_->OnEnter(switch_argument_);
}

void CQZGameMediator::BeginTransition(int mode) {
    if (mode != 0) input_->Lock();
    transition_mode_ = mode;
    if (mode == 1)
        transition_fade_.Setup(CFadeEvent::kOut, kTransitionFrames, 0, 0, 0);
    else if (mode == 2)
        transition_fade_.Setup(CFadeEvent::kOut, kTransitionFrames, 255, 255, 255);
    transition_phase_ = 0;
    StartEvent(&transition_handle_, &transition_fade_);
}

void CQZGameMediator::StepTransition() {
    if (!transition_handle_.IsDone()) return;
    if (transition_phase_ == 0) {
        SwitchComponent();
        input_->Unlock();
        transition_phase_ = 1;
        const int c = transition_mode_ == 1 ? 0 : 255;
        transition_fade_.Setup(CFadeEvent::kIn, kTransitionFrames, c, c, c);
        StartEvent(&transition_handle_, &transition_fade_);
    } else {
        transition_mode_ = 0;
    }
}

void CQZGameMediator::SetFadeTexture(DTexture* texture) { transition_fade_.SetTexture(texture); }

bool CQZGameMediator::StartEvent(WaitHandle* handle, CGameEvent* event) {
    if (!event) return false;
    event->SetPaused(false);
    if (handle && !handle->Begin()) return false;
    event->Begin();
    event->wait_handle_ = handle;
    // Membership is explicit: an event already in the list (running, or finished but not yet
    // retired, as a paused one is) is restarted where it stands and never inserted twice.
    if (event->listed_) return true;
    auto it = std::find_if(events_.begin(), events_.end(), [event](const CGameEvent* listed) {
        return listed && listed->priority_ > event->priority_;
    });
    events_.insert(it, event);
    event->listed_ = true;
    // Retired and restarted within one pass: it is listed again, so it must not be deleted.
    deferred_deletes_.erase(std::remove(deferred_deletes_.begin(), deferred_deletes_.end(), event),
                            deferred_deletes_.end());
    return true;
}

void CQZGameMediator::Retire(std::list<CGameEvent*>::iterator it, bool finish) {
    CGameEvent* event = *it;
    if (event->wait_handle_) event->wait_handle_->Signal();
    if (finish) event->Finish();
    event->listed_ = false;
    if (pass_depth_ > 0)
        *it = nullptr;  // swept after the pass
    else
        events_.erase(it);
    if (event->self_delete_) {
        if (pass_depth_ > 0)
            deferred_deletes_.push_back(event);
        else
            delete event;
    }
}

void CQZGameMediator::SweepRetired() {
    if (pass_depth_ > 0) return;
    events_.remove(nullptr);
    std::vector<CGameEvent*> doomed;
    doomed.swap(deferred_deletes_);
    for (CGameEvent* event : doomed) delete event;
}

void CQZGameMediator::StopEvent(CGameEvent* event) {
    for (auto it = events_.begin(); it != events_.end();) {
        auto here = it++;
        if (*here && *here == event) Retire(here, true);
    }
}

void CQZGameMediator::StopEventsWaitingOn(WaitHandle* handle) {
    for (auto it = events_.begin(); it != events_.end();) {
        auto here = it++;
        if (*here && (*here)->wait_handle_ == handle) Retire(here, true);
    }
}

void CQZGameMediator::StopSceneEvents() {
    for (auto it = events_.begin(); it != events_.end();) {
        auto here = it++;
        if (*here && (*here)->stop_at_switch_) Retire(here, true);
    }
}

void CQZGameMediator::Forget(CGameEvent* event) {
    for (auto& listed : events_)
        if (listed == event) listed = nullptr;
    event->listed_ = false;
    if (pass_depth_ == 0) events_.remove(nullptr);
    deferred_deletes_.erase(std::remove(deferred_deletes_.begin(), deferred_deletes_.end(), event),
                            deferred_deletes_.end());
}

void CQZGameMediator::OnReset() {
    if (current_) current_->OnReset();
}

bool CQZGameMediator::OnCommand() { return current_ ? current_->OnCommand() : false; }

void CQZGameMediator::CallHook1(int a, int b, int c) {
    if (current_) current_->OnHook1(a, b, c);
}

void CQZGameMediator::CallHook2(int a, int b) {
    if (current_) current_->OnHook2(a, b);
}

std::vector<CGameEvent*> CQZGameMediator::RunningEvents() const {
    std::vector<CGameEvent*> out;
    for (CGameEvent* event : events_)
        if (event) out.push_back(event);
    return out;
}

bool CQZGameMediator::IsRunning(const CGameEvent* event) const { return event && event->listed_; }
