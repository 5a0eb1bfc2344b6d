#include "engine/graphics/direct_graphics.h"

#include <algorithm>
#include <limits>
#include <string>

#include "engine/common/game_path.h"
#include "engine/common/line_break.h"
#include "engine/common/resources.h"
#include "engine/common/sjis.h"
#include "engine/common/system.h"
#include "engine/graphics/glyph_source.h"
#include "engine/graphics/image_codec.h"
#include "engine/graphics/rasterizer.h"
#include "engine/graphics/text_layout.h"
#include "engine/graphics/texture.h"
#include "platform/platform.h"

namespace {

CDirectGraphics* g_instance = nullptr;

// The face of the default font.
constexpr const char kDefaultFace[] = "標準明朝";
constexpr int kDefaultFontHeight = 20;

constexpr int kFormatX8R8G8B8 = 22;
constexpr int kFormatA1R5G5B5 = 25;

platform::Window* LiveWindow() {
    return platform::IsInstalled() ? platform::Current().window : nullptr;
}

}  // namespace

CDirectGraphics::CDirectGraphics()
    : framebuffer_(static_cast<std::size_t>(kScreenWidth) * kScreenHeight, 0xFF000000u) {
    g_instance = this;
}

CDirectGraphics::~CDirectGraphics() {
    if (g_instance == this) g_instance = nullptr;
}

CDirectGraphics* CDirectGraphics::Instance() { return g_instance; }

bool CDirectGraphics::Init(void* window, bool windowed) {
    platform::Window* target = LiveWindow();
    // A window that reaches no screen is no device to draw on.
    if (!target || !target->HasDisplay()) return false;
    window_ = window;
    full_screen_ = windowed ? 0 : 1;
    if (full_screen_) target->SetFullScreen(true);
    draw_state_.Reset();
    SetLighting(0);
    SetLighting(2);
    SetProjection(1.0f, 1000.0f);
    SetCamera(0.0f, 0.0f, -20.0f, 0.0f, 0.0f, 0.0f);
    SetLighting(1);
    if (textures_.empty()) textures_.push_back(std::make_unique<CTextureData>());
    if (!glyphs_) MakeDefaultGlyphSource();
    if (fonts_.empty()) default_font_.Create(kDefaultFontHeight, kDefaultFace, false);
    SetClearColorRGB(255, 255, 255);
    initialized_ = true;
    return true;
}

void CDirectGraphics::Release() {
    textures_.clear();
    fonts_.clear();
    default_font_ = DFont();
    initialized_ = false;
    reset_pending_ = false;
}

void CDirectGraphics::Clear() {
    if (clear_color_ == 0x00FFFFFFu) return;  // "clear the depth buffer only"
    if (null_target_) return;
    std::fill(framebuffer_.begin(), framebuffer_.end(), clear_color_);
}

void CDirectGraphics::BeginScene() {}
void CDirectGraphics::EndScene() {}

void CDirectGraphics::Present() {
    platform::Window* target = LiveWindow();
    if (!initialized_ || !target) return;
    if (!target->Present(framebuffer_.data(), kScreenWidth, kScreenHeight)) reset_pending_ = true;
}

bool CDirectGraphics::RecoverLostDevice() {
    if (!reset_pending_) return false;
    ToggleFullScreen();
    reset_pending_ = false;
    return true;
}

void CDirectGraphics::ToggleFullScreen() {
    // The fonts' renderers go with the old mode and are made again from their descriptions;
    // managed textures survive, default-pool ones come back empty and their owners are told.
    for (auto& font : fonts_) font->renderer.reset();
    for (auto& entry : textures_)
        if (entry->pool == Pool::Default) entry->texture.reset();
    full_screen_ = full_screen_ ? 0 : 1;
    if (platform::Window* target = LiveWindow()) target->SetFullScreen(full_screen_ != 0);
    draw_state_.Reset();
    SetLighting(0);
    SetLighting(2);
    SetProjection(near_, far_);
    SetLighting(1);
    RecreateFontRenderers();
    for (auto& entry : textures_) {
        if (entry->pool != Pool::Default) continue;
        entry->texture =
            std::make_unique<Image>(std::max(0, entry->width), std::max(0, entry->height));
        if (entry->owner) entry->owner->Changed();
    }
}

