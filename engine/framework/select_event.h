// The engine's choice list: pages of rows from an array of entries, moved by keys, the wheel
// and the pointer, decided by the decide button or a click on an enabled row. The chosen row is
// left in the caller's index variable when the list finishes; cancelling is the caller's.
#pragma once

#include "engine/framework/icon_event.h"
#include "engine/framework/menu_entry.h"

class DFont;

// The icon's fields serve the list: width and height are a row's hit width and text height, the
// position is the list's top left, the normal texture is drawn behind every row, the hover
// texture is the cursor, the click sound is the decide sound and the hover flag shows the
// cursor.
class CSelectEvent : public CIconEvent {
public:
    CSelectEvent();

    // Shows the cursor, then starts as an event.
    bool Start(WaitHandle* handle) override;
    // Called whenever the list changes its top row.
    virtual void OnScroll(int /*top*/) {}

    // The entries stay the caller's and must outlive the run. Rows below 1 put every row on one
    // page; the index variable is clamped into the list (-1 when it is empty).
    void SetItems(MenuEntry* entries, int count, int* index, int rows);
    // Drops the entries (when their owner frees them) without touching the index variable.
    void ClearItems();
    void SetPosition(int x, int y) {
        x_ = x;
        y_ = y;
    }
    void SetRowSize(int pitch, int text_width) {
        pitch_ = pitch;
        text_width_ = text_width;
    }
    void SetTextStyle(unsigned color, DFont* font) {
        text_color_ = color;
        font_ = font;
    }
    // A label split over two lines is drawn in this font, its two lines centred in the row's
    // board, so that they stay inside it (null: the list's font at the row's top, as before).
    void SetSplitFont(DFont* font) { split_font_ = font; }
    // Where the page counter goes when the space above the list is taken: centred on x, its
    // top at y, in that font (unset: at the list's top left, in the list's font).
    void SetCounterPlace(int x, int y, DFont* font) {
        counter_x_ = x;
        counter_y_ = y;
        counter_font_ = font;
    }
    // The plate the counter stands on, a part of a picture shown only with the counter: a list
    // of one page leaves no empty plate behind.
    struct CounterPlate {
        DTexture* texture = nullptr;
        int x = 0, y = 0;                                 // where it goes on the screen
        int src_x = 0, src_y = 0, width = 0, height = 0;  // the part of the picture
    };
    void SetCounterPlate(const CounterPlate& plate) { counter_plate_ = plate; }
    void EnableMouse(bool enabled) { mouse_enabled_ = enabled ? 1 : 0; }
    void SetPageArrows(DTexture* up, DTexture* down) {
        up_arrow_ = up;
        down_arrow_ = down;
    }
    void SetCursorSound(DWave* sound) { cursor_sound_ = sound; }
    void SetKeyRecall(bool recall) { key_recall_ = recall ? 1 : 0; }
    void SetRepeatDecide(bool repeat) { repeat_decide_ = repeat ? 1 : 0; }
    void SetCursorShown(bool shown) { hover_ = shown ? 1 : 0; }
    bool IsCursorShown() const { return hover_ != 0; }
    // In this frame the player decided a row that cannot be chosen; the owner may say why.
    bool DecideRefused() const { return refused_ != 0; }
    void SetTop(int top) { top_ = top; }

    int GetIndex() const { return *index_; }
    int GetTop() const { return top_; }
    int GetCount() const { return count_; }
    int GetRows() const { return rows_; }
    const MenuEntry* GetEntries() const { return entries_; }

    // Puts the pointer on the centre of the current row.
    void MoveMouseToSelection();

    void Update() override;
    void Draw() override;

    // "page/pages" as the list shows it, for a top row and the list's size.
    static void PageCounter(int top, int rows, int count, int& page, int& pages);

private:
    void PlayCursor();
    void Scrolled() { OnScroll(top_); }
    bool DecidePressed() const;
    void DrawRows(int font_height);
    void DrawArrow(int x, int y, DTexture* texture, const char* fallback, int k);

    MenuEntry* entries_ = nullptr;
    DWave* cursor_sound_ = nullptr;
    int* index_;
    int count_ = 0;
    int rows_ = 1;
    int top_ = 0;
    int pitch_ = 32;
    int text_width_ = 8192;
    DFont* split_font_ = nullptr;
    DFont* counter_font_ = nullptr;
    int counter_x_ = 0, counter_y_ = 0;
    CounterPlate counter_plate_;
    unsigned text_color_ = 0xFF000000;
    DFont* font_ = nullptr;
    DTexture* up_arrow_ = nullptr;
    DTexture* down_arrow_ = nullptr;
    unsigned char mouse_enabled_ = 0;
    unsigned char key_recall_ = 0;
    unsigned char repeat_decide_ = 0;
    unsigned char refused_ = 0;
    // Stands in for the caller's variable until SetItems names one.
    int own_index_ = 0;
};
