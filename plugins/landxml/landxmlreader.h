// Reading a LandXML file into a Document with Qt's streaming XML reader.
// Element names are matched without their namespace, so that files of
// LandXML 1.2, 1.1 and national variants read alike.
#ifndef VANTOREL_LANDXML_LANDXMLREADER_H
#define VANTOREL_LANDXML_LANDXMLREADER_H

#include "landxmldocument.h"

class QIODevice;

namespace landxml {

// Reads the whole document from the device. False, with the reason (and the
// line and column where the XML reader has them) in `failure`, when the
// bytes are no well-formed LandXML. Problems inside an alignment do not fail
// the reading; they are kept with the alignment.
bool readDocument(QIODevice& device, Document& document, QString& failure);

// The same for a file, which must be a regular file of a sensible size.
bool readFile(const QString& path, Document& document, QString& failure);

}  // namespace landxml

#endif  // VANTOREL_LANDXML_LANDXMLREADER_H