void CDirectGraphics::SetRotation(float degrees, float center_x, float center_y) {
    draw_state_.rotation = degrees * kDegreesToRadians;
    draw_state_.center_x = center_x;
    draw_state_.center_y = center_y;
}

void CDirectGraphics::SetProjection(float near_plane, float far_plane) {
    near_ = near_plane;
    far_ = far_plane;
}

void CDirectGraphics::SetCamera(float eye_x, float eye_y, float eye_z, float at_x, float at_y,
                                float at_z) {
    eye_[0] = eye_x;
    eye_[1] = eye_y;
    eye_[2] = eye_z;
    look_at_[0] = at_x;
    look_at_[1] = at_y;
    look_at_[2] = at_z;
}

void CDirectGraphics::SetLighting(int mode) { lighting_ = mode; }

void CDirectGraphics::Record(DrawOp op) {
    if (recorder_ && recording_depth_ == 0) recorder_->ops.push_back(std::move(op));
}

const CDirectGraphics::CTextureData* CDirectGraphics::GetTextureData(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= textures_.size()) return nullptr;
    return textures_[static_cast<std::size_t>(index)].get();
}

const CDirectGraphics::CFontData* CDirectGraphics::GetFontData(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= fonts_.size()) return nullptr;
    return fonts_[static_cast<std::size_t>(index)].get();
}

void CDirectGraphics::DrawTextureRect(int x, int y, DTexture* texture, int src_x, int src_y,
                                      int src_width, int src_height) {
    const int index = texture ? texture->GetIndex() : 0;
    {
        DrawOp op;
        op.kind = DrawOp::Kind::TextureRect;
        op.x = x;
        op.y = y;
        op.texture = index;
        op.src_x = src_x;
        op.src_y = src_y;
        op.src_width = src_width;
        op.src_height = src_height;
        op.color = draw_state_.color;
        Record(std::move(op));
    }
    const DrawState state = draw_state_;
    draw_state_.Reset();
    const CTextureData* entry = GetTextureData(index);
    if (!entry) return;
    const Image* image = entry->texture.get();
    Quad quad;
    quad.x = x;
    quad.y = y;
    quad.width = src_width;
    quad.height = src_height;
    quad.center_x = x + static_cast<double>(state.center_x);
    quad.center_y = y + static_cast<double>(state.center_y);
    quad.rotation = state.rotation;
    quad.scale_x = state.scale_x;
    quad.scale_y = state.scale_y;
    quad.color = state.color;
    if (image) {
        // A texture whose header gave no size has no texture coordinates: nothing to draw.
        if (entry->width <= 0 || entry->height <= 0) return;
        const double ku = static_cast<double>(image->width) / entry->width;
        const double kv = static_cast<double>(image->height) / entry->height;
        quad.u0 = src_x * ku;
        quad.u1 = (src_x + src_width) * ku;
        quad.v0 = src_y * kv;
        quad.v1 = (src_y + src_height) * kv;
    }
    if (null_target_) return;
    Surface surface{framebuffer_.data(), kScreenWidth, kScreenHeight};
    raster::DrawQuad(surface, image, quad);
}

