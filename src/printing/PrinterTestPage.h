#pragma once

// The printer test sheet "Linijka i pasery": rulers from where the printer believes the paper edge is,
// registration marks, colour scales and an explanation. False when anything fails on the way.
bool PrinterTestPage();
