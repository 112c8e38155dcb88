#include "stakeoutoptions.h"

#include "stationtext.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cmath>

namespace {

const QStringList kFormatNames = {"station", "pnezd", "cass"};
const StakeFormat kFormats[] = {StakeFormat::StationCsv, StakeFormat::PnezdCsv,
                                StakeFormat::CassDat};
const QStringList kSurveyFormatNames = {"detect", "pnezd", "cass"};
const SurveyFormat kSurveyFormats[] = {SurveyFormat::Detect, SurveyFormat::PnezdCsv,
                                       SurveyFormat::CassDat};
// What only a stake-out takes, not a check.
const QStringList kStakeOutOptions = {"start",    "end",        "interval", "offsets",
                                      "integral", "key-points", "format",   "first-number"};

// Reads the values of the options; the first value that cannot be read
// leaves its reason in `problem`.
class OptionReader
{
public:
    explicit OptionReader(const QCommandLineParser& parser) : parser_(parser) {}

    const QString& problem() const { return problem_; }

    double station(const QString& name)
    {
        double L = 0.0;
        if (!parseStation(parser_.value(name).toStdString(), L))
            refuse(QString("--%1: \"%2\" is no station (1234.5 or K1+234.5)")
                       .arg(name, parser_.value(name)));
        return L;
    }

    double interval()
    {
        bool ok = false;
        const double interval = parser_.value("interval").toDouble(&ok);
        if (!ok || !std::isfinite(interval) || interval < StakeOutRun::kMinimumInterval)
            refuse(QString("--interval: \"%1\" is no number of at least %2 metre")
                       .arg(parser_.value("interval"))
                       .arg(StakeOutRun::kMinimumInterval));
        return interval;
    }

    std::vector<double> offsets()
    {
        std::vector<double> offsets;
        std::string unreadable;
        if (!parseOffsets(parser_.value("offsets").toStdString(), offsets, unreadable))
            refuse(QString("--offsets: \"%1\" is not a number")
                       .arg(QString::fromStdString(unreadable)));
        return offsets;
    }

    // The entry of `values` whose name the option gives.
    template <typename Value, std::size_t n>
    Value choice(const QString& name, const QStringList& names, const Value (&values)[n])
    {
        const qsizetype i = names.indexOf(parser_.value(name));
        if (i < 0) {
            refuse(QString("--%1: \"%2\" is none of %3")
                       .arg(name, parser_.value(name), names.join(", ")));
            return values[0];
        }
        return values[i];
    }

    long long firstNumber()
    {
        bool ok = false;
        const long long first = parser_.value("first-number").toLongLong(&ok);
        if (!ok || first < 0 || first > StakeText::kLargestFirstNumber)
            refuse(QString("--first-number: \"%1\" is no whole number from 0 to %2")
                       .arg(parser_.value("first-number"))
                       .arg(StakeText::kLargestFirstNumber));
        return first;
    }

    void refuse(const QString& reason)
    {
        if (problem_.isEmpty())
            problem_ = reason;
    }

private:
    const QCommandLineParser& parser_;
    QString problem_;
};

// The options, or none with the reason in `problem`.
std::optional<StakeoutOptions> optionsFrom(const QCommandLineParser& parser, QString& problem)
{
    OptionReader read(parser);
    StakeoutOptions options;
    if (parser.positionalArguments().size() != 1)
        read.refuse("name one road file");
    else
        options.roadPath = parser.positionalArguments().front();
    if (parser.isSet("check")) {
        options.surveyPath = parser.value("check");
        for (const QString& name : kStakeOutOptions) {
            if (parser.isSet(name))
                read.refuse(QString("--%1 is for a stake-out, not for --check").arg(name));
        }
    } else if (parser.isSet("survey-format")) {
        read.refuse("--survey-format goes with --check");
    }
    options.surveyFormat = read.choice("survey-format", kSurveyFormatNames, kSurveyFormats);
    if (parser.isSet("start"))
        options.start = read.station("start");
    if (parser.isSet("end"))
        options.end = read.station("end");
    options.run.interval = read.interval();
    options.run.offsets = read.offsets();
    options.run.integral = parser.isSet("integral");
    options.run.keyPoints = parser.isSet("key-points");
    options.format = read.choice("format", kFormatNames, kFormats);
    options.firstNumber = read.firstNumber();
    options.outputPath = parser.value("output");
    problem = read.problem();
    if (!problem.isEmpty())
        return std::nullopt;
    return options;
}

}  // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes the stake-out points of a road file for a data collector: from Start towards\n"
        "End (the road's own ends by default; End equal to Start runs back to the road start)\n"
        "at the interval, one point per offset at each stake, left to right. With --check,\n"
        "writes where surveyed points lie against the road's design instead.");
    parser.addPositionalArgument("ROAD.rod", "The road file.");
    parser.addOptions({
        {"start", "First station, 1234.5 or K1+234.5.", "L"},
        {"end", "Station the run heads for and stops at.", "L"},
        {"interval", "Stake interval in metres, at least 1.", "metres", "20"},
        {"offsets", "Offsets across the road, negative to the left, e.g. -7.5,0,7.5.", "list", "0"},
        {"integral", "Count the regular stakes from a whole ten metres."},
        {"key-points", "Stake every element boundary too."},
        {"format", "station (station,X,Y,height), pnezd (number,N,E,Z,name) or cass (CASS .dat).",
         "name", "station"},
        {"first-number", "Number of the first point in pnezd.", "N", "1"},
        {"check",
         "Check surveyed points against the road instead: for each point of SURVEY its station, "
         "offset, measured and design height and their difference, as CSV.",
         "SURVEY"},
        {"survey-format", "Format of SURVEY: detect, pnezd (P,N,E,Z,D) or cass (name,code,Y,X,H).",
         "name", "detect"},
        {{"o", "output"},
         "Write to FILE (whole or not at all) instead of standard output.",
         "FILE"},
    });
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    ParsedCommandLine parsed;
    const auto refuse = [&parser, &parsed](const QString& problem) {
        parsed.message =
            QCoreApplication::applicationName() + ": " + problem + "\n\n" + parser.helpText();
        parsed.status = BadArguments;
    };
    if (!parser.parse(arguments)) {
        refuse(parser.errorText());
        return parsed;
    }
    if (parser.isSet(help)) {
        parsed.message = parser.helpText();
        return parsed;
    }
    if (parser.isSet(version)) {
        parsed.message = QCoreApplication::applicationName() + ' ' +
                         QCoreApplication::applicationVersion() + '\n';
        return parsed;
    }
    QString problem;
    parsed.options = optionsFrom(parser, problem);
    if (!parsed.options)
        refuse(problem);
    return parsed;
}
