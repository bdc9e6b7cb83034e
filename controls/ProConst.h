// Constants of TProLabel: directions and their unit steps, alignments, shadow presets, system colours.
#pragma once

#include <array>
#include <cstdint>

#include "barcode/Canvas.h" // TColor and the system colours

namespace quillon {

inline constexpr TColor clWindow = syscolor::Window;
inline constexpr TColor clWindowText = syscolor::WindowText;
inline constexpr TColor clBtnFace = syscolor::BtnFace;
inline constexpr TColor clBtnShadow = syscolor::BtnShadow;       // 3D dark edge
inline constexpr TColor clBtnHighlight = syscolor::BtnHighlight; // 3D light edge

// Horizontal alignment of a label's caption.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// Vertical placement of the caption, and the same values under the label's Layout name.
enum TVerticalAlignment : std::uint8_t { vaTop, vaCenter, vaBottom };
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

enum TDirection : std::uint8_t {
    drNone,
    drUp,
    drDown,
    drLeft,
    drRight,
    drUpLeft,
    drUpRight,
    drDownLeft,
    drDownRight,
};

struct DirectionStep {
    int Dx = 0; // pixels, x to the right
    int Dy = 0; // pixels, y downward
};

// One unit step per direction, indexed by TDirection.
inline constexpr std::array<DirectionStep, 9> DirectionOffsets{{
    {.Dx = 0, .Dy = 0},   // drNone
    {.Dx = 0, .Dy = -1},  // drUp
    {.Dx = 0, .Dy = 1},   // drDown
    {.Dx = -1, .Dy = 0},  // drLeft
    {.Dx = 1, .Dy = 0},   // drRight
    {.Dx = -1, .Dy = -1}, // drUpLeft
    {.Dx = 1, .Dy = -1},  // drUpRight
    {.Dx = -1, .Dy = 1},  // drDownLeft
    {.Dx = 1, .Dy = 1},   // drDownRight
}};
static_assert(DirectionOffsets.size() == drDownRight + 1);

// Shadow depth and size count steps and copies; painting cost grows with them, so they stay
// within their declared range 0..1280.
using TShadowDepth = std::uint16_t;
using TShadowSize = std::uint16_t;
inline constexpr int MaxShadowDepth = 1280;
inline constexpr int MaxShadowSize = 1280;

enum TShadowStyle : std::uint8_t {
    ssNone,
    ssCustom,
    ssRaised,
    ssRaisedColor,
    ssRaisedShadow,
    ssRaisedThickShadow,
    ssRecessed,
    ssRecessedColor,
    ssRecessedShadow,
    ssShadow,
    ssThickShadow,
};

// What a preset does to the label's font colour.
enum class PresetFont : std::uint8_t { Unchanged, ButtonFace };

struct ShadowPreset {
    TDirection HighlightDirection = drNone;
    int HighlightDepth = 0;
    TDirection ShadowDirection = drNone;
    int ShadowDepth = 0;
    int ShadowSize = 0;
    PresetFont Font = PresetFont::Unchanged;
};

// The six values each style sets, indexed by TShadowStyle. Every preset but ssCustom also sets
// the highlight colour to clBtnHighlight and the shadow colour to clBtnShadow.
inline constexpr std::array<ShadowPreset, 11> ShadowPresets{{
    {}, // ssNone
    {}, // ssCustom: applies nothing, this row is never read
    {.HighlightDirection = drUpLeft, .HighlightDepth = 1}, // ssRaised
    {.HighlightDirection = drUpLeft,
     .HighlightDepth = 1,
     .ShadowDirection = drDownRight,
     .ShadowDepth = 1,
     .ShadowSize = 1,
     .Font = PresetFont::ButtonFace}, // ssRaisedColor
    {.HighlightDirection = drUpLeft,
     .HighlightDepth = 1,
     .ShadowDirection = drDownRight,
     .ShadowDepth = 1,
     .ShadowSize = 1}, // ssRaisedShadow
    {.HighlightDirection = drUpLeft,
     .HighlightDepth = 1,
     .ShadowDirection = drDownRight,
     .ShadowDepth = 1,
     .ShadowSize = 4},                                        // ssRaisedThickShadow
    {.HighlightDirection = drDownRight, .HighlightDepth = 1}, // ssRecessed
    {.HighlightDirection = drDownRight,
     .HighlightDepth = 1,
     .ShadowDirection = drUpLeft,
     .ShadowDepth = 1,
     .ShadowSize = 1,
     .Font = PresetFont::ButtonFace}, // ssRecessedColor
    {.HighlightDirection = drDownRight,
     .HighlightDepth = 1,
     .ShadowDirection = drUpLeft,
     .ShadowDepth = 1,
     .ShadowSize = 1},                                                   // ssRecessedShadow
    {.ShadowDirection = drDownRight, .ShadowDepth = 2, .ShadowSize = 1}, // ssShadow
    {.ShadowDirection = drDownRight, .ShadowDepth = 1, .ShadowSize = 4}, // ssThickShadow
}};
static_assert(ShadowPresets.size() == ssThickShadow + 1);

} // namespace quillon
