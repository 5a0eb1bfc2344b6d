// The engine's one driver: the registered components, the current one, the running events in
// priority order, the switch from one component to another (a cut or a fade), and one frame
// at a time. It also embeds the game's named values and item bag and forwards to them.
#pragma once

#include <list>
#include <vector>

#include "engine/data/item_bag.h"
#include "engine/data/shared_data.h"
#include "engine/framework/fade_event.h"
#include "engine/framework/game_component.h"
#include "engine/framework/game_event.h"
#include "engine/framework/wait_handle.h"

class CDirectGraphics;
class CDirectInput;
class DTexture;

class CQZGameMediator {
public:
    CQZGameMediator();
    ~CQZGameMediator();
    CQZGameMediator(const CQZGameMediator&) = delete;
    CQZGameMediator& operator=(const CQZGameMediator&) = delete;

    int RegisterComponent(CQZGameComponent* component);
    int InitializeComponents();
    int ChangeComponent(const char* name, int mode, int argument);
    CQZGameComponent* FindComponent(const char* name) const;
    void FinalizeComponents();

    // One frame; returns 1 in the frame in which a component asked for the deferred start.
    int Run();
    void RequestDeferredStart() { result_ = 1; }
    // A component that cannot run asks the frame to quit; every later frame returns 3.
    void RequestQuit() { quit_requested_ = true; }

    bool StartEvent(WaitHandle* handle, CGameEvent* event);
    void StopEvent(CGameEvent* event);
    void StopEventsWaitingOn(WaitHandle* handle);
    void StopSceneEvents();

    void OnReset();
    bool OnCommand();
    virtual void CallHook1(int a, int b, int c);
    virtual void CallHook2(int a, int b);

    void SetFps(int fps) { fps_ = fps; }
    int GetFps() const { return fps_; }
    void SetSuspended(bool suspended) { suspended_ = suspended ? 1 : 0; }
    bool IsSuspended() const { return suspended_ != 0; }
    void SetRenderFlag(bool render) { render_ = render ? 1 : 0; }
    bool GetRenderFlag() const { return render_ != 0; }
    void SetFadeTexture(DTexture* texture);

    // Named values and items.
    int GetValue(const char* name, int fallback);
    void SetValue(const char* name, int value, bool guarded = false);
    bool AddValue(const char* name, int delta);
    bool SaveValues(const char* plain_path, const char* guarded_path);
    bool LoadValues(const char* plain_path, const char* guarded_path);
    void SetFileKey(const unsigned char* key);
    bool SaveItems(const char* path);
    bool LoadItems(const char* path);
    CQZSharedData& values() { return values_; }
    CItemBag& items() { return items_; }

    // Observation for the frame window and tests.
    CQZGameComponent* GetCurrentComponent() const { return current_; }
    int GetTransitionMode() const { return transition_mode_; }
    int GetTransitionPhase() const { return transition_phase_; }
    // The running events in update order.
    std::vector<CGameEvent*> RunningEvents() const;
    bool IsRunning(const CGameEvent* event) const;

private:
    friend class CGameEvent;
    void SwitchComponent();
    void BeginTransition(int mode);
    void StepTransition();
    // Signals, finishes and unlinks one listed event (deleting it when it deletes itself).
    void Retire(std::list<CGameEvent*>::iterator it, bool finish);
    void SweepRetired();
    // An event being destroyed leaves the list without being touched again.
    void Forget(CGameEvent* event);

    CQZSharedData values_;
    CItemBag items_;
    unsigned char render_ = 1;
    int fps_ = 0;
    int transition_mode_ = 0;
    int transition_phase_ = 0;
    int switch_argument_ = 0;
    int result_ = 0;
    bool quit_requested_ = false;
    CDirectGraphics* graphics_;
    CDirectInput* input_;
    CQZGameComponent* current_ = nullptr;
    CQZGameComponent* next_ = nullptr;
    std::vector<CQZGameComponent*> components_;
    // Nodes of retired events are nulled during a pass and swept after it, so an Update may
    // stop or start any event, itself included, without breaking the pass.
    std::list<CGameEvent*> events_;
    int pass_depth_ = 0;
    std::vector<CGameEvent*> deferred_deletes_;
    unsigned char suspended_ = 1;
    CFadeEvent transition_fade_;
    WaitHandle transition_handle_;
};
