#pragma once
#include <QString>
#include <optional>
#include <variant>
#include <vector>

// Small text utilities shared by the whole program.

// text extended with ch on the left (onLeft) or on the right until it is at least width long.
QString PadText(QChar ch, bool onLeft, int width, const QString& text);

// Replaces find by replacement, letter case ignored, searching again from the start of the text
// after each replacement. It stops when the next match starts at or before (the previous match's
// position + replacement's length - find's length), so when replacement contains find only the
// first occurrence is replaced. Nothing happens when find equals replacement exactly.
void ReplaceAllText(const QString& find, const QString& replacement, QString& text);

// printf-like formatting of "%s" (a text) and "%d" (an integer), with the optional flag "-"
// (left-justify), a width and a ".precision" (least digits of "%d", most characters of "%s"), and
// "%%". Nothing when the format does not fit the arguments (too few, or of the wrong kind).
using FormatArgument = std::variant<qint64, QString>;
std::optional<QString> FormatText(const QString& format, const std::vector<FormatArgument>& arguments);
