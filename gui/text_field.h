// The typing buffer and the name fields.
#pragma once

#include <cstdint>

class TextField {
public:
    TextField() = default;
    virtual ~TextField() = default;

    void typeChar(int code);
    void backspace();

    uint8_t active = 0;
};
