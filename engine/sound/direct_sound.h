// Short sound effects at one 0 to 100 volume.
#pragma once

class CDirectSound {
public:
    CDirectSound();
    virtual ~CDirectSound();
    CDirectSound(const CDirectSound&) = delete;
    CDirectSound& operator=(const CDirectSound&) = delete;

    bool Init(void* window_handle_address);
    void Release();
    void SetVolume(int volume);
    int GetVolume() const { return volume_; }

private:
    int volume_ = 100;
    bool started_ = false;
};
