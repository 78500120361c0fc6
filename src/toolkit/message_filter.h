#pragma once
// A window's message filters see every message before the window's handler.
#include <cstdint>

#include "toolkit/message.h"

namespace viremo::toolkit {

class IMessageFilterUI {
public:
    virtual ~IMessageFilterUI() = default;
    // Set handled to stop the message; the result is what the sender gets.
    virtual std::intptr_t MessageHandler(Message& msg, bool& handled) = 0;
};

}  // namespace viremo::toolkit
