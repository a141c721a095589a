#pragma once
#include <QString>
#include <functional>

// The program's mark-up as the message and list windows show it, turned into the rich text Qt's
// labels and documents understand. Understood, letter case ignored: <b> <i> <u> and their closing
// tags, <br>, <hr>, <a href="...">, <img src="...">, <font face= size= color=> (size in points,
// colour as "clRed" or "#rrggbb"), <p align="alLeft|alCenter|alRight"> (aligns the rest of its
// line) and <ind x="N"> (moves on N pixels). Other tags (font roles and the like) show nothing.
// Runs of blanks are kept, as the program's texts indent with them.

// Maps an image source of the mark-up to one Qt can load ("lsys:<program>" is a program's icon).
using MarkupImageResolver = std::function<QString(const QString& source)>;

QString MarkupToRichText(const QString& markup, const MarkupImageResolver& resolveImage = {});

// The text a reader sees: tags dropped, <br> as a line break, entities decoded.
QString MarkupPlainText(const QString& markup);
