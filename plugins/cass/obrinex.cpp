#include "obrinex.h"

#include "catalogue.h"
#include "regularfile.h"
#include "roadset.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <unistd.h>
#include <cmath>

namespace {

// Fields of a CASS line: name, code, Y (easting), X (northing), height.
constexpr int kFieldCount = 5;
constexpr int kFieldY = 2;
constexpr int kFieldX = 3;
constexpr int kFieldHeight = 4;

// QString::toDouble reads the C notation whatever the locale. It also takes
// "inf" and "nan", which are no coordinates and would poison the road.
bool toNumber(const QString& field, double& value)
{
    bool ok = false;
    value = field.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

}  // namespace

Obrinex::Obrinex() : QObject(nullptr)
{
    programdirs::installCatalogue(this, QStringLiteral("Obrinex_"));
}

QString Obrinex::name() const
{
    return tr("Cass Data");
}

int Obrinex::category() const
{
    return 0;
}

int Obrinex::type() const
{
    return 0;  // intersection points
}

QString Obrinex::description() const
{
    return tr("CASS Data ( *.dat ) Importer");
}

QString Obrinex::fileFilters() const
{
    return tr("CASS Data Format") + QStringLiteral("( *.dat )");
}

bool Obrinex::import(RoadSet* road, const QString* fileName)
{
    if (road == nullptr || fileName == nullptr) {
        return false;
    }
    // Never QFile::open on the name: a named pipe would block it for ever.
    const int fd = openRegularFileDescriptor(QFile::encodeName(*fileName).constData());
    if (fd < 0) {
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    road->ClearCross();

    // The point names may be in any 8-bit encoding; only the numbers, which
    // are ASCII in all of them, are read.
    QTextStream in(&file);
    bool accepted = false;
    while (!in.atEnd()) {
        accepted = parseLine(road, in.readLine());
        if (!accepted) {
            return false;
        }
    }
    if (!accepted) {
        return false;  // an empty file
    }

    int index = 0;
    if (road->FromCrossWithAdjust(index) == 0) {
        return true;
    }
    road->ClearCross();
    road->ClearHorizon();
    return false;
}

bool Obrinex::parseLine(RoadSet* road, const QString& line) const
{
    const QStringList fields = line.trimmed().split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (fields.size() != kFieldCount) {
        return false;
    }
    CrossEntity point;
    double height = 0.0;
    if (!toNumber(fields[kFieldX], point.x) || !toNumber(fields[kFieldY], point.y) ||
        !toNumber(fields[kFieldHeight], height)) {
        return false;
    }
    road->InsertCross(point);
    return true;
}
