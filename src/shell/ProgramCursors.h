#pragma once
#include <Qt>

// The program's cursor numbers as pictures: 0 the default arrow, -1 the hourglass, 3 "HAND",
// 4 "ITEM", 111-120 the small copy, 150/151 dragging, 159 the speaker, 161 help, 171 the monitor,
// 181 saving, 191 reading, and the other animated series as a busy arrow.
Qt::CursorShape CursorShapeOf(int number);
