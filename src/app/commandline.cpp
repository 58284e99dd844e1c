// SPDX-License-Identifier: MIT
#include "app/commandline.h"

#include "app/programidentity.h"
#include "forms/convertcommand.h"
#include "pairs/pairscommand.h"
#include "platform/registry.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

namespace {

// The options QGuiApplication and QApplication read from the command line themselves, and whether each
// takes a value; they are accepted here and left in place for Qt.
struct QtOption
{
    const char *name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},        {"qwindowtitle", true},  {"session", true},
    {"display", true},         {"geometry", true},           {"style", true},         {"stylesheet", true},
    {"qmljsdebugger", true},   {"reverse", false},           {"widgetcount", false},
};

// Each of these does one thing and ends: given twice, or with another, it would do one of them silently.
// Says which two meet; empty when at most one is given, once.
QString actionClash(const QCommandLineParser &parser, std::initializer_list<const QCommandLineOption *> actions)
{
    QStringList given;
    for (const QCommandLineOption *action : actions) {
        // An option with a value has one for each time it is given.
        const qsizetype times = action->valueName().isEmpty() ? (parser.isSet(*action) ? 1 : 0)
                                                              : parser.values(*action).size();
        for (qsizetype i = 0; i < times; ++i)
            given << QStringLiteral("--") + action->names().constLast();
    }
    if (given.size() < 2)
        return {};
    if (given[0] == given[1])
        return QStringLiteral("'%1' is given twice; give it once.").arg(given[0]);
    return QStringLiteral("'%1' and '%2' cannot be given together.").arg(given[0], given[1]);
}

} // namespace

CommandLineOutcome parseCommandLine(const QStringList &arguments)
{
    // The usual start has no arguments and needs no parser.
    if (arguments.size() <= 1)
        return {};
    const QString command = QFileInfo(arguments.constFirst()).fileName();
    SpecifySoftware::SetProgramIdentity();

    QCommandLineParser parser;
    // Qt's options are written with one dash ("-platform xcb"), so single-dash words are whole names.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Choose a background and a text color and copy them as numbers."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's name and version and exit."));
    const QCommandLineOption convert(
        QStringLiteral("convert"),
        QStringLiteral(
            "Print the color <text> (any text Paste color takes) in <form> and exit: a form's short "
            "name, a template with placeholders such as {hex} or {bg.r}, or list for the names. A "
            "template naming bg. or fg. takes <text> as the background and <text2> as the foreground."),
        QStringLiteral("form"));
    const QCommandLineOption exportPairs(
        QStringLiteral("export-pairs"),
        QStringLiteral(
            "Write the list of color pairs in <format> (css, json or gpl) to [file], or to standard "
            "output when it is left out, and exit."),
        QStringLiteral("format"));
    const QCommandLineOption importPairs(
        QStringLiteral("import-pairs"),
        QStringLiteral(
            "Add the color pairs of <file> (css, json or gpl, told from the content) after those in "
            "the list, and exit."),
        QStringLiteral("file"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(convert);
    parser.addOption(exportPairs);
    parser.addOption(importPairs);
    for (const QtOption &qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLineOutcome outcome;
    QString error;
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        // A file or text that starts with '-' reads as an option where it is no option's value.
        if (error.startsWith(QLatin1String("Unknown option")) &&
            std::any_of(arguments.begin(), arguments.end(), [](const QString &argument) {
                return argument.contains(QLatin1String("-convert")) ||
                       argument.contains(QLatin1String("-export-pairs"));
            }))
            error += QStringLiteral(" A file or text that starts with '-' goes after '--'.");
    } else if (const QString clash = actionClash(parser, {&version, &convert, &exportPairs, &importPairs});
               !clash.isEmpty() && !parser.isSet(help)) {
        error = clash;
    } else if (!parser.isSet(convert) && !parser.isSet(exportPairs) && !parser.isSet(importPairs) &&
               !parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    }
    if (!error.isEmpty()) {
        outcome.finished = true;
        outcome.exitCode = 2;
        outcome.standardError =
            QStringLiteral("%1: %2 Try '%1 --help' for more information.\n").arg(command, error);
    } else if (parser.isSet(help)) {
        outcome.finished = true;
        // Without an application object Qt cannot name the program in its usage line, so it is written here.
        QString text = parser.helpText();
        text.remove(0, text.indexOf(u'\n'));
        // The options' own arguments, which Qt's list of options cannot show.
        outcome.standardOutput = QStringLiteral("Usage: %1 [options]\n"
                                                "       %1 --convert FORM TEXT [TEXT2]\n"
                                                "       %1 --export-pairs FORMAT [FILE]\n"
                                                "       %1 --import-pairs FILE")
                                     .arg(command) +
                                 text;
    } else if (parser.isSet(convert)) {
        const convertcommand::Outcome converted =
            convertcommand::run(command, parser.value(convert), parser.positionalArguments());
        outcome = {true, converted.exitCode, converted.standardOutput, converted.standardError};
    } else if (parser.isSet(exportPairs) || parser.isSet(importPairs)) {
        // The store the program itself uses; no window system is needed to read or write it.
        platform::Registry *store = &platform::systemRegistry();
        const pairscommand::Outcome done =
            parser.isSet(exportPairs) ? pairscommand::exportPairs(command, store, parser.value(exportPairs),
                                                                  parser.positionalArguments())
                                      : pairscommand::importPairs(command, store, parser.value(importPairs),
                                                                  parser.positionalArguments());
        outcome = {true, done.exitCode, done.standardOutput, done.standardError};
    } else if (parser.isSet(version)) {
        outcome.finished = true;
        outcome.standardOutput =
            SpecifySoftware::ProgramName + u' ' + SpecifySoftware::ProgramVersion + u'\n';
    }
    return outcome;
}

QString sessionPlatform(const QProcessEnvironment &environment)
{
    const auto present = [&](const char *name) {
        return !environment.value(QString::fromLatin1(name)).isEmpty();
    };
    if (present("QT_QPA_PLATFORM") || !present("WAYLAND_DISPLAY") || !present("DISPLAY"))
        return {};
    return QStringLiteral("xcb");
}