void CDirectGraphics::DrawTexture(int x, int y, DTexture* texture) {
    if (!texture) return;
    {
        DrawOp op;
        op.kind = DrawOp::Kind::Texture;
        op.x = x;
        op.y = y;
        op.texture = texture->GetIndex();
        op.color = draw_state_.color;
        Record(std::move(op));
    }
    const CTextureData* entry = GetTextureData(texture->GetIndex());
    if (!entry) return;
    Quad quad;
    quad.x = x;
    quad.y = y;
    quad.width = texture->GetWidth();
    quad.height = texture->GetHeight();
    quad.center_x = x;
    quad.center_y = y;
    quad.color = draw_state_.color;
    const Image* image = entry->texture.get();
    if (image) {
        quad.u1 = image->width;
        quad.v1 = image->height;
    }
    if (null_target_) return;
    Surface surface{framebuffer_.data(), kScreenWidth, kScreenHeight};
    raster::DrawQuad(surface, image, quad);
}

void CDirectGraphics::DrawEffect(const DEffect* effect, DTexture* texture) {
    if (!effect) return;
    {
        DrawOp op;
        op.kind = DrawOp::Kind::Effect;
        op.x = effect->x;
        op.y = effect->y;
        op.texture = texture ? texture->GetIndex() : 0;
        op.effect = *effect;
        op.color = static_cast<std::uint32_t>(effect->alpha) << 24 |
                   static_cast<std::uint32_t>(effect->red) << 16 |
                   static_cast<std::uint32_t>(effect->green) << 8 | effect->blue;
        Record(op);
        draw_state_.SetColor(op.color);
    }
    ++recording_depth_;
    if (texture) {
        const int image_w = texture->GetWidth(), image_h = texture->GetHeight();
        const int w = effect->width == DEffect::kImageSize ? image_w : effect->width;
        const int h = effect->height == DEffect::kImageSize ? image_h : effect->height;
        // A texture without an image size cannot be scaled: it draws nothing.
        if (image_w > 0 && image_h > 0) {
            draw_state_.SetScale(static_cast<float>(w) / static_cast<float>(image_w),
                                 static_cast<float>(h) / static_cast<float>(image_h));
            SetRotation(effect->rotation, static_cast<float>(image_w / 2),
                        static_cast<float>(image_h / 2));
            DrawTextureRect(effect->x, effect->y, texture, 0, 0, image_w, image_h);
        }
    } else {
        DTexture none;
        const int w = effect->width, h = effect->height;
        SetRotation(effect->rotation, static_cast<float>(w / 2), static_cast<float>(h / 2));
        DrawTextureRect(effect->x, effect->y, &none, 0, 0, w, h);
    }
    --recording_depth_;
    draw_state_.Reset();
}

void CDirectGraphics::DrawText(int x, int y, const char* text, std::uint32_t argb, DFont* font,
                               unsigned format) {
    const TextRect rect = (format & DT_RIGHT) ? TextRect{0, y, x, kScreenHeight}
                                              : TextRect{x, y, kScreenWidth, kScreenHeight};
    RecordText(x, y, rect, text, argb, font, format);
    ++recording_depth_;
    DrawTextRect(rect, text, argb, font, format);
    --recording_depth_;
}

void CDirectGraphics::RecordText(int x, int y, const TextRect& rect, const char* text,
                                 std::uint32_t argb, const DFont* font, unsigned format) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.x = x;
    op.y = y;
    op.rect = rect;
    op.text = text ? text : "";
    op.color = argb;
    op.font = font ? font->GetIndex() : 0;
    op.format = format;
    Record(std::move(op));
}

int CDirectGraphics::TextWidth(std::string_view text, DFont* font) {
    FontRenderer* renderer = RendererFor(font);
    if (!renderer) return 0;
    int width = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t n = sjis::CharLength(text, pos);
        width += renderer->GetGlyph(DecodeCp932Char(text.substr(pos, n))).advance;
        pos += n;
    }
    return width;
}

