// Types a Shift-JIS text into the message window one character step at a time: three lines
// 30 pixels apart, word-wrapped by byte count, waiting for the player at page breaks and at the
// end. The decide button or the left mouse button advances; a double click completes the page.
#pragma once

#include <string>

#include "engine/framework/game_event.h"

class DFont;
class DTexture;

class CMessageOutEvent : public CGameEvent {
public:
    static constexpr int kLines = 3;
    static constexpr int kLineHeight = 30;
    // A line may break once it holds more than this many bytes.
    static constexpr int kLineBytes = 48;
    // What a line holds at most when it breaks by the byte count alone: a line may end early
    // so that a name or a word that would cross this stays whole on the next one.
    static constexpr int kLineCapacity = kLineBytes + 2;

    enum Phase { kTyping = 1, kClosing = 2 };

    CMessageOutEvent() = default;

    void SetMessage(int x, int y, const char* text, unsigned color, DFont* font);
    // Appends to the running text; a window that waits is cleared without waiting for the player.
    void AppendMessage(const char* text);
    bool SetSpeed(int frames);
    void SetNoFastForward(bool no_fast_forward) { no_fast_forward_ = no_fast_forward ? 1 : 0; }
    void SetCloseWhenDone(bool close) { close_when_done_ = close ? 1 : 0; }
    void SetCursorTexture(DTexture* texture) { cursor_ = texture; }
    int GetPosition() const { return position_; }
    int GetLength() const { return static_cast<int>(text_.size()); }
    // Types `steps` character steps at once, ignoring the speed and the page breaks.
    bool CatchUp(int steps);
    void ClearLines();

    // Restarts the typing where it stands: the frame counter and the paused flag are kept.
    void Begin() override;
    void Update() override;
    void Draw() override;

    // Observation.
    bool IsWaiting() const { return waiting_ != 0; }
    bool IsPageFull() const { return page_full_ != 0; }
    int GetPhase() const { return phase_; }
    int GetSpeed() const { return speed_; }
    int GetCurrentLine() const { return current_line_; }
    const std::string& GetText() const { return text_; }
    // The bytes line i shows now ("" for the lines below the one being typed).
    std::string VisibleLine(int i) const;

    // The step counter is one for the whole program; tests put it back to its start.
    static void ResetStepCounter();

private:
    bool Step();
    void NewLine();
    // The next name or word would cross the line's end where it could stand whole on the next.
    bool BreaksBeforeUnit();
    // Ends the current line there: the page waits when it is full, else a new line starts.
    bool EndLine(int end);
    void ClearWindow();
    unsigned char ByteAt(int pos) const;

    int position_ = 0;
    int line_end_[kLines] = {};
    int line_start_[kLines] = {};
    int current_line_ = 0;
    std::string text_;
    DFont* font_ = nullptr;
    unsigned color_ = 0xFF000000;
    DTexture* cursor_ = nullptr;
    int x_ = 0, y_ = 0;
    int phase_ = kTyping;
    int speed_ = 4;
    int saved_speed_ = 4;
    unsigned char close_when_done_ = 1;
    unsigned char waiting_ = 0;
    unsigned char page_full_ = 0;
    unsigned char no_fast_forward_ = 0;
    int lines_completed_ = 0;
    int advance_ = 0;
    // The end of the name or word being typed that fits the line: no break before it.
    int unit_end_ = 0;
};
