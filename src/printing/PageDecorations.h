#pragma once
#include "printing/PageGeometry.h"

// What the engine draws on pages besides the documents themselves.

// Two punch holes and three folding marks in the left margin (when the job has a punch margin and
// the punch-holes setting is on).
void DrawPunchMarks();
// The page number in the box below and right of the content rectangle's bottom-right corner.
void DrawPageNumber(int number);
// ">>" in the same box: the document goes on on the next page.
void DrawContinuationMark();
// The program's identification line under the content area.
void DrawIdentificationLine();
QString IdentificationText();
// Draws text in the 10 x 10 mm box at the content rectangle's bottom-right corner.
void DrawCornerText(const QString& text);