std::size_t CDirectGraphics::LineBreakWithin(std::string_view text, int width, DFont* font,
                                             std::size_t max_bytes) {
    FontRenderer* renderer = RendererFor(font);
    if (!renderer) return text.size();
    std::size_t pos = 0;
    int used = 0;
    for (; pos < text.size();) {
        const std::size_t n = sjis::CharLength(text, pos);
        const int advance = renderer->GetGlyph(DecodeCp932Char(text.substr(pos, n))).advance;
        if (pos + n > max_bytes || used + advance > width) break;
        used += advance;
        pos += n;
    }
    if (pos >= text.size()) return text.size();
    // Not inside a name or a word, not before closing punctuation, not after an opening
    // bracket: where the line's rules allow, else where the width ends.
    return static_cast<std::size_t>(line_break::LastBreak(text, static_cast<int>(pos)));
}

FontRenderer* CDirectGraphics::RendererFor(const DFont* font) {
    const CFontData* entry = GetFontData(font ? font->GetIndex() : 0);
    if (!entry || !entry->renderer) entry = GetFontData(0);
    return entry ? entry->renderer.get() : nullptr;
}

void CDirectGraphics::DrawTextRect(const TextRect& rect, const char* text, std::uint32_t argb,
                                   DFont* font, unsigned format) {
    RecordText(rect.left, rect.top, rect, text, argb, font, format);
    FontRenderer* renderer = RendererFor(font);
    if (!text || !*text || !renderer || (argb >> 24) == 0 || null_target_) return;
    ClipRect clip{0, 0, kScreenWidth, kScreenHeight};
    if (!(format & DT_NOCLIP))
        clip = {std::max(0, rect.left), std::max(0, rect.top), std::min(kScreenWidth, rect.right),
                std::min(kScreenHeight, rect.bottom)};
    if (clip.left >= clip.right || clip.top >= clip.bottom) return;
    Surface surface{framebuffer_.data(), kScreenWidth, kScreenHeight};
    for (const PlacedGlyph& placed : LayoutText(text, rect, format, *renderer)) {
        const Glyph& g = renderer->GetGlyph(placed.code_point);
        if (g.coverage.empty()) continue;
        raster::BlendCoverage(surface, placed.x + g.left, placed.y + g.top, g.coverage.data(),
                              g.width, g.height, argb, clip);
    }
}

bool CDirectGraphics::AppendTexture(DTexture* texture, std::unique_ptr<Image> image, int width,
                                    int height) {
    if (textures_.empty()) textures_.push_back(std::make_unique<CTextureData>());
    auto entry = std::make_unique<CTextureData>();
    entry->owner = texture;
    if (image) image->UpdateOpaque();
    entry->texture = std::move(image);
    entry->width = width;
    entry->height = height;
    entry->ref_count = 1;
    textures_.push_back(std::move(entry));
    texture->width_ = width;
    texture->height_ = height;
    texture->index_ = static_cast<int>(textures_.size() - 1);
    return true;
}

bool CDirectGraphics::CreateTextureFromFile(DTexture* texture, const char* file_name,
                                            std::uint32_t color_key) {
    if (!texture || !file_name) return false;
    std::vector<std::uint8_t> bytes;
    if (!gamepath::Exists(file_name) ||
        !gamepath::ReadAll(file_name, bytes, gamepath::kMaxPictureFileBytes)) {
        const std::string message = std::string(file_name) + " がありません";
        ShowMessageBox(message.c_str(), nullptr);
        return false;
    }
    const std::string extension = ExtensionOf(file_name);
    const ImageSize size = HeaderSize(extension, bytes);
    std::unique_ptr<Image> image;
    if (auto decoded = DecodeImage(bytes, extension)) {
        ApplyColorKey(*decoded, color_key);
        image = std::make_unique<Image>(std::move(*decoded));
    }
    return AppendTexture(texture, std::move(image), size.width, size.height);
}

