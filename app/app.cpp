#include "app/app.h"

#include "app/frame_parts.h"
#include "app/globals.h"
#include "engine/screenshot.h"

namespace {

constexpr uint32_t VIRTUAL_KEY_BACKSPACE = 8;

bool resting = false; // the last pass drew no frame because the window could not be seen

} // namespace

int startUp(void* instance) {
    if (!createGameWindow(instance)) return 0;
    loadFont();
    loadGameData();
    engine.ready = 1;
    return 1;
}

bool createGameWindow(void* instance) {
    return engine.create(instance, windowProc, "Menajer", "Zendor Menajer", 1024, 768, 16, 1.0f,
                         1000.0f);
}

int shutDown() {
    game.shutdownHook();
    engine.destroy();
    return 1;
}

int loadGameData() {
    game.loadData(engine.inputSystem);
    game.loadCalendar(calendar, "veri\\database\\tarih.trh");
    return 1;
}

void renderFrame() {
    if (engine.ready != 1) return;
    RenderState& state = engine.renderState;

    handleGlobalKeys();
    state.beginFrame();
    state.resetFrameState();
    state.set2DMode(1);
    game.wrapBackgroundIndex();
    game.drawBackgroundAndBars();
    game.drawPage();
    game.drawMenuBar();
    game.openClickedMenu();
    game.drawOpenMenu();
    game.updateMenu();
    drawDebugOverlay();
    calendar.draw(13, 27);
    game.drawMailIndicator(13, 17);
    game.drawPointer();
    state.set2DMode(0);
    // The back buffer holds the finished frame only until the swap.
    if (engine.inputSystem.keyState(KEY_F12) == KEY_PRESSED) saveScreenshot();
    state.endFrame();
}

void handleGlobalKeys() {
    const InputSystem& input = engine.inputSystem;
    if (input.keyState(KEY_ESCAPE) != KEY_UP && game.menuState == MENU_IDLE) game.openExitBox();
    if (input.keyState(KEY_MOUSE_RIGHT) != KEY_UP && game.menuState != MENU_EXIT_BOX &&
        game.menuState != MENU_LOCKED)
        game.menuState = MENU_IDLE;
}

int windowProc(const platform::WindowMessage& message) {
    using platform::MessageType;
    switch (message.type) {
    case MessageType::Size:
        engine.width = int32_t(message.wParam);
        engine.height = int32_t(message.lParam);
        engine.renderState.resize(engine.width, engine.height);
        return 0;
    case MessageType::Activate:
        engine.active = 1;
        return 0;
    case MessageType::Close:
        platform::current().postQuitMessage(0);
        return 0;
    case MessageType::KeyDown:
        if (message.wParam == VIRTUAL_KEY_BACKSPACE && game.typingBuffer.active == 1)
            game.typingBuffer.backspace();
        return 0;
    case MessageType::Char:
        if (game.typingBuffer.active == 1) game.typingBuffer.typeChar(uint8_t(message.wParam));
        return 0;
    case MessageType::FullScreenKey: {
        // The game's cursor stays on its frame pixel in either mode.
        int32_t x = 0, y = 0;
        engine.inputSystem.mousePosition(x, y);
        platform::Platform& host = platform::current();
        host.setFullScreen(!host.fullScreen(), x, y);
        return 0;
    }
    case MessageType::Quit:
        break;
    }
    return 1; // left to the system's default handling
}

int menajerMain(void* instance) {
    platform::Platform& host = platform::current();

    host.runStartupDialog(startupDialogContent(), startupDialogProc);
    if (!startUp(instance)) {
        host.messageBox("Motor Acilamadi!", nullptr, platform::MessageIcon::Question);
        return 0;
    }
    engine.renderState.applyViewOptions(startupSettings.waitForRefresh,
                                        startupSettings.lineAntialiasing);

    resting = false;
    while (runLoopPass(host) != LoopPass::Quit) {
    }

    shutDown();
    return 0;
}

// A shown window never waits: an empty queue means one input poll and one frame.
LoopPass runLoopPass(platform::Platform& host) {
    platform::WindowMessage message;
    if (host.peekMessage(message)) {
        if (message.type == platform::MessageType::Quit) return LoopPass::Quit;
        windowProc(message);
        return LoopPass::Message;
    }
    if (!host.windowVisible()) {
        host.waitMessage(REST_WAIT_MS);
        resting = true;
        return LoopPass::Rest;
    }
    if (resting) engine.resumeTiming();
    resting = false;
    engine.inputSystem.poll();
    if (engine.active) renderFrame();
    return LoopPass::Frame;
}
