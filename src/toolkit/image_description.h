#pragma once
// Image descriptions as skins write them: either a bare file name or
// key='value' pairs:
//   file='btn.png' source='0,0,40,20' corner='4,4,4,4' dest='2,2,38,18'
//   mask='#FFFF00FF' fade='128' hole='false' xtiled='true' ytiled='false'
// "res" is a synonym of "file"; "restype" and "hsl" are kept for skins that
// write them.
#include <string>
#include <string_view>

#include "toolkit/geometry.h"

namespace viremo::toolkit {

struct ImageDescription {
    std::string file;
    std::string restype;
    Rect dest;        // offset from the control's top-left corner; all zero = whole control
    Rect source;      // part of the picture; all zero = whole picture
    Rect corner;      // nine-patch corners kept unstretched
    Color mask = 0;   // colour drawn transparent; 0 = none
    int fade = 255;   // opacity 0..255
    bool hole = false;
    bool xtiled = false;
    bool ytiled = false;
    bool hsl = false;

    bool IsEmpty() const { return file.empty(); }
    friend bool operator==(const ImageDescription&, const ImageDescription&) = default;
};

ImageDescription ParseImageDescription(std::string_view text);

// "l,t,r,b" (missing numbers are 0); "#AARRGGBB", "0xAARRGGBB" or "AARRGGBB";
// "true"/"false".
Rect ParseRect(std::string_view text);
Size ParseSize(std::string_view text);
Color ParseColor(std::string_view text);
bool ParseBool(std::string_view text);
int ParseInt(std::string_view text);  // decimal, leading blanks and sign; no digits give 0

}  // namespace viremo::toolkit
