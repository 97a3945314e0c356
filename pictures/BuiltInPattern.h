#pragma once
// The built-in pattern image, as the bytes of its bitmap file; generated at
// build time from resources/tiles.

extern const unsigned char BuiltInPatternBitmap[];
extern const unsigned long BuiltInPatternBitmapSize;
