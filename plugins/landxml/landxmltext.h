// The user-visible texts of the LandXML reader and writer share one
// translation context.
#ifndef VANTOREL_LANDXML_LANDXMLTEXT_H
#define VANTOREL_LANDXML_LANDXMLTEXT_H

#include <QCoreApplication>
#include <QString>

namespace landxml {

inline QString tr(const char* text, int n = -1)
{
    return QCoreApplication::translate("LandXml", text, nullptr, n);
}

}  // namespace landxml

#endif  // VANTOREL_LANDXML_LANDXMLTEXT_H
