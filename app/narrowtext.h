// The library keeps names as 8-bit strings; the program reads and writes
// them as GB18030, the encoding Chinese surveying software uses. Every
// conversion between QString and the library's strings goes through here.
#ifndef VANTOREL_NARROWTEXT_H
#define VANTOREL_NARROWTEXT_H

#include <QString>

#include <string>

namespace narrowtext {

// Whether the GB18030 codec could be had. Without it, names are written as
// Latin-1, the way 8-bit strings are read when no codec is installed.
bool hasGb18030();

std::string fromQString(const QString& text);
QString toQString(const std::string& narrow);

}  // namespace narrowtext

#endif  // VANTOREL_NARROWTEXT_H
