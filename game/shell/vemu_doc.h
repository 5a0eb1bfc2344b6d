// The application's document: the game keeps no document data.
#pragma once

class CVemuDoc {
public:
    bool OnNewDocument() { return true; }
};
