#pragma once
// A change of the main window's background, published to whoever listens
// (the main window): a plain colour, or an image of the skin or of the
// user's. One observer serves the whole program; receivers are called in the
// order they registered.
#include <map>
#include <string>

#include "toolkit/geometry.h"

namespace viremo::ui {

struct SkinChangedParam {
    bool colourMode = false;   // true: the background is `colour`; false: `image`
    toolkit::Color colour = 0;
    std::string image;         // a skin image description, or a file's absolute path
};

class ISkinChangeReceiver {
public:
    virtual ~ISkinChangeReceiver() = default;
    virtual int OnPublish(const SkinChangedParam& param) = 0;
};

class CSkinChangeObserver {
public:
    void AttachReceiver(ISkinChangeReceiver* receiver);
    void DetachReceiver(ISkinChangeReceiver* receiver);
    void Publish(const SkinChangedParam& param);

private:
    std::map<int, ISkinChangeReceiver*> m_receivers;
    int m_nextKey = 0;
};

// The program's one observer, made on first use.
CSkinChangeObserver& SkinChangeObserver();

}  // namespace viremo::ui
