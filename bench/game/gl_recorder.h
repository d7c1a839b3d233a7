// Records the GL calls of one frame and plays them back with nothing else around them: the
// floor a frame is measured against. The program is linked with --wrap for every GL call a
// frame makes (the list in CMakeLists.txt, which the linker holds to the one here), so the
// game's calls pass through here on their way to the driver. A frame call missing from the
// lists is not played back, which the pixel comparison of a played-back frame shows.
#pragma once

#include <cstdint>

namespace glrec {

void startRecording();
// Ends the recording; false when the frame had more calls than the recorder holds.
bool stopRecording();
int32_t recordedCalls();
// Calls that set a texture binding, capability, blend function or colour to what it already
// was in this frame.
int32_t redundantCalls();
// Issues the recorded calls again, in order; `minimal` leaves out the redundant ones.
void playBack(bool minimal);

} // namespace glrec
