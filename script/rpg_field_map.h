// The beginnings of a tile-based field for a role-playing mode: the field map and the
// model-file record, data only, with their construction values.
#pragma once

#include <cstdint>
#include <memory>

class CDirectGraphics;

class CRPGFieldMap {
public:
    static constexpr std::int32_t kDefaultParameter = 17;

    // Takes the graphics device for the field module.
    CRPGFieldMap();
    virtual ~CRPGFieldMap();
    CRPGFieldMap(const CRPGFieldMap&) = delete;
    CRPGFieldMap& operator=(const CRPGFieldMap&) = delete;

    std::uint32_t Word(int index) const { return words_[index]; }
    float Scale() const { return scale_; }
    std::int32_t Parameter() const { return parameter_; }
    const std::uint8_t* Buffer() const { return buffer_.get(); }

    // The graphics device the field module draws with (set by the field map's construction).
    static CDirectGraphics* Graphics();

private:
    std::uint32_t words_[3] = {0, 0, 0};
    float scale_ = 1.0f;
    std::int32_t parameter_ = kDefaultParameter;
    std::unique_ptr<std::uint8_t[]> buffer_;
};

class DXFile {
public:
    virtual ~DXFile() = default;

    std::uint32_t words[7] = {0, 0, 0, 0, 0, 0, 0};
    float scale[3] = {1.0f, 1.0f, 1.0f};
};
