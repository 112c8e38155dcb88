// The user-visible texts of the LandXML reader and writer share one
// translation context, "landxml": lupdate files the texts of the namespace's
// free functions under its name, and the classes declare the same context
// (Q_DECLARE_TR_FUNCTIONS(landxml)).
#ifndef VANTOREL_LANDXML_LANDXMLTEXT_H
#define VANTOREL_LANDXML_LANDXMLTEXT_H

#include <QCoreApplication>
#include <QString>

namespace landxml {

inline QString tr(const char* text, const char* disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("landxml", text, disambiguation, n);
}

}  // namespace landxml

#endif  // VANTOREL_LANDXML_LANDXMLTEXT_H
