#include "sdl_window_helpers.h"

#include <chrono>
#include <thread>

bool SdlGameWindow::open() {
    platform::setCurrent(&sdl);
    if (!sdl.registerWindowClass("Menajer") || !sdl.createWindow("Menajer", 1024, 768))
        return false;
    sdl.showWindow();
    if (input.create(nullptr, nullptr) != 0) return false;
    input.setMouseBounds(0, 0, 1024 - 9, 768 - 9);
    // Focus can come late while the previous window's teardown is still under way.
    for (int i = 1; i <= 500; ++i) {
        if (frame() == 0) return true;
        if (i % 100 == 0) sdl.showWindow();
    }
    return false;
}

void SdlGameWindow::close() {
    input.release();
    sdl.destroyWindow();
    platform::setCurrent(nullptr);
}

int32_t SdlGameWindow::frame() {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    platform::WindowMessage message;
    while (sdl.peekMessage(message)) {
    }
    return input.poll();
}
