// The engine's device objects and its mediator, each one object for the program's life. One
// EngineRuntime owns them all and builds and destroys them in order; these accessors reach the
// objects of the runtime that is alive.
#pragma once

class CDirectGraphics;
class CDirectSound;
class CDirectMusic;
class CDirectShow;
class CDirectInput;
class CMouseEvent;
class CQZGameMediator;

CDirectGraphics* GetDirectGraphics();
CDirectSound* GetDirectSound();
CDirectMusic* GetDirectMusic();
CDirectShow* GetDirectShow();
CDirectInput* GetDirectInput();
CMouseEvent* GetMouseEvent();
CQZGameMediator* GetGameMediator();
