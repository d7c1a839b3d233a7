// The interface pictures: bars and boxes, button faces, mail markers and the content panel.
#pragma once

class PictureSet;

namespace guipictures {

// mup, dugme, dugme2, mail, mailo (bitmaps) and arka/arkas (Targa with alpha) under gui/.
bool write(PictureSet& pictures);

} // namespace guipictures
