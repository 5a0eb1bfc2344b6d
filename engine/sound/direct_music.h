// Started at the deferred start and released at shutdown; no music plays through it.
#pragma once

class CDirectMusic {
public:
    CDirectMusic();
    virtual ~CDirectMusic();
    CDirectMusic(const CDirectMusic&) = delete;
    CDirectMusic& operator=(const CDirectMusic&) = delete;

    bool Init(void* window_handle_address);
    void Release();
    bool IsStarted() const { return started_; }

private:
    bool started_ = false;
};
