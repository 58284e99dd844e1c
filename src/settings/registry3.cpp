#include "settings/registry3.h"

#include "platform/registry.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Registry3 {

namespace {

QByteArray toAnsi(const QString &text)
{
    return QStringEncoder(QStringConverter::System).encode(text);
}

QString fromAnsi(const QByteArray &text)
{
    return QStringDecoder(QStringConverter::System).decode(text);
}

QString systemMessage(platform::Registry &registry, qint32 code)
{
    return fromAnsi(registry.systemMessage(code));
}

// Removes the terminating zero, line ends and any other control characters at the end.
void trimControlCharacters(QString &text)
{
    while (!text.isEmpty() && text.back().unicode() < 32)
        text.chop(1);
}

} // namespace

QString RegWriteString(platform::Registry &registry, quint32 rootKey, const QString &strKey,
                       const QString &strName, const QString &strValue)
{
    platform::RegKey key = 0;
    quint32 disposition = 0;
    qint32 result = registry.createKey(rootKey, toAnsi(strKey), &key, &disposition);
    QString status;
    if (result != platform::kErrorSuccess) {
        status = QString::number(result) + QLatin1String(" Unable to create (or find) key.");
    } else {
        if (disposition == platform::kRegCreatedNewKey)
            status = QStringLiteral("0 New key created.");
        else if (disposition == platform::kRegOpenedExistingKey)
            status = QStringLiteral("0 Key already exists.");
        else
            status = QStringLiteral("0 Key anomaly.");
        QByteArray data = toAnsi(strValue);
        data.append('\0');
        result = registry.setStringValue(key, toAnsi(strName), data);
        registry.closeKey(key);
        // A value that was not written must not be reported as a success.
        if (result != platform::kErrorSuccess)
            status = QString::number(result) + QLatin1String(" Unable to write value.");
    }
    return status + QLatin1String("  ") + systemMessage(registry, result);
}

QString RegReadString(platform::Registry &registry, quint32 rootKey, const QString &strKey,
                      const QString &strName, QString &strValue)
{
    const QString keyNotFound = QStringLiteral("1 Key not found or is empty.");
    if (strKey.isEmpty())
        return keyNotFound;
    platform::RegKey key = 0;
    // Whether a key resulted decides, not the result code.
    registry.openKey(rootKey, toAnsi(strKey), &key);
    if (key == 0)
        return keyNotFound;
    if (strName.isEmpty()) {
        registry.closeKey(key);
        return QStringLiteral("2 Name not specified.");
    }
    const QByteArray name = toAnsi(strName);
    quint32 size = 0;
    registry.queryValue(key, name, nullptr, &size);
    if (size == 0) {
        registry.closeKey(key);
        return QStringLiteral("3 Name not found.");
    }
    QByteArray buffer(size, ' ');
    quint32 count = size;
    const qint32 result = registry.queryValue(key, name, buffer.data(), &count);
    if (count != 0) {
        // A count beyond the buffer (the value grew in between) takes no more than the buffer.
        strValue = fromAnsi(buffer.left(count));
        trimControlCharacters(strValue);
    } else {
        strValue.clear();
    }
    registry.closeKey(key);

    const QString message = systemMessage(registry, result);
    if (message == QLatin1String("The system cannot find the file specified.\r\n"))
        return QStringLiteral("3 Name not found.");
    if (message == QLatin1String("The operation completed successfully.\r\n"))
        return QStringLiteral("0 OK");
    if (!strValue.isEmpty())
        return QStringLiteral("0 OK probably");
    return QLatin1String("4 ") + message;
}

} // namespace Registry3
