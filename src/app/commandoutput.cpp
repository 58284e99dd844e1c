// SPDX-License-Identifier: MIT
#include "app/commandoutput.h"

#include "platform/localnames.h"

#include <cerrno>
#include <cstring>

namespace {

// Writes text whole and flushes it; the error number of the first failure, or 0.
int writeAll(std::FILE *file, const QString &text)
{
    const QByteArray bytes = localnames::encode(text);
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) != size_t(bytes.size()) ||
        std::fflush(file) != 0 || std::ferror(file))
        return errno ? errno : EIO;
    return 0;
}

} // namespace

int printOutcome(const CommandLineOutcome &outcome, const QString &program, std::FILE *out, std::FILE *err)
{
    const int failed = writeAll(out, outcome.standardOutput);
    writeAll(err, outcome.standardError);
    if (!failed)
        return outcome.exitCode;
    writeAll(err, QStringLiteral("%1: standard output: %2\n")
                      .arg(program, QString::fromLocal8Bit(std::strerror(failed))));
    return outcome.exitCode == 0 ? 1 : outcome.exitCode;
}
