// One screen mode of the program (the logo, the title, the game itself). Exactly one is
// current; the mediator updates and draws it every frame.
#pragma once

#include <string>

class CDirectGraphics;
class CDirectSound;
class CDirectMusic;
class CDirectInput;
class CQZGameMediator;
class CMouseEvent;

class CQZGameComponent {
public:
    // Takes the engine's device pointers from their accessors.
    CQZGameComponent();
    CQZGameComponent(const CQZGameComponent&) = delete;
    CQZGameComponent& operator=(const CQZGameComponent&) = delete;

    virtual void OnLeave() {}
    virtual void OnEnter(int /*argument*/) {}
    virtual void Initialize() = 0;
    virtual void Finalize() = 0;
    virtual void Update() = 0;
    virtual void Draw() {}
    virtual void OnReset() {}
    virtual bool OnCommand() { return true; }
    virtual void OnHook1(int, int, int) {}
    virtual void OnHook2(int, int) {}
    virtual ~CQZGameComponent() = default;

    void SetName(const char* name) { name_ = name ? name : ""; }
    const char* GetName() const { return name_.c_str(); }

    // Voice clips are asked for by the story but never played.
    void PlayVoice(const char* /*path*/) {}

protected:
    CDirectGraphics* graphics_;
    CDirectSound* sound_;
    CDirectMusic* music_;
    CDirectInput* input_;
    CQZGameMediator* mediator_;
    CMouseEvent* mouse_;

private:
    std::string name_;
};
