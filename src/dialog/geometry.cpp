// The arithmetic of the dialog's two layout changes, on plain pixel rectangles.
#include "dialog/geometry.h"

int CollapsedListHeight(const PixelRect& list, const PixelRect& descriptionBox) {
  return descriptionBox.bottom - list.top;
}

int ButtonGap(const PixelRect& first, const PixelRect& second) {
  return second.left - first.right;
}

int ButtonWidth(int size, int averageCharWidth) {
  return size * (averageCharWidth / 2);
}

ButtonPlaces CentreButtonPlaces(int clientWidth, int firstWidth, int secondWidth, int gap) {
  const int leftover = clientWidth - firstWidth - secondWidth - gap;
  const int half = leftover / 2;
  const int rest = leftover - 2 * half;
  return {half, half + firstWidth + gap + rest};
}
