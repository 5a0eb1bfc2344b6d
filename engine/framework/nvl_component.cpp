#include "engine/framework/nvl_component.h"

#include "engine/framework/game_mediator.h"
#include "engine/framework/wait_handle.h"

namespace {
// Bytes still to type before a catch-up is worth it, and the steps it then takes.
constexpr int kCatchUpBacklog = 64;
constexpr int kCatchUpSteps = 4;
}  // namespace

CQZNVLComponent::CQZNVLComponent() {
    SetName("NVLComp");
    fade_.set_priority(7);
}

CQZNVLComponent::~CQZNVLComponent() = default;

bool CQZNVLComponent::ShowMessage(WaitHandle* handle, const char* text, unsigned color,
                                  DFont* font) {
    message_text_ = text ? text : "";
    if (!font) font = default_font_;
    if (message_.state() != CGameEvent::kRunning) {
        message_.SetMessage(message_x_, message_y_, message_text_.c_str(), color, font);
        return mediator_->StartEvent(handle, &message_);
    }
    // A running window takes the new text at once; a handle it replaces is dropped unsignalled.
    if (handle) {
        handle->Begin();
        message_.set_wait_handle(handle);
    }
    message_.SetMessage(message_x_, message_y_, message_text_.c_str(), color, font);
    message_.Begin();
    return true;
}

bool CQZNVLComponent::ShowOrAppendMessage(WaitHandle* handle, const char* text, unsigned color,
                                          DFont* font) {
    // A handle can still read waiting after its window closed: only a running one can grow.
    if (handle && handle->state == WaitHandle::kWaiting &&
        message_.state() == CGameEvent::kRunning) {
        if (text) message_text_ += text;
        message_.AppendMessage(text);
        return true;
    }
    return ShowMessage(handle, text, color, font);
}

bool CQZNVLComponent::StartSelect(WaitHandle* handle, int x, int y, int* index, const char** labels,
                                  int rows) {
    int count = 0;
    while (labels && labels[count]) ++count;
    std::vector<MenuEntry> entries(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) entries[static_cast<std::size_t>(i)].label = labels[i];
    select_entries_.swap(entries);
    select_.SetItems(select_entries_.data(), count, index, rows);
    select_.SetPosition(x, y);
    select_.SetKeyRecall(true);
    select_.Start(handle);
    return true;
}

void CQZNVLComponent::StopSelect() { select_.Stop(); }

void CQZNVLComponent::FreeSelectItems() {
    // The window must not keep pointing at rows that are gone.
    select_.ClearItems();
    select_entries_.clear();
}

bool CQZNVLComponent::FadeIn(WaitHandle* handle, int frames, int r, int g, int b) {
    fade_.Setup(CFadeEvent::kIn, frames, r, g, b);
    return mediator_->StartEvent(handle, &fade_);
}

bool CQZNVLComponent::FadeOut(WaitHandle* handle, int frames, int r, int g, int b) {
    fade_.Setup(CFadeEvent::kOut, frames, r, g, b);
    return mediator_->StartEvent(handle, &fade_);
}

void CQZNVLComponent::Wait(WaitHandle* handle, int milliseconds) {
    wait_milliseconds_ = milliseconds;
    wait_.SetMilliseconds(milliseconds);
    wait_.Start(handle);
}

void CQZNVLComponent::CatchUpText() {
    if (message_.GetLength() - message_.GetPosition() > kCatchUpBacklog)
        message_.CatchUp(kCatchUpSteps);
}
