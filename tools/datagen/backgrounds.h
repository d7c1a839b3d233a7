// The five backgrounds behind the content panel: a floodlit stadium at night, a pitch in
// daylight, the crowd, the dressing room and the trophy hall.
#pragma once

class PictureSet;

namespace backgrounds {

// gui/arka/arka.jpg and arka2 to arka5.
bool write(PictureSet& pictures);

} // namespace backgrounds
