// The two entrance effects that bring a window's skinned controls into place:
// the element first jumps off its place, then a script brings it back.
#pragma once

class Skinnable;

// Slide-in: the element jumps `topOffset` down (negative: up) and after half a second
// glides back to its top in one second, slowing down.
void slideIn(Skinnable *control, int topOffset);

// Grow-in: the element becomes `widthShrink` narrower and 10 high, moves by
// (leftOffset, topOffset), then grows back to its rectangle in one second, speeding up.
void growIn(Skinnable *control, int leftOffset, int topOffset, int widthShrink);

// Both do nothing for a control without a skin element, or whose element's left or
// top text is not a plain decimal number.
