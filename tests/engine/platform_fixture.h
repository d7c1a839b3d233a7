// Tests run the global engine on a TestPlatform of their own; between tests, and at exit when
// the global engine releases its input devices, an idle one stays current.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/test/test_platform.h"
#include "tests/support/test_seam.h"

inline void parkPlatform() {
    static platform::TestPlatform* idle = new platform::TestPlatform(false);
    platform::setCurrent(idle);
}

// The engine created as the game creates it.
inline int createGameEngine(Engine& engine, WindowProc windowProc = nullptr) {
    return engine.create(nullptr, windowProc, "Menajer", "Zendor Menajer", 1024, 768, 16, 1.0f,
                         1000.0f);
}

using BoxList = std::vector<std::pair<std::string, platform::MessageIcon>>;

inline BoxList boxesOf(const platform::TestPlatform& host) {
    BoxList boxes;
    for (const platform::RecordedMessageBox& box : host.messageBoxes)
        boxes.emplace_back(box.text, box.icon);
    return boxes;
}
