// The graphics device: everything the player sees is drawn here, by the engine's own software
// renderer, into a 640 x 480 ARGB framebuffer that the platform's window only presents.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/graphics/draw_recorder.h"
#include "engine/graphics/effect.h"
#include "engine/graphics/font.h"
#include "engine/graphics/image.h"
#include "engine/graphics/text_format.h"

class DTexture;
class FontRenderer;
class GlyphSource;

// The one-shot parameters of the next textured quad.
struct DrawState {
    float rotation = 0.0f;                   // radians
    float center_x = 0.0f, center_y = 0.0f;  // relative to the draw position
    float scale_x = 1.0f, scale_y = 1.0f;
    std::uint32_t color = 0xFFFFFFFF;

    void SetScale(float x, float y) {
        scale_x = x;
        scale_y = y;
    }
    void SetColor(std::uint32_t argb) { color = argb; }
    void Reset() { *this = DrawState{}; }
};

class CDirectGraphics {
public:
    static constexpr int kScreenWidth = 640;
    static constexpr int kScreenHeight = 480;
    // Degrees to radians as the system has always turned them (3.14 / 180).
    static constexpr float kDegreesToRadians = 0.017444445f;

    enum class Pool { Default = 0, Managed = 1 };

    // One texture-table entry.
    struct CTextureData {
        virtual ~CTextureData() = default;
        std::uint8_t ref_count = 0;
        std::unique_ptr<Image> texture;  // null = none
        DTexture* owner = nullptr;
        int width = 0, height = 0;  // the image size from the header
        int levels = -1, usage = 0, format = 21;
        Pool pool = Pool::Managed;
    };
    // One font-table entry: the description and the renderer made from it.
    struct CFontData {
        FontDescription description;
        std::unique_ptr<FontRenderer> renderer;
    };

    CDirectGraphics();
    virtual ~CDirectGraphics();
    CDirectGraphics(const CDirectGraphics&) = delete;
    CDirectGraphics& operator=(const CDirectGraphics&) = delete;

    // The device that is alive (the textures and fonts reach their tables through it).
    static CDirectGraphics* Instance();

    bool Init(void* window, bool windowed);
    void Release();
    void Clear();
    void BeginScene();
    void EndScene();
    void Present();
    bool RecoverLostDevice();
    void ToggleFullScreen();
    int IsFullScreen() const { return full_screen_; }
    bool IsInitialized() const { return initialized_; }
    void SetClearColor(std::uint32_t argb) { clear_color_ = argb; }
    void SetClearColorRGB(int r, int g, int b) {
        clear_color_ = 0xFF000000u | (static_cast<std::uint32_t>(r & 255) << 16) |
                       (static_cast<std::uint32_t>(g & 255) << 8) |
                       static_cast<std::uint32_t>(b & 255);
    }
    std::uint32_t GetClearColor() const { return clear_color_; }

    void SetRotation(float degrees, float center_x, float center_y);
    DrawState& GetDrawState() { return draw_state_; }

    void DrawTextureRect(int x, int y, DTexture* texture, int src_x, int src_y, int src_width,
                         int src_height);
    void DrawTexture(int x, int y, DTexture* texture);
    void DrawEffect(const DEffect* effect, DTexture* texture);
    // Text is CP932; format holds the DT_ flags.
    void DrawText(int x, int y, const char* text, std::uint32_t argb, DFont* font, unsigned format);
    void DrawTextRect(const TextRect& rect, const char* text, std::uint32_t argb, DFont* font,
                      unsigned format);
    // The width in pixels of one line of CP932 text in that font (its characters' advances).
    int TextWidth(std::string_view text, DFont* font);
    // Where a line of at most `width` pixels and `max_bytes` bytes has to end: the most bytes
    // of `text` that fit, never inside a two-byte character, and never just before a
    // character that may not start a line (small kana, the long vowel mark, closing brackets
    // and punctuation) or just after one that may not end it (opening brackets) nor inside a
    // word of single-byte characters, while an earlier cut is left. The whole text's size when it
    // all fits.
    std::size_t LineBreakWithin(std::string_view text, int width, DFont* font,
                                std::size_t max_bytes = std::string_view::npos);

    // The 3D set-up, kept as plain state: nothing draws with it.
    void SetProjection(float near_plane, float far_plane);
    void SetCamera(float eye_x, float eye_y, float eye_z, float at_x, float at_y, float at_z);
    void SetLighting(int mode);

    // Texture and font tables.
    bool CreateTextureFromFile(DTexture* texture, const char* file_name, std::uint32_t color_key);
    bool CreateTextureFromResource(DTexture* texture, int resource_id, std::uint32_t color_key);
    void ReleaseTexture(int index);
    bool UpdateTexture(DTexture* texture, const std::uint8_t* pixels, int width, int height);
    bool AddFont(DFont* font, const FontDescription& description);
    std::size_t TextureCount() const { return textures_.size(); }
    std::size_t FontCount() const { return fonts_.size(); }
    const CTextureData* GetTextureData(int index) const;
    const CFontData* GetFontData(int index) const;
    DFont& DefaultFont() { return default_font_; }

    // Where fonts get their glyphs; by default the platform's font files, or the box font
    // when the platform names none. Replacing it re-creates every font's renderer.
    void SetGlyphSource(std::unique_ptr<GlyphSource> source);

    // When set, every draw operation is also recorded there (null: none).
    void SetDrawRecorder(DrawRecorder* recorder) { recorder_ = recorder; }
    // A null target records and presents as usual but writes no pixel: long headless runs keep
    // every frame drawn (fades advance only in drawn frames) without paying for the pixels.
    void SetNullTarget(bool null_target) { null_target_ = null_target; }
    bool IsNullTarget() const { return null_target_; }

    // The picture as it stands (what Present shows).
    const std::uint32_t* Pixels() const { return framebuffer_.data(); }
    std::uint32_t* MutablePixels() { return framebuffer_.data(); }
    std::uint32_t PixelAt(int x, int y) const {
        return framebuffer_[static_cast<std::size_t>(y) * kScreenWidth + x];
    }

private:
    void Record(DrawOp op);
    void RecordText(int x, int y, const TextRect& rect, const char* text, std::uint32_t argb,
                    const DFont* font, unsigned format);
    void MakeDefaultGlyphSource();
    void RecreateFontRenderers();
    FontRenderer* RendererFor(const DFont* font);
    bool AppendTexture(DTexture* texture, std::unique_ptr<Image> image, int width, int height);

    DFont default_font_;
    std::vector<std::unique_ptr<CTextureData>> textures_;
    std::vector<std::unique_ptr<CFontData>> fonts_;
    void* window_ = nullptr;
    int full_screen_ = 0;
    std::uint32_t clear_color_ = 0xFFFFFFFF;
    float look_at_[3] = {0, 0, 0};
    float eye_[3] = {0, 0, -20};
    float near_ = 1.0f, far_ = 1000.0f;
    int lighting_ = 0;
    bool reset_pending_ = false;
    bool initialized_ = false;
    int recording_depth_ = 0;
    DrawState draw_state_;
    std::unique_ptr<GlyphSource> glyphs_;
    DrawRecorder* recorder_ = nullptr;
    bool null_target_ = false;
    std::vector<std::uint32_t> framebuffer_;
};
