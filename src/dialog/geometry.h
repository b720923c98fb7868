// The arithmetic of the dialog's two layout changes, on plain pixel rectangles.
#pragma once

struct PixelRect {
  int left, top, right, bottom;  // right and bottom lie just outside
};

inline int Width(const PixelRect& r) {
  return r.right - r.left;
}
inline int Height(const PixelRect& r) {
  return r.bottom - r.top;
}

// The list's new height when it takes the description box's place: its bottom goes to the box's.
int CollapsedListHeight(const PixelRect& list, const PixelRect& descriptionBox);

// Pixels between the right edge of the first button and the left edge of the second.
int ButtonGap(const PixelRect& first, const PixelRect& second);

// A size counts half average characters; the halving drops its remainder first.
int ButtonWidth(int size, int averageCharWidth);

struct ButtonPlaces {
  int firstX, secondX;
};

// Centres two buttons gap apart in the client width; an odd pixel goes between them.
ButtonPlaces CentreButtonPlaces(int clientWidth, int firstWidth, int secondWidth, int gap);