bool CDirectGraphics::CreateTextureFromResource(DTexture* texture, int resource_id,
                                                std::uint32_t color_key) {
    if (!texture) return false;
    const int id = resource_id & 0xFFFF;
    auto read32 = [](const std::vector<std::uint8_t>& b, std::size_t at) {
        if (b.size() < at + 4) return 0;
        return static_cast<int>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                static_cast<unsigned>(b[at + 3]) << 24);
    };
    std::optional<Image> decoded;
    int width = 0, height = 0;
    if (auto dib = FindResource(ResourceType::Bitmap, id)) {
        const ImageSize size = DibHeaderSize(*dib);
        width = size.width;
        height = size.height;
        decoded = DecodeDib(*dib);
    } else if (auto dds = FindResource(ResourceType::Dds, id)) {
        height = read32(*dds, 12);
        width = read32(*dds, 16);
        decoded = DecodeDds(*dds);
    } else {
        const std::string message = "ID " + std::to_string(resource_id) + " がありません";
        ShowMessageBox(message.c_str(), nullptr);
        return false;
    }
    std::unique_ptr<Image> image;
    if (decoded) {
        ApplyColorKey(*decoded, color_key);
        image = std::make_unique<Image>(std::move(*decoded));
    }
    return AppendTexture(texture, std::move(image), width, height);
}

void CDirectGraphics::ReleaseTexture(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= textures_.size()) return;
    CTextureData& entry = *textures_[static_cast<std::size_t>(index)];
    if (entry.ref_count > 0) --entry.ref_count;
    if (entry.ref_count == 0) entry.texture.reset();
}

bool CDirectGraphics::UpdateTexture(DTexture* texture, const std::uint8_t* pixels, int width,
                                    int height) {
    if (!texture) return false;
    const CTextureData* found = GetTextureData(texture->GetIndex());
    if (!found || !found->texture || !pixels || width <= 0 || height <= 0) return false;
    CTextureData& entry = *textures_[static_cast<std::size_t>(texture->GetIndex())];
    if (entry.format != kFormatX8R8G8B8 && entry.format != kFormatA1R5G5B5) return true;
    Image& image = *entry.texture;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const int rows = std::min(height, image.height), cols = std::min(width, image.width);
    for (int row = 0; row < rows; ++row) {
        // Source rows run bottom-up: the first one is the texture's last.
        const std::uint8_t* src = pixels + static_cast<std::size_t>(row) * stride;
        const int target = image.height - 1 - row;
        for (int col = 0; col < cols; ++col) {
            std::uint32_t b = src[col * 3], g = src[col * 3 + 1], r = src[col * 3 + 2];
            if (entry.format == kFormatA1R5G5B5) {
                r = (r >> 3) * 255 / 31;
                g = (g >> 3) * 255 / 31;
                b = (b >> 3) * 255 / 31;
            }
            image.At(col, target) = 0xFF000000u | r << 16 | g << 8 | b;
        }
    }
    image.UpdateOpaque();
    return true;
}

void CDirectGraphics::MakeDefaultGlyphSource() {
    if (platform::IsInstalled()) {
        const platform::FontFiles& files = platform::Current().fonts;
        if (!files.mincho.empty() || !files.gothic.empty())
            glyphs_ = MakeFreeTypeGlyphSource(files.mincho, files.gothic);
    }
    if (!glyphs_) glyphs_ = MakeBoxGlyphSource();
}

void CDirectGraphics::SetGlyphSource(std::unique_ptr<GlyphSource> source) {
    glyphs_ = std::move(source);
    RecreateFontRenderers();
}

void CDirectGraphics::RecreateFontRenderers() {
    if (!glyphs_) MakeDefaultGlyphSource();
    for (auto& font : fonts_) font->renderer = glyphs_->CreateRenderer(font->description);
}

bool CDirectGraphics::AddFont(DFont* font, const FontDescription& description) {
    if (!font) return false;
    if (!glyphs_) MakeDefaultGlyphSource();
    auto entry = std::make_unique<CFontData>();
    entry->description = description;
    entry->renderer = glyphs_->CreateRenderer(description);
    if (!entry->renderer) return false;
    fonts_.push_back(std::move(entry));
    font->index_ = static_cast<int>(fonts_.size() - 1);
    return true;
}
