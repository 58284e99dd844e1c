// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The command-line converter: a colour in any text paste takes, printed in one of the forms or in a
// template, for scripts and build steps.
namespace convertcommand {

struct Outcome
{
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
};

// `--convert form text [text2]`: form is a form's short name, "list", or a template (a text with "{");
// a template naming bg. or fg. takes text as the background and text2 as the foreground. Errors give
// one line on standard error and exit code 2; program names the program in them.
Outcome run(const QString &program, const QString &form, const QStringList &texts);

} // namespace convertcommand
