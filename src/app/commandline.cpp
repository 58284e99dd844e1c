// SPDX-License-Identifier: MIT
#include "app/commandline.h"

#include "app/programidentity.h"
#include "contrast/contrastcommand.h"
#include "forms/convertcommand.h"
#include "pairs/checkcommand.h"
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
    const QCommandLineOption contrastOption(
        QStringLiteral("contrast"),
        QStringLiteral(
            "Print the contrast of the <foreground> color on <background> (any texts Paste color "
            "takes): the WCAG 2 ratio, the verdicts for AA and AAA and APCA Lc, one a line, and exit."),
        QStringLiteral("foreground"));
    const QCommandLineOption checkPairs(
        QStringLiteral("check-pairs"),
        QStringLiteral(
            "Check every pair of [file] (any file --import-pairs reads), or of the list without it, "
            "against a WCAG 2 level and print a table; exit with 0 when all pass, 1 when one fails, "
            "2 for a file that cannot be read."));
    const QCommandLineOption level(QStringLiteral("level"),
                                   QStringLiteral("With --check-pairs: the level, AA (the default) or AAA."),
                                   QStringLiteral("level"));
    const QCommandLineOption large(QStringLiteral("large"),
                                   QStringLiteral("With --check-pairs: check for large text."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral(
            "With --check-pairs: text (the default), json or markdown; with --matrix text, markdown "
            "or csv."),
        QStringLiteral("format"));
    const QCommandLineOption matrix(
        QStringLiteral("matrix"),
        QStringLiteral("With --check-pairs: print every foreground of the pairs against every background, "
                       "each cell its ratio and whether it passes, instead of the list."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(convert);
    parser.addOption(exportPairs);
    parser.addOption(importPairs);
    parser.addOption(contrastOption);
    parser.addOption(checkPairs);
    parser.addOption(level);
    parser.addOption(large);
    parser.addOption(format);
    parser.addOption(matrix);
    for (const QtOption &qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLineOutcome outcome;
    QString error;
    checkcommand::Options checking;
    const auto commands = {&convert, &exportPairs, &importPairs, &contrastOption, &checkPairs};
    const auto ownOptions = {&convert, &exportPairs, &importPairs, &contrastOption, &checkPairs,
                             &level,   &large,       &format,      &matrix};
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        // A file or text that starts with '-' reads as an option where it is no option's value.
        if (error.startsWith(QLatin1String("Unknown option")) &&
            std::any_of(arguments.begin(), arguments.end(), [](const QString &argument) {
                return argument.contains(QLatin1String("-convert")) ||
                       argument.contains(QLatin1String("-export-pairs")) ||
                       argument.contains(QLatin1String("-contrast")) ||
                       argument.contains(QLatin1String("-check-pairs"));
            }))
            error += QStringLiteral(" A file or text that starts with '-' goes after '--'.");
    } else if (const QStringList given = parser.optionNames();
               std::any_of(ownOptions.begin(), ownOptions.end(), [&](const QCommandLineOption *o) {
                   return given.count(o->names().constLast()) > 1;
               })) {
        error = QStringLiteral("Give each option once.");
    } else if (std::count_if(commands.begin(), commands.end(), [&](auto o) { return parser.isSet(*o); }) >
               1) {
        error = QStringLiteral("Give one of --convert, --export-pairs, --import-pairs, --contrast and "
                               "--check-pairs at a time.");
    } else if (std::none_of(commands.begin(), commands.end(), [&](auto o) { return parser.isSet(*o); }) &&
               !parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    } else if (!parser.isSet(checkPairs) &&
               (parser.isSet(level) || parser.isSet(large) || parser.isSet(format) || parser.isSet(matrix))) {
        error = QStringLiteral("--level, --large, --format and --matrix go with --check-pairs.");
    } else if (parser.isSet(checkPairs)) {
        const std::optional<paircheck::Level> named = paircheck::levelNamed(parser.value(level));
        const std::optional<paircheck::Format> chosen = paircheck::formatNamed(parser.value(format));
        if (parser.isSet(level) && !named)
            error = QStringLiteral("Unknown level '%1' (AA or AAA).").arg(parser.value(level));
        else if (parser.isSet(format) && !chosen)
            error = QStringLiteral("Unknown format '%1' (text, json, markdown or csv).")
                        .arg(parser.value(format));
        else if (parser.isSet(matrix) && chosen == paircheck::Format::Json)
            error = QStringLiteral("--matrix prints text, markdown or csv.");
        else if (!parser.isSet(matrix) && chosen == paircheck::Format::Csv)
            error = QStringLiteral("--format csv goes with --matrix.");
        checking = {named.value_or(paircheck::Level::AA), parser.isSet(large),
                    chosen.value_or(paircheck::Format::Text), parser.isSet(matrix)};
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
        outcome.standardOutput =
            QStringLiteral("Usage: %1 [options]\n"
                           "       %1 --convert FORM TEXT [TEXT2]\n"
                           "       %1 --contrast FG BG\n"
                           "       %1 --export-pairs FORMAT [FILE]\n"
                           "       %1 --import-pairs FILE\n"
                           "       %1 --check-pairs [FILE] [--level AA|AAA] [--large] [--format FORMAT]")
                .arg(command) +
            text;
    } else if (parser.isSet(convert)) {
        const convertcommand::Outcome converted =
            convertcommand::run(command, parser.value(convert), parser.positionalArguments());
        outcome = {true, converted.exitCode, converted.standardOutput, converted.standardError};
    } else if (parser.isSet(contrastOption)) {
        const contrastcommand::Outcome done = contrastcommand::run(
            command, QStringList{parser.value(contrastOption)} + parser.positionalArguments());
        outcome = {true, done.exitCode, done.standardOutput, done.standardError};
    } else if (parser.isSet(checkPairs)) {
        const checkcommand::Outcome done =
            checkcommand::run(command, &platform::systemRegistry(), parser.positionalArguments(), checking);
        outcome = {true, done.exitCode, done.standardOutput, done.standardError};
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
