# SPDX-License-Identifier: MIT
# The theme's named colours, written once: every generated file (the two style
# sheets, the two icon themes and the C++ table behind Nalu::Theme::color())
# takes its colours from this list.
#
# Text pairs meet a contrast of at least 4.5:1 in both variants:
# Text, TextMuted, Accent, Error and the *Text colours on Window, Card and
# Surface; OnAccent on Accent, Config, Danger, Info and Success; OnWarning on
# Warning; PavoText on PavoBackground; BlinkText on BlinkBackground.
set(NALU_THEME_PALETTE
    # name              light       dark
    Window              "#ffffff"   "#1b1f24"
    Card                "#ffffff"   "#242930"
    Surface             "#f4f6f9"   "#2d333b"
    SurfaceHover        "#e4e9f0"   "#363d47"
    SurfacePressed      "#d5dbe3"   "#414955"
    Groove              "#d5dbe3"   "#414955"
    Text                "#1f2d3d"   "#e6ebf2"
    TextMuted           "#4a5568"   "#aab4c3"
    TextDisabled        "#8795a8"   "#6b7685"
    Border              "#5f6f84"   "#8795a8"
    BorderSubtle        "#c3cad4"   "#444c58"
    Accent              "#1f5fbf"   "#8ab4f8"
    AccentHover         "#174a96"   "#a9c8fb"
    AccentPressed       "#123a75"   "#c3d8fc"
    OnAccent            "#ffffff"   "#10151c"
    Config              "#5e35b1"   "#c5a3ff"
    Danger              "#c62828"   "#f28b82"
    Info                "#00707f"   "#78d9ec"
    Success             "#2e7d32"   "#81c995"
    Warning             "#f2b705"   "#fdd663"
    OnWarning           "#2b1d00"   "#2b1d00"
    WarningText         "#8a5a00"   "#fdd663"
    Error               "#b3261e"   "#f2b8b5"
    PavoBackground      "#d9ecf2"   "#16363f"
    PavoBorder          "#0b6e86"   "#4fb3cc"
    PavoText            "#0b3d4c"   "#bfe6f0"
    BlinkBackground     "#ffe08a"   "#5c4500"
    BlinkBorder         "#a86b00"   "#d9a400"
    BlinkText           "#3d2a00"   "#ffe08a"
    Handle              "#ffffff"   "#d5dbe3"
    HandleHover         "#e4e9f0"   "#ffffff"
    HandlePressed       "#c3cad4"   "#aab4c3"
    # The range sliders' handle halves have no outline: they must stand out from the page.
    RangeHandle         "#5f6f84"   "#d5dbe3"
    RangeHandleHover    "#46566b"   "#ffffff"
    RangeHandlePressed  "#2f3b4a"   "#aab4c3"
)
