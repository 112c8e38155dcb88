#include "stakeexportsettings.h"

#include <QSettings>

namespace {

// Stored by name, so that a new format in the box moves no stored choice.
const char* const kFormatNames[] = {"station", "pnezd", "cass"};

const char* formatName(StakeFormat format)
{
    return kFormatNames[static_cast<int>(format)];
}

StakeFormat formatNamed(const QString& name, StakeFormat fallback)
{
    for (const StakeFormat format :
         {StakeFormat::StationCsv, StakeFormat::PnezdCsv, StakeFormat::CassDat})
        if (name == QLatin1String(formatName(format)))
            return format;
    return fallback;
}

}  // namespace

StakeExportSettings StakeExportSettings::load(const StakeExportSettings& defaults)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("stakeExport"));
    StakeExportSettings s;
    s.start = settings.value(QStringLiteral("start"), defaults.start).toString();
    s.end = settings.value(QStringLiteral("end"), defaults.end).toString();
    s.interval = settings.value(QStringLiteral("interval"), defaults.interval).toString();
    s.offsets = settings.value(QStringLiteral("offsets"), defaults.offsets).toString();
    s.format = formatNamed(settings.value(QStringLiteral("format")).toString(), defaults.format);
    s.integral = settings.value(QStringLiteral("integerMiles"), defaults.integral).toBool();
    s.keyPoints = settings.value(QStringLiteral("primePoints"), defaults.keyPoints).toBool();
    s.firstNumber = settings.value(QStringLiteral("firstNumber"), defaults.firstNumber).toInt();
    return s;
}

void StakeExportSettings::save() const
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("stakeExport"));
    settings.setValue(QStringLiteral("start"), start);
    settings.setValue(QStringLiteral("end"), end);
    settings.setValue(QStringLiteral("interval"), interval);
    settings.setValue(QStringLiteral("offsets"), offsets);
    settings.setValue(QStringLiteral("format"), QLatin1String(formatName(format)));
    settings.setValue(QStringLiteral("integerMiles"), integral);
    settings.setValue(QStringLiteral("primePoints"), keyPoints);
    settings.setValue(QStringLiteral("firstNumber"), firstNumber);
}
