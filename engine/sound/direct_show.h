// The registry of playing music contents, with the master music volume.
#pragma once

class CDirectShow {
public:
    CDirectShow();
    virtual ~CDirectShow();
    CDirectShow(const CDirectShow&) = delete;
    CDirectShow& operator=(const CDirectShow&) = delete;

    virtual bool Init(void*) { return true; }
    virtual void Release() {}
    void SetVolume(double volume);
    double GetVolume() const { return volume_; }
    void PauseAll();
    void ResumeAll();

private:
    double volume_ = 100.0;
};
