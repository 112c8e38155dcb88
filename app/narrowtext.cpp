#include "narrowtext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace narrowtext {

namespace {

constexpr const char* kCodec = "GB18030";

}  // namespace

bool hasGb18030()
{
    return QStringEncoder(kCodec).isValid();
}

std::string fromQString(const QString& text)
{
    QStringEncoder encoder(kCodec);
    const QByteArray bytes = encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toLatin1();
    return bytes.toStdString();
}

QString toQString(const std::string& narrow)
{
    const QByteArray bytes = QByteArray::fromStdString(narrow);
    QStringDecoder decoder(kCodec);
    return decoder.isValid() ? QString(decoder.decode(bytes)) : QString::fromLatin1(bytes);
}

}  // namespace narrowtext
