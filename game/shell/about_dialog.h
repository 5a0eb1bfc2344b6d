// The "バージョン情報" box.
#pragma once

class CAboutDlg {
public:
    static constexpr const char* kCaption = "ヴェムのぜるば堂について";
    static constexpr const char* kText =
        "ヴェムのぜるば堂 Version 0.1\n"
        "山のふもとの小さな食堂を切り盛りする料理人ヴェムのお話です。\n"
        "絵、音、音楽はすべてこのゲームのために作られたものです。";
    void DoModal();
};
