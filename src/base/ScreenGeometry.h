// Points and sizes on the screen, in whole pixels.
#pragma once

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(ScreenPoint, ScreenPoint) = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(ScreenSize, ScreenSize) = default;
};
