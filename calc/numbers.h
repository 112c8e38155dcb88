// Numbers to and from text with the C conventions (a decimal point, no
// grouping), whatever the process locale: every number the library writes to
// or reads from a file passes through here.
#ifndef TRAZEL_NUMBERS_H
#define TRAZEL_NUMBERS_H

#include <string>
#include <string_view>

namespace numbers {

// As printf("%.*f", decimals, v).
std::string fixed(double v, int decimals);
// The same appended to out, for writers of many numbers.
void appendFixed(std::string& out, double v, int decimals);
// As printf("%.*g", significant, v): the stream's default notation.
std::string general(double v, int significant);
// As printf("%d", v).
std::string integer(int v);

// As sscanf("%lf") / sscanf("%d") on the start of text: leading white space
// is skipped and the longest number there is taken. Returns the number of
// characters consumed, 0 when no number could be read (value untouched).
std::size_t parse(std::string_view text, double& value);
std::size_t parse(std::string_view text, int& value);

// As scanf's white-space directive: the number of blank characters (space,
// tab, line ends, vertical tab, form feed) at the start of text.
std::size_t skipBlanks(std::string_view text);
// The text without those blank characters at either end.
std::string_view trimmed(std::string_view text);

}  // namespace numbers

#endif  // TRAZEL_NUMBERS_H
