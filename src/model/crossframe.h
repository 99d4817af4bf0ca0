#pragma once
// Settings of a menu that spans the frames of a frameset.

#include <string>
#include <string_view>

namespace menuloom::model {

struct CrossframeSettings {
    std::string framesetId; // "Frameset ID:"
    std::string topFrame;   // "Number of top menu frame:", as typed
    std::string subFrame;   // "Number of submenus' frame:", as typed
    bool vertical = false;  // "Vertical frame orientation"
    bool enabled = false;   // "Crossframe support" of the save dialog

    bool operator==(const CrossframeSettings&) const = default;
};

// Empties the three texts and unticks both switches (New does this).
void ResetCrossframeParams(CrossframeSettings& settings);

// Typing filter of the two frame number fields: only the digits 0 to 9 get through.
bool isFrameNumberChar(char c);
std::string filterFrameNumber(std::string_view typed);

} // namespace menuloom::model
